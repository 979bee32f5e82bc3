#pragma once
// The controls screen: both players' actions with their key and pad control,
// one column each. Walk with the menu keys, the d-pad or the stick; confirm
// on a cell, then press the new key (or pad control, in a pad column). A key
// that another action or the other player holds is refused with a line
// saying who has it; confirming again swaps the two. "Restore defaults" gives
// that player the game's own bindings back, "Keep and go back" keeps the
// changes and writes the settings file, and Escape or pad B leaves without
// changing anything. The rows are made from the column headings the level
// places ("P1Heading", "P2Heading").

#include <array>
#include <optional>

#include "api/menu_input.h"
#include "api/script_api.h"
#include "input/action_map.h"

class Transition;

class ControlsScreen : public Engine::ScriptBase<ControlsScreen> {
public:
    static constexpr int kRestoreRow = Engine::kActionCount;
    static constexpr int kKeepRow = Engine::kActionCount + 1;
    static constexpr int kRows = Engine::kActionCount + 2;
    // Column order left to right: player 1's keys and pad, then player 2's.
    static constexpr int kColumns = 4;

    using ScriptBase::ScriptBase;

    void Init() override;
    void Update(float dt) override;

    // The bindings being edited; the game's own change only on "Keep and go back".
    Engine::ActionMap working;
    int row = 0;
    int column = 0;
    bool waiting = false;
    // A refused key or pad control, swapped in if the player confirms.
    std::optional<int> pendingSwap;

private:
    int Player() const { return column < 2 ? 1 : 2; }
    bool PadColumn() const { return column % 2 == 1; }
    Engine::Action SelectedAction() const { return Engine::ActionAt(row); }
    void Navigate();
    void Choose();
    void Capture(float dt);
    void Take(int code);
    void AnswerSwap();
    void Leave(bool keep);
    void Show();
    void Say(const std::string& text);

    Transition* wipe_ = nullptr;
    api::MenuInput menu_;
    // Per player, per row: the action's name, its key, its pad control.
    std::array<std::array<std::array<api::ObjectRef, 3>, kRows>, 2> cells_;
    api::ObjectRef message_;
    api::ObjectRef hint_;
    bool leaving_ = false;
};

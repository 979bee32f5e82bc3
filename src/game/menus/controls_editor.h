#pragma once
// The controls page's workings, shared by the Controls screen of the options
// and the pause menu's Controls overlay: both players' actions with their key
// and pad control, one column each. Walk with the menu keys, the d-pad or the
// stick; confirm on a cell, then press the new key (or pad control, in a pad
// column). A key that another action or the other player holds is refused
// with a line saying who has it; confirming again swaps the two. "Restore
// defaults" gives that player the game's own bindings back, "Keep and go back"
// hands the changes to the game and writes the settings file, and Escape or
// pad B leaves without changing anything. Where the page sits, and what
// happens once it is left, is the owner's business.
//
//   editor_.Build({headingP1, headingP2}, layer, api::Find(kMessage), api::Find(kHint));  // Init
//   if (editor_.Update(dt) != ControlsEditor::Outcome::kEditing) Leave();               // each frame

#include <array>
#include <optional>

#include "api/controls.h"
#include "api/menu_input.h"
#include "api/script_api.h"

class ControlsEditor {
public:
    static constexpr int kRestoreRow = Engine::kActionCount;
    static constexpr int kKeepRow = Engine::kActionCount + 1;
    static constexpr int kRows = Engine::kActionCount + 2;
    // Column order left to right: player 1's keys and pad, then player 2's.
    static constexpr int kColumns = 4;

    enum class Outcome { kEditing, kKept, kCancelled };

    // Takes the game's bindings to edit and lays the rows under each player's
    // heading (top left of the heading's label), on `layer`. `message` and
    // `hint` are labels the owner placed: the page's answers and its key line.
    void Build(const std::array<Engine::vec2, 2>& headings, int32_t layer, Engine::GameObj* message,
               Engine::GameObj* hint);
    // One frame of editing. Once it answers kKept the game has the new
    // bindings and the settings file has them too; kCancelled changed nothing.
    Outcome Update(float dt);
    // Releases the rows it spawned (an overlay closing; a level load does it anyway).
    void Clear();

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
    Outcome Navigate();
    Outcome Choose();
    void Capture(float dt);
    void Take(int code);
    void AnswerSwap();
    void Show();
    void Say(const std::string& text);

    api::MenuInput menu_;
    // Per player, per row: the action's name, its key, its pad control.
    std::array<std::array<std::array<api::ObjectRef, 3>, kRows>, 2> cells_;
    api::ObjectRef message_;
    api::ObjectRef hint_;
};

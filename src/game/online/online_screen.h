#pragma once
// The title's Online screen: Host a game, Join a game, the input delay (1..8
// frames, left and right; kept with the player's settings, as the port is) and Back. Host shows the addresses and the port to give
// the friend and then opens the game, which waits for the friend; Join takes an
// address typed on the keyboard (Enter joins) or picked from the recent ones
// (arrows or a pad). Escape or pad B goes back one step, from the first step to
// the title. The line the last online game ended with is shown on arrival.

#include <array>
#include <string>
#include <vector>

#include "api/menu_input.h"
#include "api/script_api.h"
#include "api/script_ref.h"

class Transition;

class OnlineScreen : public Engine::ScriptBase<OnlineScreen> {
public:
    enum class Step { Choose, Host, Join };
    // The first step's entries, top to bottom.
    enum Entry { kHost, kJoin, kDelay, kBack, kEntryCount };
    static constexpr int kLineCount = 10;
    static constexpr int kMaxTyped = 64;

    using ScriptBase::ScriptBase;

    void Init() override;
    void Update(float dt) override;

    Step step = Step::Choose;
    int selected = 0;       // the entry (Choose) or the row (Join: 0 typed, 1.. recent)
    int inputDelay = 3;     // kept with the player's settings (set in Init)
    int hostPort = 0;       // the port to host on, kept likewise (set in Init)
    std::string typed;      // the address typed so far
    std::vector<std::string> recent;
    std::string lastEnd;    // the last online game's end, shown on arrival

private:
    void Choose();
    void Host();
    void Join();
    void Type();
    // Steps `value` (an entry, a row, the delay, the port) by `by` within
    // lowest..highest on a move of `menu`, keeps the choices and shows them.
    void Move(api::MenuInput& menu, int& value, int by, int lowest, int highest);
    void Back();
    void Show();
    void SetLine(int index, const std::string& text, bool chosen = false);

    api::ScriptRef<Transition> wipe_;
    bool leaving_ = false;
    api::MenuInput menu_{{1}};
    // Typing takes the letters, so joining moves with the arrows, Enter and Escape only.
    api::MenuInput joinMenu_;
    std::array<api::ObjectRef, kLineCount> lines_;
    api::ObjectRef hint_;
    api::ObjectRef message_;
};

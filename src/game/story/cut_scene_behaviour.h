#pragma once
// The opening storyboard: nine pages on a clock, then the level at the first
// place of the story's way in the level table. Page 1 stays two seconds, every
// later page one second, so page 9 shows from 9 to 10 seconds and the level loads just after 10. Enter
// or Start on either pad skips straight to the level.

#include <array>

#include "api/menu_pad.h"
#include "api/script_api.h"

class CutSceneBehaviour : public Engine::ScriptBase<CutSceneBehaviour> {
public:
    static const std::array<const char*, 9> kPages;
    static constexpr float kFirstPageSeconds = 2.0f;
    static constexpr float kSeconds = 10.0f;

    using ScriptBase::ScriptBase;

    void Update(float dt) override;

    // The page (1..9) shown at `seconds` into the storyboard.
    static int PageAt(float seconds);

    float timer = 0.0f;
    int page = 0;  // the page on show, 0 before the first update

private:
    void Show(int newPage);
    void Leave();

    MenuPad pad1_{1};
    MenuPad pad2_{2};
    bool leaving_ = false;
};

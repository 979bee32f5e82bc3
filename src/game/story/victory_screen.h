#pragma once
// The result sheet over a match level: hidden while the match runs, then, as
// soon as the match is decided (Game::matchResultReady), a full-screen picture
// of the winner (Game::winnerTag "P1" or "P2") or of a draw, over the black
// mask. Enter or a pad's Start leads on at normal speed to the end storyboard
// ("CutScene"), where the match level would also go once its music has ended;
// the storyboard then shows the winner's result level.

#include "api/script_api.h"

class VictoryScreen : public Engine::ScriptBase<VictoryScreen> {
public:
    static constexpr uint32_t kOpaque = 0xFFFFFFFF;

    using ScriptBase::ScriptBase;

    void Init() override;
    void Update(float dt) override;

    // The sheet for a winner tag: player 1's, player 2's, or the draw.
    static const char* SheetFor(const std::string& winnerTag);

    // Set once Enter or Start has sent the match on.
    bool ledOn = false;

private:
    void LeadOn();

    bool shown_ = false;
    api::ObjectRef mask_;
    api::ObjectRef wipe_;
    MenuPad pad1_{1};
    MenuPad pad2_{2};
};

#pragma once
// The result sheet over a match level: hidden while the match runs, then, as
// soon as the match is decided (Game::matchResultReady), a full-screen picture
// of the winner (Game::winnerTag "P1" or "P2") or of a draw, over the black
// mask. Enter leaves for the title screen at normal speed.

#include "api/script_api.h"

class VictoryScreen : public Engine::ScriptBase<VictoryScreen> {
public:
    static constexpr uint32_t kOpaque = 0xFFFFFFFF;

    using ScriptBase::ScriptBase;

    void Init() override;
    void Update(float dt) override;

    // The sheet for a winner tag: player 1's, player 2's, or the draw.
    static const char* SheetFor(const std::string& winnerTag);

private:
    api::ObjectRef mask_;
};

#pragma once
// The end of the run, spawned at 230 s: the boss blows up for five seconds while
// the birds hang still, a big explosion and a shake finish it, the right bound
// opens and the birds fly off to the right; then the screen fades to black,
// the scores are compared and the result cut scene follows.

#include <array>

#include "api/script_api.h"
#include "game/runner/runner_hud.h"

class L4Goal : public Engine::ScriptBase<L4Goal> {
public:
    using ScriptBase::ScriptBase;

    void Init() override;
    void Update(float dt) override;

    static constexpr float kBlowUpTime = 5.0f;
    static constexpr float kFlyOffTime = 7.0f;
    static constexpr float kExitX = 17.0f;
    // The birds have this long to leave before the fade starts anyway.
    static constexpr float kLeaveTimeout = 12.0f;
    // How long the black screen waits for the boss music to play out.
    static constexpr float kMusicWait = 10.0f;

    float timer = 0.0f;
    float blinkTimer = 0.0f;
    float fadeTimer = 0.0f;
    int chosen = -1;
    bool deathSoundPlayed = false;
    bool resultWritten = false;
    api::ObjectRef player1, player2, boss, blackScreen, spawners, rightBound, bigExplosion;
    std::array<api::ObjectRef, 4> explosions;
    runner::LabelPtr label;

private:
    void BlowUp(float dt);
    void Finish(float dt);
    void FadeAndDecide(float dt);
    void Decide();
};

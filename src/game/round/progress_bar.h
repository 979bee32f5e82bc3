#pragma once
// The runner level's opening letterbox and progress markers: the black bars
// "CinematicTop" and "CinematicBot" slide in a second into the run and out again
// after seven, never to return; each bird's progress marker shows the bird.

#include <array>
#include <cstdint>

#include "api/object_ref.h"
#include "api/script.h"

class ProgressBar : public Engine::ScriptBase<ProgressBar> {
public:
    using ScriptBase::ScriptBase;

    void Init() override;
    void Update(float dt) override;

    api::ObjectRef player1, player2, cinematicTop, cinematicBot;
    std::array<api::ObjectRef, 2> progress, respawn, bar;
    bool barsIn = false;
    bool barsLeaving = false;
    int32_t playerCount = 2;
    // Seconds of the run so far.
    float runTime = 0.0f;
};

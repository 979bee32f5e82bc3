#pragma once
// VadozaVaza's ultimate: for five seconds a techno beat thumps once a second;
// every beat pushes the other bird away from the Zuva, stuns it, sprays music
// notes and pulses the camera zoom.

#include <string>

#include "api/object_ref.h"
#include "game/skills/skill_effects.h"
#include "game/ultimates/ultimate.h"

class DropTheBeat : public Engine::ScriptBase<DropTheBeat, ultimates::Ultimate> {
public:
    using ScriptBase::ScriptBase;
    ~DropTheBeat() override;

    static constexpr float kDuration = 5.0f;
    static constexpr float kBeat = 1.0f;
    static constexpr float kPush = 100.0f;
    static constexpr float kStun = 2.0f;
    static constexpr int kBeatHits = 12;

    void Init() override;
    void Update(float dt) override;

    // The other bird, found when the beat starts.
    api::ObjectRef target;
    skills::EmitterRef noteParticles;
    bool started = false;
    float beatTimer = 0.0f;
    float ultiTimer = 0.0f;
    bool zooming = false;
    float zoom = 1.0f;

private:
    void Beat();
    void End();
    bool ready_ = false;
};

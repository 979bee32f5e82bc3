#pragma once
// RoziDoro's beam: two seconds across the screen from the bird's beak, shaking
// the camera. A bird caught in it during its first second dies, later it is
// stunned; the boss level's boss loses health when the beam first touches it.

#include <string>

#include "api/object_ref.h"
#include "game/skills/skill_effects.h"
#include "game/ultimates/ultimate.h"

class MynaUltiBeamBehaviour : public Engine::ScriptBase<MynaUltiBeamBehaviour, ultimates::Ultimate> {
public:
    using ScriptBase::ScriptBase;
    ~MynaUltiBeamBehaviour() override;

    static constexpr float kLifetime = 2.0f;
    static constexpr float kDeadly = 1.0f;  // birds caught before this die
    static constexpr float kShake = 1.99f;
    static constexpr int kBossDamage = 60;

    void Init() override;
    void Update(float dt) override;
    void OnCollisionEnter(Engine::GameObj* other) override;
    void OnCollisionStay(Engine::GameObj* other) override;

    // The bird that fired the beam, and its name (kept apart: the name still
    // protects the bird if it is gone).
    api::ObjectRef ownerBird;
    std::string ownerName;
    skills::EmitterRef beamParticles;
    bool facingRight = true;
    bool particlesAimed = false;
    float beamTimer = 0.0f;

private:
    bool firstFrame_ = true;
    bool shaking_ = false;
};

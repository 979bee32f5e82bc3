#pragma once
// The giant dropping: grows as it falls; on the ground it explodes, killing the
// other bird when it is within five units and stunning it otherwise, shakes the
// camera for a second and goes.

#include <string>

#include "api/object_ref.h"
#include "game/ultimates/ultimate.h"

class BigBirdShitBehaviour : public Engine::ScriptBase<BigBirdShitBehaviour, ultimates::Ultimate> {
public:
    using ScriptBase::ScriptBase;
    ~BigBirdShitBehaviour() override;

    static constexpr float kKillRadius = 5.0f;
    static constexpr float kStun = 2.0f;
    static constexpr float kExplosion = 1.0f;
    static constexpr float kShake = 0.99f;
    static constexpr int kHits = 60;
    // A dropping that falls this far below the field without landing is gone.
    static constexpr float kLostBelowY = -30.0f;

    void Update(float dt) override;
    void OnCollisionEnter(Engine::GameObj* other) override;

    std::string ownerName;
    api::ObjectRef ownerBird;
    api::ObjectRef target;
    bool landed = false;
    float timer = 0.0f;

private:
    void Land();
    void Vanish();
    bool shaking_ = false;
};

#pragma once

#include "core/maths.h"
#include "objects/components.h"

namespace Engine {

class GameObj;

enum MotionType : int32_t { kStaticMotion = 0, kDynamicMotion = 1, kKinematicMotion = 2 };

// Velocity, pending force, mass and how the body moves and collides.
class RigidBody : public Components {
public:
    static constexpr int32_t kKind = kRigidBodyKind;
    static constexpr float kMaxSpeed = 10.0f;

    explicit RigidBody(GameObj* owner);
    ~RigidBody() override;

    Components* CopyInto(Components* target) override;
    // Moves the owner by its velocity unless the body type is 0.
    void Update(float dt) override;

    void SetVelocity(float vx, float vy);
    // Re-files the owner's collider between the static tree and the moving list.
    void SetMotionType(int32_t type);

    vec2 force;
    vec2 velocity;
    float mass = 1.0f;
    GameObj* owner = nullptr;
    int32_t BodyType = 1;
    float gravityScale = 1.0f;
    int32_t MotionType = kDynamicMotion;
};

float ClampSpeed(float v);

}  // namespace Engine

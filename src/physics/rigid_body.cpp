#include "physics/rigid_body.h"

#include <algorithm>

#include "objects/game_obj.h"
#include "objects/object_lists.h"
#include "physics/collider.h"
#include "physics/physics_world.h"

namespace Engine {

float ClampSpeed(float v) { return std::clamp(v, -RigidBody::kMaxSpeed, RigidBody::kMaxSpeed); }

RigidBody::RigidBody(GameObj* owner_) : Components(kRigidBodyKind), owner(owner_) {
    if (!noRegister) physicsWorld.bodies.push_back(this);
}

RigidBody::~RigidBody() { EraseFirst(physicsWorld.bodies, this); }

Components* RigidBody::CopyInto(Components* target) {
    if (auto* other = dynamic_cast<RigidBody*>(target)) {
        other->BodyType = BodyType;
        other->gravityScale = gravityScale;
        other->velocity = velocity;
        other->mass = mass;
    }
    return target;
}

void RigidBody::Update(float dt) {
    if (BodyType == 0 || !owner) return;
    velocity = {ClampSpeed(velocity.x), ClampSpeed(velocity.y)};
    owner->transform->position += velocity * dt;
}

void RigidBody::SetVelocity(float vx, float vy) { velocity = {ClampSpeed(vx), ClampSpeed(vy)}; }

void RigidBody::SetMotionType(int32_t type) {
    Collider* collider = owner ? owner->GetCollider() : nullptr;
    if (noRegister || !collider || type == MotionType) {
        MotionType = type;
        return;
    }
    if (type == kStaticMotion) {
        if (physicsWorld.staticTree) physicsWorld.staticTree->Insert(collider);
        EraseFirst(physicsWorld.movingColliders, collider);
    } else if (MotionType == kStaticMotion) {
        if (physicsWorld.staticTree) physicsWorld.staticTree->Remove(collider);
        physicsWorld.movingColliders.push_back(collider);
    }
    MotionType = type;
}

}  // namespace Engine

#include "physics/rigid_body.h"

#include <algorithm>

#include "objects/game_obj.h"
#include "objects/game_object_factory.h"
#include "physics/collider.h"
#include "physics/physics_world.h"

namespace Engine {

float ClampSpeed(float v) { return std::clamp(v, -RigidBody::kMaxSpeed, RigidBody::kMaxSpeed); }

RigidBody::RigidBody(GameObj* owner_) : Components(kRigidBodyKind), owner(owner_) {
    if (!RegisteringComponents()) return;
    if (PhysicsWorld* world = CurrentPhysicsWorld()) world->bodies.push_back(this);
}

RigidBody::~RigidBody() {
    if (PhysicsWorld* world = CurrentPhysicsWorld()) EraseFirst(world->bodies, this);
}

Components* RigidBody::CopyInto(Components* target) {
    if (auto* other = dynamic_cast<RigidBody*>(target)) {
        other->force = force;
        other->velocity = velocity;
        other->mass = mass;
        other->BodyType = BodyType;
        other->gravityScale = gravityScale;
        // Through the setter: the copy's collider may already be filed as a mover.
        other->SetMotionType(MotionType);
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
    PhysicsWorld* world = CurrentPhysicsWorld();
    if (!RegisteringComponents() || !world || !collider || type == MotionType) {
        MotionType = type;
        return;
    }
    if (type == kStaticMotion) {
        if (world->staticTree) world->staticTree->Insert(collider);
        EraseFirst(world->movingColliders, collider);
    } else if (MotionType == kStaticMotion) {
        if (world->staticTree) world->staticTree->Remove(collider);
        world->movingColliders.push_back(collider);
    }
    MotionType = type;
}

}  // namespace Engine

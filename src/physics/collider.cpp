#include "physics/collider.h"

#include "objects/game_object_factory.h"
#include "physics/physics.h"
#include "physics/physics_world.h"
#include "physics/rigid_body.h"

namespace Engine {

Collider::Collider(vec2* position_, RigidBody* body_, GameObj* owner_, float width_, float height_)
    : Components(kColliderKind), previousSize(width_, height_), owner(owner_), width(width_), height(height_),
      position(position_), body(body_) {
    RefreshBox();
    if (!RegisteringComponents()) return;
    Physics* physics = Physics::instance;
    if (!physics) return;
    physics->world.colliders.push_back(this);
    if (physics->colliderDecorator) outline = physics->colliderDecorator(*this);
}

Collider::~Collider() {
    outline.reset();
    PhysicsWorld* world = CurrentPhysicsWorld();
    if (!world) return;
    EraseFirst(world->colliders, this);
    EraseFirst(world->movingColliders, this);
    if (world->staticTree) world->staticTree->Remove(this);
}

Components* Collider::CopyInto(Components* target) {
    if (auto* other = dynamic_cast<Collider*>(target)) {
        other->ghost = ghost;
        other->width = width;
        other->height = height;
    }
    return target;
}

void Collider::RefreshBox() {
    const vec2 centre = position ? *position : vec2();
    box = {centre.x - width / 2, centre.y - height / 2, centre.x + width / 2, centre.y + height / 2};
}

void Collider::Update(float) {
    RefreshBox();
    const vec2 centre = position ? *position : vec2();
    const vec2 size(width, height);
    const bool isStatic = body && body->MotionType == kStaticMotion;
    PhysicsWorld* world = CurrentPhysicsWorld();
    if (isStatic && world && world->staticTree && (centre != previousPosition || size != previousSize)) {
        world->staticTree->Remove(this);
        world->staticTree->Insert(this);
    }
    previousPosition = centre;
    previousSize = size;
    if (outline) outline->Place(box);
}

}  // namespace Engine

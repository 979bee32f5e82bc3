#include "physics/collider.h"

#include "objects/object_lists.h"
#include "physics/collider_outline.h"
#include "physics/physics_world.h"
#include "physics/rigid_body.h"

namespace Engine {

Collider::Collider(vec2* position_, RigidBody* body_, GameObj* owner_, float width_, float height_)
    : Components(kColliderKind), previousSize(width_, height_), owner(owner_), width(width_), height(height_),
      position(position_), body(body_) {
    RefreshBox();
    if (!noRegister) {
        physicsWorld.colliders.push_back(this);
        AddColliderOutline(this);
    }
}

Collider::~Collider() {
    EraseFirst(physicsWorld.colliders, this);
    EraseFirst(physicsWorld.movingColliders, this);
    if (physicsWorld.staticTree) physicsWorld.staticTree->Remove(this);
    RemoveColliderOutline(this);
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
    if (isStatic && physicsWorld.staticTree && (centre != previousPosition || size != previousSize)) {
        physicsWorld.staticTree->Remove(this);
        physicsWorld.staticTree->Insert(this);
    }
    previousPosition = centre;
    previousSize = size;
    PlaceColliderOutline(this);
}

}  // namespace Engine

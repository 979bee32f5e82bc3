#include "physics/physics.h"

#include <algorithm>

#include "core/editor_mode.h"
#include "objects/game_obj.h"
#include "objects/game_object_factory.h"
#include "objects/level_epoch.h"
#include "physics/collider.h"
#include "physics/physics_world.h"
#include "physics/rigid_body.h"

namespace Engine {

Physics* Physics::instance = nullptr;

PhysicsWorld* CurrentPhysicsWorld() { return Physics::instance ? &Physics::instance->world : nullptr; }

namespace {

// An object with several registered colliders gets its contact lists handled once
// per step, at its first collider; otherwise the second pass would turn every
// contact into an exit.
bool IsFirstColliderOfOwner(const Collider* collider) {
    return collider->owner && collider->owner->GetCollider() == collider;
}

}  // namespace

Physics::Physics() : pairPool(kPairPoolSize) {
    if (!instance) instance = this;
}

// Bodies and colliders belong to their objects, which unregister them when they go.
Physics::~Physics() {
    world.Clear();
    if (instance == this) instance = nullptr;
}

bool Physics::Initialize() { return instance != nullptr; }

void Physics::Update(float dt) {
    lastDt = dt;
    for (size_t i = 0; i < world.colliders.size(); ++i) world.colliders[i]->Update(dt);

    const bool running = !EditorMode() && !Paused();
    listsDelivered_ = false;
    if (running) {
        IntegrateVelocities(dt);
        Collide(dt);
        listsDelivered_ = true;
        // A callback that loads a level leaves the new level where its file put it.
        if (DispatchContacts()) MoveBodies(dt);
    }
    if (GameObjectFactory* factory = GameObjectFactory::instance) factory->ReleaseDestroyedObjects();
    UpdateContactLists();
}

void Physics::IntegrateVelocities(float dt) {
    for (RigidBody* body : world.bodies) {
        if (!body->owner || !body->owner->active || body->MotionType != kDynamicMotion) continue;
        // Gravity is scaled by the mass, not divided by it.
        const vec2 v = body->velocity + body->force / body->mass +
                       vec2(0.0f, kGravityY) * (dt * body->gravityScale * body->mass);
        body->SetVelocity(v.x, v.y);
        body->force = vec2();
    }
}

bool Physics::DispatchContacts() {
    // Callbacks may spawn, remove colliders or load a level, so the objects to call
    // are taken first. Owners are pooled objects and outlive any callback.
    dispatchOrder_.clear();
    for (Collider* collider : world.colliders)
        if (IsFirstColliderOfOwner(collider)) dispatchOrder_.push_back(collider->owner);
    ScriptCallScope scope;
    for (size_t i = 0; i < dispatchOrder_.size(); ++i) {
        dispatchOrder_[i]->DispatchContacts();
        if (scope.LevelChanged()) return false;
    }
    return true;
}

void Physics::MoveBodies(float dt) {
    for (size_t i = 0; i < world.bodies.size(); ++i) world.bodies[i]->Update(dt);
}

void Physics::UpdateContactLists() {
    for (Collider* collider : world.colliders) {
        if (!IsFirstColliderOfOwner(collider) || !collider->owner->active) continue;
        UpdateContactListsOf(*collider->owner);
    }
}

void Physics::UpdateContactListsOf(GameObj& object) {
    // Lists that no dispatch delivered (paused, editor) would be lost here. Keep
    // their exits for the next dispatch, except for contacts whose enter was never
    // delivered either: those are dropped on both sides.
    const bool carryOver = !listsDelivered_;
    pendingExits_.clear();
    undeliveredEntries_.clear();
    if (carryOver) {
        pendingExits_.swap(object.exited);
        undeliveredEntries_.swap(object.entered);
    }
    object.entered.clear();
    object.stayed.clear();
    object.exited.clear();
    for (GameObj* other : pendingExits_) object.exited.push_back(other);
    // A contact list never holds an object twice, so an object of the previous list
    // can be among the exits only as one carried over.
    inCurrent_.Build(object.currentContacts);
    inPrevious_.Build(object.previousContacts);
    inUndelivered_.Build(undeliveredEntries_);
    inCarried_.Build(pendingExits_);
    for (GameObj* other : object.previousContacts) {
        if (inCurrent_.Holds(other)) {
            object.stayed.push_back(other);
        } else if (!inUndelivered_.Holds(other) && !inCarried_.Holds(other)) {
            object.exited.push_back(other);
        }
    }
    for (GameObj* other : object.currentContacts)
        if (!inPrevious_.Holds(other)) object.entered.push_back(other);
    // Swap rather than copy: both lists keep their storage from step to step.
    object.previousContacts.swap(object.currentContacts);
    object.currentContacts.clear();
}

}  // namespace Engine

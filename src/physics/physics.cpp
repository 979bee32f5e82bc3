#include "physics/physics.h"

#include "objects/object_lists.h"
#include "physics/collider.h"
#include "physics/physics_world.h"

namespace Engine {

PhysicsWorld physicsWorld;
Physics* Physics::instance = nullptr;

Physics::Physics() { instance = this; }

Physics::~Physics() {
    if (instance == this) instance = nullptr;
}

void Physics::Update(float dt) {
    for (size_t i = 0; i < physicsWorld.colliders.size(); ++i) physicsWorld.colliders[i]->Update(dt);
    ReleaseDestroyedObjects();
}

}  // namespace Engine

#pragma once
// The physics registration lists, emptied by every level unload.

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "physics/static_tree.h"

namespace Engine {

class RigidBody;
class Collider;

// Owned by the physics system (Physics::world).
struct PhysicsWorld {
    std::vector<RigidBody*> bodies;
    std::vector<Collider*> colliders;
    std::vector<Collider*> movingColliders;
    std::unique_ptr<StaticTree> staticTree;

    void Clear() {
        bodies.clear();
        colliders.clear();
        movingColliders.clear();
        staticTree.reset();
    }
};

// The published physics system's world, or null when there is none.
PhysicsWorld* CurrentPhysicsWorld();

template <class T>
void EraseFirst(std::vector<T*>& list, T* item) {
    auto it = std::find(list.begin(), list.end(), item);
    if (it != list.end()) list.erase(it);
}

}  // namespace Engine

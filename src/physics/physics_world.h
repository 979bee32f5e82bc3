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

struct PhysicsWorld {
    std::vector<RigidBody*> bodies;
    std::vector<Collider*> colliders;
    std::vector<Collider*> movingColliders;
    std::unique_ptr<StaticTree> staticTree;
    // Counts the clears (level unloads), so a pass that calls out to scripts can
    // tell that the lists it was walking are gone.
    uint64_t generation = 0;

    void Clear() {
        ++generation;
        bodies.clear();
        colliders.clear();
        movingColliders.clear();
        staticTree.reset();
    }
};

extern PhysicsWorld physicsWorld;

template <class T>
void EraseFirst(std::vector<T*>& list, T* item) {
    auto it = std::find(list.begin(), list.end(), item);
    if (it != list.end()) list.erase(it);
}

}  // namespace Engine

#pragma once

#include <vector>

namespace Engine {

class Collider;

// Static colliders of the current level. A flat list for now: every query
// returns everything; the quadtree replaces it.
class StaticTree {
public:
    void Insert(Collider* collider);
    void Remove(Collider* collider);
    std::vector<Collider*> Query(const Collider* collider) const;
    bool Contains(const Collider* collider) const;

private:
    std::vector<Collider*> items_;
};

}  // namespace Engine

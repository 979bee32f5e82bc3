#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "core/maths.h"

namespace Engine {

class Collider;

// The static colliders of one level, filed in a quadtree over -75..75 so a mover
// only meets the statics in the leaves around it. A collider stays in the items of
// every node on its way down; only leaves answer queries.
class StaticTree {
public:
    static constexpr float kHalfExtent = 75.0f;
    static constexpr size_t kSplitCount = 16;
    static constexpr int32_t kMaxSplitDepth = 3;  // leaves end up at most at depth 4

    struct Node {
        Node(int32_t depth, const vec4& bounds, const char* name);

        int32_t depth = 0;
        std::vector<Collider*> items;
        vec4 bounds;  // min x, min y, max x, max y
        std::vector<std::unique_ptr<Node>> children;  // none or four
        std::string name;

        bool IsLeaf() const { return children.empty(); }
    };

    StaticTree();

    void Insert(Collider* collider);
    void Remove(Collider* collider);
    // Every static collider in the leaves the collider's box touches, each once,
    // in the order the leaves and their items were first seen.
    std::vector<Collider*> Query(const Collider* collider) const;
    // The same into `out` (emptied first), so a caller can reuse its storage.
    void Query(const Collider* collider, std::vector<Collider*>& out) const;
    bool Contains(const Collider* collider) const;

    const Node& Root() const { return root_; }

private:
    Node root_;
};

// Closed-interval overlap of two boxes (min x, min y, max x, max y): touching counts.
inline bool BoxesTouch(const vec4& a, const vec4& b) {
    return a.x <= b.z && b.x <= a.z && a.y <= b.w && b.y <= a.w;
}

}  // namespace Engine

#include "physics/static_tree.h"

#include <algorithm>

#include "physics/collider.h"

namespace Engine {

namespace {

using Node = StaticTree::Node;

bool Holds(const Node& node, const Collider* collider) {
    return std::find(node.items.begin(), node.items.end(), collider) != node.items.end();
}

void InsertInto(Node& node, Collider* collider);

// Four quadrants, y growing upwards, in a fixed order and with fixed names.
void Split(Node& node) {
    const vec4 b = node.bounds;
    const float midX = (b.x + b.z) / 2;
    const float midY = (b.y + b.w) / 2;
    const int32_t depth = node.depth + 1;
    node.children.push_back(std::make_unique<Node>(depth, vec4(b.x, midY, midX, b.w), "TOP LEFT"));
    node.children.push_back(std::make_unique<Node>(depth, vec4(midX, midY, b.z, b.w), "TOP Right"));
    node.children.push_back(std::make_unique<Node>(depth, vec4(midX, b.y, b.z, midY), "Bottom Right"));
    node.children.push_back(std::make_unique<Node>(depth, vec4(b.x, b.y, midX, midY), "Bottom Left"));
    // Children may split in turn while they are filled; iterate over a copy of the
    // parent's items, which do not change here.
    const std::vector<Collider*> items = node.items;
    for (Collider* item : items)
        for (auto& child : node.children)
            if (BoxesTouch(item->box, child->bounds) && !Holds(*child, item)) InsertInto(*child, item);
}

void InsertInto(Node& node, Collider* collider) {
    if (!Holds(node, collider)) node.items.push_back(collider);
    if (!node.IsLeaf()) {
        for (auto& child : node.children)
            if (BoxesTouch(collider->box, child->bounds)) InsertInto(*child, collider);
        return;
    }
    if (node.depth <= StaticTree::kMaxSplitDepth && node.items.size() >= StaticTree::kSplitCount) Split(node);
}

void RemoveFrom(Node& node, const Collider* collider) {
    auto it = std::find(node.items.begin(), node.items.end(), collider);
    // A node that does not hold the collider has no descendant that does.
    if (it == node.items.end()) return;
    node.items.erase(it);
    if (node.IsLeaf()) return;
    bool allEmpty = true;
    for (auto& child : node.children) {
        RemoveFrom(*child, collider);
        allEmpty = allEmpty && child->items.empty();
    }
    if (allEmpty) node.children.clear();
}

void QueryLeaves(const Node& node, const vec4& box, std::vector<Collider*>& out, bool& deduplicate) {
    if (node.IsLeaf()) {
        if (out.empty()) {
            out = node.items;
            return;
        }
        deduplicate = true;
        out.insert(out.end(), node.items.begin(), node.items.end());
        return;
    }
    for (const auto& child : node.children)
        if (BoxesTouch(box, child->bounds)) QueryLeaves(*child, box, out, deduplicate);
}

// Keeps the first occurrence of every collider, in order. Query results are a few
// leaves' worth of items, so a quadratic scan beats hashing here.
void KeepFirstOccurrences(std::vector<Collider*>& list) {
    size_t kept = 0;
    for (size_t i = 0; i < list.size(); ++i) {
        Collider* item = list[i];
        if (std::find(list.begin(), list.begin() + static_cast<std::ptrdiff_t>(kept), item) ==
            list.begin() + static_cast<std::ptrdiff_t>(kept))
            list[kept++] = item;
    }
    list.resize(kept);
}

}  // namespace

StaticTree::Node::Node(int32_t depth_, const vec4& bounds_, const char* name_)
    : depth(depth_), bounds(bounds_), name(name_) {}

StaticTree::StaticTree() : root_(0, vec4(-kHalfExtent, -kHalfExtent, kHalfExtent, kHalfExtent), "") {}

void StaticTree::Insert(Collider* collider) { InsertInto(root_, collider); }

void StaticTree::Remove(Collider* collider) {
    // The root answers for colliders outside its bounds too, so it is searched
    // like any other node.
    RemoveFrom(root_, collider);
}

void StaticTree::Query(const Collider* collider, std::vector<Collider*>& out) const {
    out.clear();
    bool deduplicate = false;
    QueryLeaves(root_, collider->box, out, deduplicate);
    if (deduplicate) KeepFirstOccurrences(out);
}

std::vector<Collider*> StaticTree::Query(const Collider* collider) const {
    std::vector<Collider*> out;
    Query(collider, out);
    return out;
}

bool StaticTree::Contains(const Collider* collider) const { return Holds(root_, collider); }

}  // namespace Engine

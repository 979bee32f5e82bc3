#include "physics/static_tree.h"

#include <algorithm>

namespace Engine {

void StaticTree::Insert(Collider* collider) {
    if (!Contains(collider)) items_.push_back(collider);
}

void StaticTree::Remove(Collider* collider) {
    items_.erase(std::remove(items_.begin(), items_.end(), collider), items_.end());
}

std::vector<Collider*> StaticTree::Query(const Collider*) const { return items_; }

bool StaticTree::Contains(const Collider* collider) const {
    return std::find(items_.begin(), items_.end(), collider) != items_.end();
}

}  // namespace Engine

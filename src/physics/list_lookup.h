#pragma once

#include <algorithm>
#include <vector>

namespace Engine {

class GameObj;

// Answers whether an object is in a list: a scan for short lists, a binary search
// of a sorted copy for long ones (a pile of touching bodies gives every body a
// hundred contacts). The list must not change between Build and the questions.
class ListLookup {
public:
    void Build(const std::vector<GameObj*>& list) {
        list_ = &list;
        sorted_.clear();
        if (list.size() <= kScanned) return;
        sorted_.assign(list.begin(), list.end());
        std::sort(sorted_.begin(), sorted_.end());
    }

    bool Holds(const GameObj* object) const {
        if (list_->size() <= kScanned) return std::find(list_->begin(), list_->end(), object) != list_->end();
        return std::binary_search(sorted_.begin(), sorted_.end(), object);
    }

private:
    static constexpr size_t kScanned = 16;
    const std::vector<GameObj*>* list_ = nullptr;
    std::vector<const GameObj*> sorted_;
};

}  // namespace Engine

#pragma once
// What the editor keeps of the objects a drag is about to change: a copy of each,
// made outside the pools, paired with the object it was copied from.

#include <memory>
#include <vector>

#include "objects/game_obj.h"

namespace Engine {

struct EditorSnapshot {
    struct Entry {
        std::unique_ptr<GameObj> copy;
        GameObj* original = nullptr;
    };
    std::vector<Entry> entries;
};

}  // namespace Engine

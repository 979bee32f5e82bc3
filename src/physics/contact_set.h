#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace Engine {

class GameObj;

// Which objects already stand in which object's current-contact list during one
// collide pass, so noting a contact costs one lookup instead of a scan of a list
// that, in a pile of touching bodies, holds a hundred entries.
// Entries carry the pass they belong to: starting a pass forgets the last one
// without clearing the table.
class ContactSet {
public:
    void StartPass();
    // Adds the pair (object, other); false when it was there already.
    bool Insert(const GameObj* object, const GameObj* other);

private:
    struct Slot {
        const GameObj* object = nullptr;
        const GameObj* other = nullptr;
        uint32_t pass = 0;
    };

    size_t Find(const GameObj* object, const GameObj* other) const;
    void Grow();

    std::vector<Slot> slots_ = std::vector<Slot>(1024);
    size_t count_ = 0;
    uint32_t pass_ = 0;
};

}  // namespace Engine

#include "physics/contact_set.h"

namespace Engine {

namespace {

size_t Hash(const GameObj* object, const GameObj* other) {
    const uint64_t a = reinterpret_cast<uintptr_t>(object);
    const uint64_t b = reinterpret_cast<uintptr_t>(other);
    uint64_t h = a * 0x9E3779B97F4A7C15ull ^ (b + 0x632BE59BD9B4E019ull) * 0xC2B2AE3D27D4EB4Full;
    return static_cast<size_t>(h ^ (h >> 29));
}

}  // namespace

void ContactSet::StartPass() {
    ++pass_;
    count_ = 0;
    if (pass_ == 0) {  // wrapped: old stamps could look current again
        for (Slot& slot : slots_) slot.pass = 0;
        pass_ = 1;
    }
}

size_t ContactSet::Find(const GameObj* object, const GameObj* other) const {
    const size_t mask = slots_.size() - 1;
    size_t i = Hash(object, other) & mask;
    while (slots_[i].pass == pass_ && (slots_[i].object != object || slots_[i].other != other)) i = (i + 1) & mask;
    return i;
}

bool ContactSet::Insert(const GameObj* object, const GameObj* other) {
    size_t i = Find(object, other);
    if (slots_[i].pass == pass_) return false;
    if ((count_ + 1) * 2 > slots_.size()) {
        Grow();
        i = Find(object, other);
    }
    slots_[i] = {object, other, pass_};
    ++count_;
    return true;
}

void ContactSet::Grow() {
    std::vector<Slot> old(slots_.size() * 2);
    old.swap(slots_);
    const uint32_t pass = pass_;
    for (const Slot& slot : old)
        if (slot.pass == pass) slots_[Find(slot.object, slot.other)] = slot;
}

}  // namespace Engine

#pragma once
// A handle to a pooled game object that a script keeps across frames.
//
// Pooled objects are never freed while a level runs: they are handed out,
// released and handed out again. A raw pointer kept across frames silently
// names whatever the slot holds now. An ObjectRef remembers the slot and the
// slot's serial at the moment it was taken; the factory bumps the serial
// whenever it hands the slot out and whenever it releases it, so Get()
// answers null once the object it named is gone.

#include <cstdint>

#include "objects/game_obj.h"

namespace api {

class ObjectRef {
public:
    ObjectRef() = default;
    // Null, or an object that is handed out right now.
    ObjectRef(Engine::GameObj* object)  // NOLINT: converting on purpose, refs are taken from lookups
        : object_(object && object->active ? object : nullptr), serial_(object_ ? object_->serial : 0) {}

    // The object while it is still the one this handle was taken for, else null.
    Engine::GameObj* Get() const {
        return object_ && object_->active && object_->serial == serial_ ? object_ : nullptr;
    }
    Engine::GameObj* operator->() const { return Get(); }
    explicit operator bool() const { return Get() != nullptr; }
    void Reset() { object_ = nullptr; }

    // The same live object; two stale handles are equal only to null.
    bool operator==(const Engine::GameObj* other) const { return Get() == other; }
    bool operator!=(const Engine::GameObj* other) const { return Get() != other; }

private:
    Engine::GameObj* object_ = nullptr;
    uint32_t serial_ = 0;
};

}  // namespace api

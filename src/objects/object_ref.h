#pragma once
// A handle to a pooled game object, kept across frames.
//
// Pooled objects are never freed while a level runs: they are handed out,
// released and handed out again. A raw pointer kept across frames silently
// names whatever the slot holds now. An ObjectRef remembers the slot and the
// slot's serial at the moment it was taken; the factory bumps the serial
// whenever it hands the slot out and whenever it releases it, so Get()
// answers null once the object it named is gone. Scripts reach it as
// `api::ObjectRef`; an object keeps one to the object that fired it.

#include <cstdint>

namespace Engine {

class GameObj;

class ObjectRef {
public:
    ObjectRef() = default;
    // Null, or an object that is handed out right now.
    ObjectRef(GameObj* object);  // NOLINT: converting on purpose, refs are taken from lookups

    // The object while it is still the one this handle was taken for, else null.
    GameObj* Get() const;
    GameObj* operator->() const { return Get(); }
    explicit operator bool() const { return Get() != nullptr; }
    void Reset() { object_ = nullptr; }

    // The same live object; two stale handles are equal only to null.
    bool operator==(const GameObj* other) const { return Get() == other; }
    bool operator!=(const GameObj* other) const { return Get() != other; }

private:
    GameObj* object_ = nullptr;
    uint32_t serial_ = 0;
};

}  // namespace Engine

// The two members above read the object, so they are defined with it.
#include "objects/game_obj.h"

#pragma once
// A handle to another object's script that a script keeps across frames, as
// `api::ObjectRef` is to an object: it answers the script while its object is
// still the one it was taken for, and null once that object is gone, so a
// script never keeps a raw pointer into another object.
//
//   api::ScriptRef<Transition> wipe_;           // in the header
//   wipe_ = MenuFlow::FindWipe();               // in Init
//   if (wipe_ && wipe_->revealed) ...           // any later frame

#include "api/object_ref.h"
#include "logic/scripts.h"

namespace api {

template <class T>
class ScriptRef {
public:
    ScriptRef() = default;
    // The script's own object is what the handle keeps; null stays null.
    ScriptRef(T* script)  // NOLINT: converting on purpose, refs are taken from lookups
        : object_(script ? script->owner : nullptr) {}

    T* Get() const {
        const Engine::GameObj* object = object_.Get();
        return object ? object->GetScript<T>() : nullptr;
    }
    T* operator->() const { return Get(); }
    explicit operator bool() const { return Get() != nullptr; }
    void Reset() { object_.Reset(); }

private:
    ObjectRef object_;
};

}  // namespace api

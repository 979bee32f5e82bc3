#pragma once

#include <set>

#include "input/key_state_source.h"

namespace Engine {

// A keyboard and mouse that tests and the headless harness hold down and let
// go of by code. Sided modifiers answer for the side-less code too, as the
// real keyboard does (VK_LSHIFT down makes VK_SHIFT down).
class ScriptedKeyStateSource : public KeyStateSource {
public:
    bool IsDown(VirtualKey key) const override;

    void Press(VirtualKey key) { down_.insert(key); }
    void Release(VirtualKey key) { down_.erase(key); }
    void Set(VirtualKey key, bool down) { down ? Press(key) : Release(key); }
    void ReleaseAll() { down_.clear(); }

private:
    std::set<VirtualKey> down_;
};

}  // namespace Engine

#pragma once
// A level can be loaded from inside a script's own Update or contact callback. The
// unload must not free the container (and script) still on the call stack, so while
// any script call is in progress released containers wait here and are freed when
// the outermost call returns.

#include <memory>
#include <vector>

#include "objects/components.h"

namespace Engine {

class ScriptCallGuard {
public:
    ScriptCallGuard() { ++depth_; }
    ~ScriptCallGuard();
    ScriptCallGuard(const ScriptCallGuard&) = delete;
    ScriptCallGuard& operator=(const ScriptCallGuard&) = delete;

    static bool Active() { return depth_ > 0; }
    // Takes a released component; freed now outside script calls, later inside one.
    static void Retire(std::unique_ptr<Components> component);
    static size_t PendingCount() { return retired_.size(); }

private:
    static int depth_;
    static std::vector<std::unique_ptr<Components>> retired_;
};

}  // namespace Engine

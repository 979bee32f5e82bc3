#include "logic/script_pass.h"

namespace Engine {

int ScriptCallGuard::depth_ = 0;
std::vector<std::unique_ptr<Components>> ScriptCallGuard::retired_;

ScriptCallGuard::~ScriptCallGuard() {
    if (--depth_ == 0) {
        // Freeing a container may retire nothing further, but swap first so the
        // list is never modified while it is being cleared.
        std::vector<std::unique_ptr<Components>> retired;
        retired.swap(retired_);
    }
}

void ScriptCallGuard::Retire(std::unique_ptr<Components> component) {
    if (depth_ > 0)
        retired_.push_back(std::move(component));
    // Otherwise the unique_ptr frees it on return.
}

}  // namespace Engine

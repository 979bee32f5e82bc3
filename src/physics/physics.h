#pragma once

#include "core/system.h"

namespace Engine {

// The physics system. For now it refreshes colliders and releases destroyed
// objects at the end of every step; motion and collision build on this.
class Physics : public System {
public:
    Physics();
    ~Physics() override;
    void Update(float dt) override;

    static Physics* instance;
};

}  // namespace Engine

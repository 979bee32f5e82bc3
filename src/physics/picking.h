#pragma once

#include "core/system.h"

namespace Engine {

class GameObj;

// The editor's mouse tools. Active in editor mode only.
class Picking : public System {
public:
    Picking();
    ~Picking() override;
    void Update(float dt) override;
    // Hides the highlights and forgets the picked object (every level unload).
    void ClearSelection();

    static Picking* instance;

    GameObj* picked = nullptr;
};

}  // namespace Engine

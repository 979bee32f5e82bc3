#pragma once

#include <cstdint>

#include "objects/components.h"

namespace Engine::graphics {

class Renderable2D;

// Steps a sprite through a range of sprite-sheet cells.
class Animator : public Components {
public:
    static constexpr int32_t kKind = kAnimatorKind;

    explicit Animator(Renderable2D* sprite);
    Components* CopyInto(Components* target) override;

    uint32_t frame = 0;
    bool facing = true;
    float frameTime = 0.0f;
    bool once = false;
    bool playing = true;
    float elapsed = 0.0f;
    Renderable2D* sprite = nullptr;
};

}  // namespace Engine::graphics

#pragma once
// Steps a sprite through a range of sprite-sheet cells.

#include <cstdint>

#include "objects/components.h"

namespace Engine::graphics {

class Renderable2D;

class Animator : public Components {
public:
    static constexpr int32_t kKind = kAnimatorKind;

    explicit Animator(Renderable2D* sprite);
    // Copies facing, frame time, once, playing and elapsed.
    Components* CopyInto(Components* target) override;

    // Advances one cell every `frameTime` seconds. Only the graphics system calls
    // it, once a frame for objects whose sprite is visible.
    void Update(float dt) override;
    // Back to the first cell, unmirrored.
    void Reset();
    // Plays the range once from its start, then stops.
    void PlayOnce();
    // Scrolls the texture horizontally by frameTime x amount (backgrounds).
    void ScrollU(float amount);
    void ScrollUV(float amount, bool mode);

    uint32_t frame = 0;
    bool facing = true;
    float frameTime = 0.0f;
    bool once = false;
    bool playing = true;
    float elapsed = 0.0f;
    Renderable2D* sprite = nullptr;
};

}  // namespace Engine::graphics

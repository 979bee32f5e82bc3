#pragma once
// The runner's sky: slides in from its start position to the centre, then
// scrolls its texture sideways every frame. The texture is drawn through a
// window half its width that wraps, so a seamless picture scrolls forever.

#include "api/script_api.h"

class L4Sky : public Engine::ScriptBase<L4Sky> {
public:
    using ScriptBase::ScriptBase;
    void Init() override;
    void Update(float dt) override;

    // Texture widths per second at speed factor 1.
    static constexpr float kScrollRate = 0.004f;
    static constexpr float kWindow = 0.5f;
    static constexpr float kCycle = 6.0f;

    float speedFactor = 5.0f;
    float cycleTimer = 0.0f;
    bool slidIn = false;
    float offset = 0.0f;
};

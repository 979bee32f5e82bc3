#include "game/runner/indicator.h"

REGISTER_SCRIPT("Indicator", Indicator);

namespace {
constexpr uint32_t kShown = 0xFFFFFFFF;
constexpr uint32_t kHidden = 0x00000000;
}  // namespace

void Indicator::Init() { remaining = kShowTime; }

void Indicator::Update(float dt) {
    blinkTimer += dt;
    remaining -= dt;
    if (remaining > 0.0f) {
        if (blinkTimer > kBlink) {
            blinkTimer = 0.0f;
            visible = !visible;
        }
        api::SetColor(owner, visible ? kShown : kHidden);
    } else {
        api::SetColor(owner, kHidden);
    }
}

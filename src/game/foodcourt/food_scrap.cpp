#include "game/foodcourt/food_scrap.h"

#include <cmath>
#include <string>

#include "api/script_api.h"
#include "game/foodcourt/food_court.h"

REGISTER_SCRIPT("FoodScrap", FoodScrap);

namespace {
const api::ObjectName kP1Score{"P1Score"};
const api::ObjectName kP2Score{"P2Score"};
constexpr api::VirtualKey kRedKey = 82;   // R
constexpr api::VirtualKey kBlueKey = 66;  // B

// Seconds the key has been held, -1 while it is up; returns the points' count.
int HeldKey(api::VirtualKey key, float& held, float dt) {
    if (!api::KeyDown(key)) {
        held = -1.0f;
        return 0;
    }
    if (held < 0.0f) {
        held = 0.0f;
        return 1;
    }
    const int fired = FoodScrap::Repeats(held, dt);
    held += dt;
    return fired;
}
}  // namespace

int FoodScrap::Repeats(float held, float dt) {
    // Repeats fire at delay, delay + rate, delay + 2 rate, ...: count those in (held, held + dt].
    auto firedBy = [](float t) {
        return t < kRepeatDelay ? 0 : 1 + static_cast<int>(std::floor((t - kRepeatDelay) / kRepeatRate));
    };
    return firedBy(held + dt) - firedBy(held);
}

void FoodScrap::Init() {
    redLabel = api::Find(kP1Score);
    blueLabel = api::Find(kP2Score);
    redScore = 0;
    blueScore = 0;
    multiplier = 1;
    redHeld_ = -1.0f;
    blueHeld_ = -1.0f;
}

void FoodScrap::Update(float dt) {
    redScore += kPoints * multiplier * HeldKey(kRedKey, redHeld_, dt);
    blueScore += kPoints * multiplier * HeldKey(kBlueKey, blueHeld_, dt);
    api::SetText(redLabel.Get(), "Red Score: " + std::to_string(redScore));
    api::SetText(blueLabel.Get(), "Blue Score: " + std::to_string(blueScore));
}

void FoodScrap::OnCollisionEnter(Engine::GameObj* other) {
    if (!other) return;
    if (other->name == FoodCourt::kPlayer.c_str()) redScore += kPoints * multiplier;
    if (other->name == FoodCourt::kPlayer2.c_str()) blueScore += kPoints * multiplier;
}

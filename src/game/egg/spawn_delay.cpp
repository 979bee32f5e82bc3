#include "game/egg/spawn_delay.h"

#include <algorithm>

#include "api/script_api.h"

namespace EggLevel {

namespace {
struct Tier {
    float fraction;
    int32_t m;
    int32_t low, high;
};
constexpr Tier kTiers[] = {{0.2f, 20, 1, 2}, {0.4f, 40, 2, 5}, {0.6f, 60, 4, 9}, {0.8f, 80, 6, 13}};
constexpr Tier kLastTier{1.0f, 100, 8, 17};

const Tier& TierOf(const DelayInputs& in) {
    for (const Tier& tier : kTiers) {
        const bool weak = in.health < tier.fraction * in.maxHealth;
        const bool late = in.useTime && in.timeLeft < tier.fraction * in.roundTime;
        if (weak || late) return tier;
    }
    return kLastTier;
}
}  // namespace

int32_t DelayTier(const DelayInputs& in) { return TierOf(in).m; }

float SpawnDelay(const DelayInputs& in) {
    const Tier& tier = TierOf(in);
    const float t = static_cast<float>(api::RandomInt(tier.low, tier.high));
    // Five pieces end the round, so at most four count here: the factor never reaches 0.
    const float remaining = static_cast<float>(5 - std::clamp(in.armor, 0, 4));
    float timeShare = 1.0f;
    if (in.useTime && in.roundTime > 0.0f) timeShare = std::clamp(in.timeLeft / in.roundTime, 0.05f, 1.0f);
    return 0.2f * remaining * timeShare * (100.0f / static_cast<float>(tier.m)) * t;
}

}  // namespace EggLevel

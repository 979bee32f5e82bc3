#pragma once
// How long the egg level waits before it releases the next armour piece or
// power bug: shorter as the egg weakens, the round runs out and the defender's
// armour grows.

#include <cstdint>

namespace EggLevel {

struct DelayInputs {
    float health = 100.0f;     // the egg's health
    float maxHealth = 100.0f;  // and its maximum
    float timeLeft = 90.0f;    // of the round
    float roundTime = 90.0f;
    int32_t armor = 0;         // armour pieces the defender holds
    bool useTime = true;       // power bugs ignore the round's time
};

// The tier (m) the egg's health and the round's time fall in: 20, 40, 60, 80 or 100.
int32_t DelayTier(const DelayInputs& in);
// Draws the tier's random factor and returns the delay in seconds (always > 0).
float SpawnDelay(const DelayInputs& in);

}  // namespace EggLevel

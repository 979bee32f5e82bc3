#pragma once
// How long each character's skill runs once fired; its cooldown (the
// character table's) starts when the run ends. The skills end on these, and a
// computer player counts on them to press the skill only when it can fire.

#include <cstdint>

namespace skills {

constexpr float kLightningBallsSeconds = 5.0f;  // RoziDoro
constexpr float kSoundScreamSeconds = 1.0f;     // VadozaVaza
constexpr float kCannonBallSeconds = 4.0f;      // DovaDizavov
constexpr float kFartBombSeconds = 3.0f;        // DoruZuvo

// The run of character 1..4's skill; 0 for any other id.
constexpr float SkillSeconds(int32_t characterId) {
    switch (characterId) {
        case 1: return kLightningBallsSeconds;
        case 2: return kSoundScreamSeconds;
        case 3: return kCannonBallSeconds;
        case 4: return kFartBombSeconds;
        default: return 0.0f;
    }
}

}  // namespace skills

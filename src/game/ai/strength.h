#pragma once
// How well a computer player plays. The strengths differ only in what a person
// differs in: how soon they react to what they see, how exactly they aim, how
// often they reach for the skill and ultimate keys and how quickly they peck.
// None gets more speed, health or sight than a person at the same bird.

#include <string>

namespace ai {

enum class Strength { Easy = 1, Normal = 2, Hard = 3 };

struct StrengthProfile {
    // Frames between looks at the screen: the goal and the dodge are chosen
    // anew this often and followed in between.
    int reactionFrames;
    // How far off (world units, at most) the point it aims at lies; drawn anew each look.
    float aimError;
    // Chance (0..1) that a look notices the thing coming at the bird.
    float dodgeChance;
    // Frames between pecks within reach, between skills and between ultimates.
    int peckEvery;
    int skillEvery;
    int ultimateEvery;
};

const StrengthProfile& ProfileOf(Strength strength);
// "easy", "normal", "hard".
const char* NameOf(Strength strength);
// Reads "easy", "normal" or "hard"; false for anything else.
bool ParseStrength(const std::string& text, Strength& out);

}  // namespace ai

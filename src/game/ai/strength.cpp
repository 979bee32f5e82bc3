#include "game/ai/strength.h"

namespace ai {

namespace {
// A practised person reacts in about a tenth of a second and pecks as fast as
// the bird allows; a beginner takes half a second, misses by a bird's width and
// forgets the skill keys.
constexpr StrengthProfile kEasy{24, 1.6f, 0.35f, 45, 720, 360};
constexpr StrengthProfile kNormal{14, 0.8f, 0.7f, 24, 300, 120};
constexpr StrengthProfile kHard{6, 0.2f, 1.0f, 10, 150, 45};
}  // namespace

const StrengthProfile& ProfileOf(Strength strength) {
    switch (strength) {
        case Strength::Easy: return kEasy;
        case Strength::Hard: return kHard;
        case Strength::Normal: break;
    }
    return kNormal;
}

const char* NameOf(Strength strength) {
    switch (strength) {
        case Strength::Easy: return "easy";
        case Strength::Hard: return "hard";
        case Strength::Normal: break;
    }
    return "normal";
}

bool ParseStrength(const std::string& text, Strength& out) {
    for (Strength s : {Strength::Easy, Strength::Normal, Strength::Hard}) {
        if (text == NameOf(s)) {
            out = s;
            return true;
        }
    }
    return false;
}

}  // namespace ai

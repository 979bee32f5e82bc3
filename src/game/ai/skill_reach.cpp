#include "game/ai/skill_reach.h"

#include <cmath>
#include <cstdint>

#include "game/birds/character_table.h"

namespace ai {

namespace {

// A box the skill covers at one moment, seen from the bird (x ahead).
struct Reach {
    bool live;
    Engine::vec2 centre;
    Engine::vec2 half;
};

// The skills' own numbers (their scripts and archetypes): speeds, lives,
// collider sizes, and the fall of the world's gravity (10) at their scales.
Reach ReachAt(SkillShape shape, float birdHalfWidth, float t) {
    switch (shape) {
        case SkillShape::Balls:
            // 5 a second for 5 s, one a unit over the beak, one at it; they
            // steer up and down after the other bird, not after what is ahead.
            return {t <= 5.0f, {5.0f * t, 0.5f}, {0.5f, 1.0f}};
        case SkillShape::Scream:
            return {t <= 1.0f, {birdHalfWidth, 0.0f}, {1.75f, 1.25f}};
        case SkillShape::Cannon:
            // 10 a second from a unit over the beak, falling at full gravity.
            return {t <= 2.0f, {10.0f * t, 1.0f - 5.0f * t * t}, {0.3f, 0.3f}};
        case SkillShape::Cloud:
            // Sinking at half gravity from a unit under the bird, then a 5 x 5
            // cloud where it is from the first to the third second.
            if (t < 1.0f) return {true, {0.0f, -1.0f - 2.5f * t * t}, {0.5f, 0.5f}};
            return {t <= 3.0f, {0.0f, -3.5f}, {2.5f, 2.5f}};
        case SkillShape::None: break;
    }
    return {false, {}, {}};
}

constexpr float kStep = 1.0f / 20.0f;

}  // namespace

int BirdOfPicture(const std::string& texture) {
    for (int32_t bird = kRoziDoro; bird <= kDoruZuvo; ++bird)
        if (texture.rfind(std::string(FindCharacter(bird)->name) + "_", 0) == 0) return bird;
    return 0;
}

SkillShape SkillShapeOf(const std::string& birdTexture) {
    constexpr SkillShape kShapes[] = {SkillShape::None, SkillShape::Balls, SkillShape::Scream, SkillShape::Cannon,
                                      SkillShape::Cloud};
    return kShapes[BirdOfPicture(birdTexture)];
}

bool SkillWouldMeet(SkillShape shape, float birdHalfWidth, const SkillTarget& target) {
    for (float t = 0.0f;; t += kStep) {
        const Reach reach = ReachAt(shape, birdHalfWidth, t);
        if (!reach.live) return false;
        const Engine::vec2 at = target.ahead + target.velocity * t;
        if (std::fabs(at.x - reach.centre.x) < reach.half.x + target.half.x &&
            std::fabs(at.y - reach.centre.y) < reach.half.y + target.half.y)
            return true;
    }
}

}  // namespace ai

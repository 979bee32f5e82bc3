// Where each bird's skill reaches: the computer player fires it in the runner
// only at a minion this bird's skill will meet, so the scream and the cloud
// are not thrown at minions far ahead, nor the balls at one below.

#include <gtest/gtest.h>

#include <string>

#include "game/ai/skill_reach.h"

namespace {

using ai::SkillShape;

struct ReachCase {
    const char* name;
    const char* texture;
    Engine::vec2 ahead;
    Engine::vec2 velocity;
    bool meets;
};

std::ostream& operator<<(std::ostream& out, const ReachCase& c) { return out << c.name; }

class SkillReach : public ::testing::TestWithParam<ReachCase> {};

TEST_P(SkillReach, MeetsOnlyWhatItsSkillCovers) {
    const ReachCase& c = GetParam();
    const ai::SkillTarget minion{c.ahead, c.velocity, {0.55f, 0.5f}};
    EXPECT_EQ(ai::SkillWouldMeet(ai::SkillShapeOf(c.texture), 1.5f, minion), c.meets);
}

// Runner minions come from the right at 3 to 8 units a second.
const ReachCase kCases[] = {
    {"BallsFarAheadAtTheBeak", "RoziDoro_Idle", {14.0f, 0.0f}, {-4.0f, 0.0f}, true},
    {"BallsNotAtOneFarBelow", "RoziDoro_Flap", {6.0f, -4.0f}, {-4.0f, 0.0f}, false},
    {"BallsNotAtOneBehind", "RoziDoro_Idle", {-3.0f, 0.0f}, {0.0f, 0.0f}, false},
    {"ScreamAtOneCloseAhead", "VadozaVaza_Idle", {5.0f, 0.5f}, {-5.0f, 0.0f}, true},
    {"ScreamNotAtOneFarAhead", "VadozaVaza_Idle", {12.0f, 0.0f}, {-5.0f, 0.0f}, false},
    {"CannonAtOneAlongItsFall", "DovaDizavov_Idle", {10.0f, -4.0f}, {0.0f, 0.0f}, true},
    {"CannonNotAtOneFarAheadAtTheBeak", "DovaDizavov_Idle", {14.0f, 0.0f}, {-4.0f, 0.0f}, false},
    {"CloudAtOneComingInBelow", "DoruZuvo_Idle", {8.0f, -3.5f}, {-5.0f, 0.0f}, true},
    {"CloudNotAtOneAtTheBeakFarAhead", "DoruZuvo_Hurt", {10.0f, 0.0f}, {-4.0f, 0.0f}, false},
    {"CloudNotAtOnePassedBeforeItSwells", "DoruZuvo_Idle", {0.5f, -3.5f}, {-8.0f, 0.0f}, false},
    {"NoBirdNoSkill", "Egg", {1.0f, 0.0f}, {0.0f, 0.0f}, false},
};

INSTANTIATE_TEST_SUITE_P(Birds, SkillReach, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<ReachCase>& info) { return std::string(info.param.name); });

}  // namespace

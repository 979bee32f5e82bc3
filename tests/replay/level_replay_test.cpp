// The runner, the boss level and the food court, each recorded from its loading
// with both birds busy, played back from the file in a fresh harness: the same
// world to the bit (the hash holds the scripts' gameplay state and the match
// values too); the same recording with one bird turned the other way for half a
// second ends elsewhere.

#include <gtest/gtest.h>

#include <string>

#include "game/birds/individual_player_behaviour.h"
#include "replay_fixture.h"
#include "wiring/replay_file.h"

namespace {

using ReplayTests::HarnessRun;
using ReplayTests::RunResult;
using ReplayTests::Start;

struct LevelCase {
    const char* name;
    Start start;
    int frames;
};

void PrintTo(const LevelCase& c, std::ostream* os) { *os << c.name; }

class LevelReplay : public ::testing::TestWithParam<LevelCase> {
protected:
    TestSupport::ScratchDir dir;
    LevelReplay() { ReplayTests::CopyGameData(dir); }
};

TEST_P(LevelReplay, PlaysBackToTheRecordedHashAndAChangedInputDoesNot) {
    const LevelCase& c = GetParam();
    const std::string file = dir.path() + "/" + c.name + ".tolvex-replay";
    testing::internal::CaptureStdout();
    RunResult recorded;
    {
        HarnessRun run(c.start);
        recorded = run.Record(file, c.frames, ReplayTests::DriveBirds, [] { return false; });
    }
    const Engine::ReplayReadResult read = Engine::ReadReplayFile(file);
    ASSERT_TRUE(read.ok()) << read.error;
    ASSERT_EQ(static_cast<int>(read.replay.frames.size()), c.frames);

    Engine::Replay changed = read.replay;
    const auto& keys1 = IndividualPlayerBehaviour::kPlayer1Keys;
    for (size_t frame = static_cast<size_t>(c.frames) / 2; frame < static_cast<size_t>(c.frames) / 2 + 30; ++frame) {
        auto& keys = changed.frames[frame].input.keys;
        const bool left = keys[keys1[0]];
        keys[keys1[0]] = keys[keys1[1]];
        keys[keys1[1]] = left;
    }
    RunResult replayed, other;
    {
        HarnessRun run(c.start);
        replayed = run.Play(read.replay);
    }
    {
        HarnessRun run(c.start);
        other = run.Play(changed);
    }
    testing::internal::GetCapturedStdout();

    EXPECT_EQ(replayed.frames, recorded.frames);
    EXPECT_EQ(replayed.level, recorded.level);
    EXPECT_EQ(replayed.hash, recorded.hash);
    EXPECT_NE(other.hash, recorded.hash);
}

// Long enough for each level's play to be under way when the input changes
// half-way: the runner's first pipes and bugs, the boss level's energy orbs
// after its opening dialogue (the birds are held until it ends), the food
// court's customers and scraps.
INSTANTIATE_TEST_SUITE_P(Levels, LevelReplay,
                         ::testing::Values(LevelCase{"Runner", Start::kRunner, 2400},
                                           LevelCase{"BossLevel", Start::kBossLevel, 3600},
                                           LevelCase{"FoodCourt", Start::kFoodCourt, 2400}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

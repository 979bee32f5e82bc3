// A whole egg-level match recorded in the harness (from the level's loading to
// its written result) and played back from its file in a fresh harness ends in
// the same world, to the bit; the same recording with one frame's input changed
// does not.

#include <gtest/gtest.h>

#include <string>

#include "api/script_api.h"
#include "game/birds/individual_player_behaviour.h"
#include "game/round/game_mode.h"
#include "objects/game_object_factory.h"
#include "replay_fixture.h"
#include "wiring/replay_file.h"

namespace {

using Engine::VirtualKey;
using ReplayTests::HarnessRun;
using ReplayTests::RunResult;
using ReplayTests::Start;

// Comfortably more than a whole match at the game's own round length.
constexpr int kMaxFrames = 20000;
// Frames recorded after the match has written its result (the level then waits
// for its music to end, which the silent harness never reaches).
constexpr int kAfterResult = 120;

const auto& kKeys1 = IndividualPlayerBehaviour::kPlayer1Keys;  // Left Right Flap Peck Shit Ulti Skill
using ReplayTests::DriveBirds;

struct MatchReplay : ::testing::Test {
    TestSupport::ScratchDir dir;
    MatchReplay() { ReplayTests::CopyGameData(dir); }
};

TEST_F(MatchReplay, AReplayedMatchEndsInTheSameWorldAndAChangedInputDoesNot) {
    const std::string file = dir.path() + "/match.tolvex-replay";
    testing::internal::CaptureStdout();
    RunResult recorded;
    std::string levelPath;
    int rounds = 0;
    {
        HarnessRun run(Start::kEggLevel);
        levelPath = run.startName();
        int afterResult = 0;
        recorded = run.Record(file, kMaxFrames, DriveBirds, [&] {
            const GameMode* mode = api::FindScript<GameMode>("GameLevelSettings");
            if (mode && mode->resultWritten) ++afterResult;
            if (afterResult == 1) rounds = static_cast<int>(mode->roundResults.size());
            return !mode || afterResult >= kAfterResult;
        });
    }
    const Engine::ReplayReadResult read = Engine::ReadReplayFile(file);
    ASSERT_TRUE(read.ok()) << read.error;
    EXPECT_EQ(read.replay.header.start, levelPath);
    EXPECT_EQ(static_cast<int>(read.replay.frames.size()), recorded.frames);

    RunResult replayed;
    {
        HarnessRun run(Start::kEggLevel);
        replayed = run.Play(read.replay);
    }
    // The first twenty seconds as recorded, and again with one bird turning the
    // other way for half a second just after the first round's countdown
    // (compared mid-round, where everything still moves).
    Engine::Replay opening = read.replay;
    ASSERT_GT(opening.frames.size(), 1200u);
    opening.frames.resize(1200);
    Engine::Replay changed = opening;
    for (size_t frame = 800; frame < 830; ++frame) {
        auto& keys = changed.frames[frame].input.keys;
        const bool left = keys[kKeys1[0]];
        keys[kKeys1[0]] = keys[kKeys1[1]];
        keys[kKeys1[1]] = left;
    }
    RunResult same, other;
    {
        HarnessRun run(Start::kEggLevel);
        same = run.Play(opening);
    }
    {
        HarnessRun run(Start::kEggLevel);
        other = run.Play(changed);
    }
    testing::internal::GetCapturedStdout();

    EXPECT_GE(rounds, 2) << "the match should have been played to its result within " << kMaxFrames << " frames";
    EXPECT_LT(recorded.frames, kMaxFrames);
    EXPECT_EQ(replayed.frames, recorded.frames);
    EXPECT_EQ(replayed.level, recorded.level);
    EXPECT_EQ(replayed.hash, recorded.hash);
    EXPECT_NE(other.hash, same.hash);
}

}  // namespace

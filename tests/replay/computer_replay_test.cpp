// A computer player's keys go into a recording like a person's: the egg level
// recorded with player 2 played by the computer holds its keys, and played
// back from the file (where the computer must not think: its keys come from
// the file) ends in the same world.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "api/script_api.h"
#include "game/ai/bird_keys.h"
#include "game/ai/computer_seats.h"
#include "game/game_values.h"
#include "replay_fixture.h"
#include "wiring/replay_file.h"

namespace {

using ReplayTests::HarnessRun;
using ReplayTests::RunResult;
using ReplayTests::Start;

constexpr int kFrames = 1500;

// The game's seats, counting how often they are asked to think.
class CountedSeats : public Engine::KeyThinker {
public:
    explicit CountedSeats(int& thoughts) : thoughts_(thoughts) {}
    void Think(Engine::ScriptedKeyStateSource& keys) override {
        ++thoughts_;
        seats_.Think(keys);
    }

private:
    ai::ComputerSeats seats_{7};
    int& thoughts_;
};

struct ComputerReplay : ::testing::Test {
    TestSupport::ScratchDir dir;
    ComputerReplay() {
        ReplayTests::CopyGameData(dir);
        Game::seats = {Game::Seat::Person, Game::Seat::ComputerHard, Game::Seat::Person, Game::Seat::Person};
    }
};

TEST_F(ComputerReplay, TheComputersKeysAreRecordedAndReplayWithoutItThinking) {
    const std::string file = dir.path() + "/computer.tolvex-replay";
    testing::internal::CaptureStdout();
    int recordThoughts = 0, replayThoughts = 0;
    RunResult recorded, replayed;
    {
        HarnessRun run(Start::kEggLevel);
        api::SetComputerThinker(std::make_unique<CountedSeats>(recordThoughts));
        // Nobody at player 1's keys.
        recorded = run.Record(file, kFrames, [](int, Engine::ScriptedKeyStateSource&, Engine::ScriptedPadSource&) {},
                              [] { return false; });
    }
    const Engine::ReplayReadResult read = Engine::ReadReplayFile(file);
    ASSERT_TRUE(read.ok()) << read.error;
    {
        HarnessRun run(Start::kEggLevel);
        api::SetComputerThinker(std::make_unique<CountedSeats>(replayThoughts));
        replayed = run.Play(read.replay);
    }
    testing::internal::GetCapturedStdout();

    EXPECT_EQ(recordThoughts, kFrames);
    EXPECT_EQ(replayThoughts, 0) << "the computer thought during a replay";
    // Player 2's keys are in the file; player 1's never are.
    const ai::BirdKeys two = ai::KeysOfPlayer(2), one = ai::KeysOfPlayer(1);
    int twoDown = 0, oneDown = 0;
    for (const auto& frame : read.replay.frames) {
        for (Engine::VirtualKey key : {two.left, two.right, two.flap, two.peck}) twoDown += frame.input.keys[key];
        for (Engine::VirtualKey key : {one.left, one.right, one.flap, one.peck}) oneDown += frame.input.keys[key];
    }
    EXPECT_GT(twoDown, 100);
    EXPECT_EQ(oneDown, 0);
    EXPECT_EQ(replayed.frames, recorded.frames);
    EXPECT_EQ(replayed.hash, recorded.hash);
}

}  // namespace

// Two built games on 127.0.0.1, headless, each with a computer player in its
// seat, play a whole seeded match online from the host's start level to the
// level's result: both end on the same frame with the same world hash and the
// same result, on a clean line and through a slow, lossy relay.

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "game/birds/individual_player_behaviour.h"
#include "game_process.h"
#include "replay_fixture.h"
#include "support/loopback_relay.h"
#include "wiring/replay_file.h"
#include "wiring/world_hash.h"

namespace {

using namespace ReplayTests;

struct OnlineMatch {
    ProcessResult host;
    ProcessResult guest;
    Engine::Replay hostRecording;
    Engine::Replay guestRecording;
};

// Plays `level` seeded with `seed`, the guest joining directly or through `relay`
// (made for the host's port), both recording the match. The delay of 8 frames
// lets the games run ahead of a slow line's round trip.
OnlineMatch PlayOnline(const TestSupport::ScratchDir& dir, const std::string& level, int seed,
                       const tests::RelayConditions* line = nullptr) {
    const int hostPort = FreeLoopbackPort();
    std::unique_ptr<tests::LoopbackRelay> relay;
    if (line) relay = std::make_unique<tests::LoopbackRelay>(static_cast<uint16_t>(hostPort), *line);
    const int guestPort = relay ? relay->Port() : hostPort;
    const std::string both = "--headless --computer normal --record ";
    FILE* host = StartGame(dir.path(), both + level + "-host.txt --host 127.0.0.1:" + std::to_string(hostPort) +
                                           " --level " + level + " --seed " + std::to_string(seed) + " --input-delay 8");
    FILE* guest = StartGame(dir.path(), both + level + "-guest.txt --join 127.0.0.1:" + std::to_string(guestPort));
    OnlineMatch match;
    match.guest = FinishGame(guest);
    match.host = FinishGame(host);
    if (relay) {
        // The line was as bad as it says: datagrams were lost and overtaken.
        EXPECT_GT(relay->Dropped(), 0);
        EXPECT_GT(relay->Reordered(), 0);
    }
    const Engine::ReplayReadResult hostRead = Engine::ReadReplayFile(dir.path() + "/" + level + "-host.txt");
    const Engine::ReplayReadResult guestRead = Engine::ReadReplayFile(dir.path() + "/" + level + "-guest.txt");
    EXPECT_TRUE(hostRead.ok()) << hostRead.error << match.host.output;
    EXPECT_TRUE(guestRead.ok()) << guestRead.error << match.guest.output;
    match.hostRecording = hostRead.replay;
    match.guestRecording = guestRead.replay;
    return match;
}

// How many frames a player held at least one of its bird's keys.
int FramesWithKeys(const Engine::Replay& replay, const std::array<Engine::VirtualKey, 7>& keys) {
    int frames = 0;
    for (const Engine::ReplayFrame& frame : replay.frames) {
        bool any = false;
        for (const Engine::VirtualKey key : keys) any = any || frame.input.keys.test(key);
        frames += any ? 1 : 0;
    }
    return frames;
}

// Both games ran the whole match alike and it was decided: the same result,
// a winner, the same frames on the same input and the same hash, and both
// computer players pressed their birds' keys all through it.
void ExpectTheSameDecidedMatch(const OnlineMatch& match) {
    ASSERT_EQ(match.host.code, 0) << match.host.output;
    ASSERT_EQ(match.guest.code, 0) << match.guest.output;
    const std::string result = LastLineStarting(match.host.output, "Match result: ");
    EXPECT_NE(result, "") << match.host.output;
    EXPECT_EQ(LastLineStarting(match.guest.output, "Match result: "), result) << match.guest.output;
    EXPECT_NE(result.find(" won ("), std::string::npos) << result;
    const std::string hash = HashLine(match.host.output);
    EXPECT_NE(hash, "") << match.host.output;
    EXPECT_EQ(HashLine(match.guest.output), hash) << match.guest.output;
    EXPECT_EQ(match.host.output.find("out of step"), std::string::npos) << match.host.output;

    const Engine::Replay& host = match.hostRecording;
    ASSERT_EQ(host.frames.size(), match.guestRecording.frames.size());
    EXPECT_NE(hash.find("after " + std::to_string(host.frames.size()) + " frames"), std::string::npos) << hash;
    for (size_t f = 0; f < host.frames.size(); ++f)
        ASSERT_EQ(host.frames[f].input, match.guestRecording.frames[f].input) << "frame " << f;
    const int frames = static_cast<int>(host.frames.size());
    EXPECT_GT(frames, 3600) << "a whole match lasts longer than a minute";
    EXPECT_GT(FramesWithKeys(host, IndividualPlayerBehaviour::kPlayer1Keys), frames / 10);
    EXPECT_GT(FramesWithKeys(host, IndividualPlayerBehaviour::kPlayer2Keys), frames / 10);
}

TEST(OnlineMatchProcess, TwoComputersPlayWholeMatchesOnLoopbackToTheSameHashAndResult) {
    TestSupport::ScratchDir dir;
    CopyGameData(dir);
    // Seeds whose matches end in a win (a draw is what two idle birds reach too);
    // a change to the birds' numbers can turn one into a draw, and then another
    // seed is chosen: the egg level's seed 3 became a draw when RoziDoro's
    // walking speed was raised to 3.0, seed 4 ends in a win.
    const struct {
        const char* level;
        int seed;
        Start start;
    } matches[] = {{"egg", 4, Start::kEggLevel}, {"foodcourt", 2, Start::kFoodCourt}};
    for (const auto& m : matches) {
        SCOPED_TRACE(m.level);
        const OnlineMatch match = PlayOnline(dir, m.level, m.seed);
        ExpectTheSameDecidedMatch(match);
        if (HasFatalFailure()) return;
        // The match's recording, started in its level, plays back offline to the same hash.
        HarnessRun run(m.start, static_cast<unsigned>(m.seed));
        EXPECT_EQ(run.startName(), match.hostRecording.header.start);
        const RunResult replayed = run.Play(match.hostRecording);
        EXPECT_EQ("World hash after " + std::to_string(replayed.frames) + " frames: " +
                      Engine::WorldHashText(replayed.hash),
                  HashLine(match.host.output));
    }
}

// The line only changes when inputs arrive, never what the games compute: the
// same seeded match through a relay that holds each datagram 50 ms (give or
// take 20, so they overtake each other) and loses 5 % ends as on a clean line.
TEST(OnlineMatchProcess, ThroughASlowLossyRelayTheMatchEndsAsOnACleanLine) {
    TestSupport::ScratchDir dir;
    CopyGameData(dir);
    const OnlineMatch clean = PlayOnline(dir, "foodcourt", 2);
    ASSERT_EQ(clean.host.code, 0) << clean.host.output;
    tests::RelayConditions line;
    line.delayMs = 50;
    line.jitterMs = 20;
    line.dropShare = 0.05;
    const OnlineMatch relayed = PlayOnline(dir, "foodcourt", 2, &line);
    ExpectTheSameDecidedMatch(relayed);
    EXPECT_EQ(HashLine(relayed.host.output), HashLine(clean.host.output));
    EXPECT_EQ(LastLineStarting(relayed.host.output, "Match result: "),
              LastLineStarting(clean.host.output, "Match result: "));
}

}  // namespace

// The egg level driven by an online lockstep session over ENet on 127.0.0.1: this
// machine's person (player 1's keys) against a remote session whose actions must
// drive the other bird. The frames run form a recording that plays back offline
// to the same world hash; when the games go out of step that recording is saved.

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <thread>

#include "game/birds/individual_player_behaviour.h"
#include "graphics/graphics.h"
#include "input/frame_key_source.h"
#include "input/frame_pad_source.h"
#include "input/input.h"
#include "net/enet_library.h"
#include "net/lockstep_session.h"
#include "net/net_host.h"
#include "replay_fixture.h"
#include "wiring/lockstep_frames.h"
#include "wiring/online_status.h"
#include "wiring/world_hash.h"

namespace {

using namespace Engine::net;
using ReplayTests::HarnessRun;
using ReplayTests::Start;

const auto& kKeys1 = IndividualPlayerBehaviour::kPlayer1Keys;  // Left Right Flap Peck Shit Ulti Skill
const auto& kKeys2 = IndividualPlayerBehaviour::kPlayer2Keys;

// What this machine's person holds on frame `frame`: walks, flaps in bursts, pecks.
Engine::InputFrame LocalKeys(int frame) {
    Engine::InputFrame local;
    local.keys.set(kKeys1[(frame / 80) % 2 == 0 ? 1 : 0]);
    if (frame % 12 < 3) local.keys.set(kKeys1[2]);
    if (frame % 41 == 0) local.keys.set(kKeys1[3]);
    return local;
}

// What the remote person does on frame `frame`.
PlayerActions RemoteActions(uint32_t frame) {
    PlayerActions actions;
    actions.Set((frame / 70) % 2 == 0 ? Action::Left : Action::Right);
    actions.Set(Action::Flap, frame % 15 < 4);
    actions.Set(Action::Peck, frame % 33 == 5);
    return actions;
}

class OnlineLockstep : public testing::Test {
protected:
    TestSupport::ScratchDir dir;
    EnetLibrary library;
    std::unique_ptr<NetHost> hostLink;
    std::unique_ptr<NetHost> guestLink;
    SteadySessionClock clock;

    OnlineLockstep() { ReplayTests::CopyGameData(dir); }

    // A host session for the game and a bare guest session for the remote person.
    void Connect(SessionConfig& host, SessionConfig& guest) {
        hostLink = NetHost::Listen(library, 0, "127.0.0.1");
        ASSERT_TRUE(hostLink);
        guestLink = NetHost::Connect(library, "127.0.0.1", hostLink->LocalPort());
        ASSERT_TRUE(guestLink);
        host.role = SessionRole::Host;
        guest.role = SessionRole::Guest;
        host.gameVersion = guest.gameVersion = "test";
        host.buildId = guest.buildId = "test";
        host.seed = 99;
    }

    // Plays until the game ran `frames` frames or its session ended; the remote
    // side reports `remoteHash` (when set) as its world hash.
    static void Play(Engine::LockstepFrames& game, LockstepSession& host, LockstepSession& guest, int frames,
                     uint64_t remoteHash = 0) {
        uint32_t remoteFrames = 0;
        for (int turn = 0; turn < 400000 && game.FramesRun() < frames && !host.Ended(); ++turn) {
            game.Turn(LocalKeys(game.FramesRun()));
            guest.Pump();
            if (guest.NeedsLocalInput())
                guest.SubmitLocalInput(RemoteActions(guest.NextFrameNumber() + guest.InputDelay()));
            if (remoteFrames < static_cast<uint32_t>(frames) && guest.NextFrame()) {
                ++remoteFrames;
                guest.ReportWorldHash(remoteFrames, remoteHash);
            }
        }
    }
};

void ReadThroughFrame(HarnessRun& run, std::shared_ptr<Engine::InputFrame> frame) {
    Engine::Input& input = *run.engine().systems().input;
    input.SetKeyStateSource(std::make_unique<Engine::FrameKeySource>(frame));
    input.SetPadStateSource(std::make_unique<Engine::FramePadSource>(frame));
}

TEST_F(OnlineLockstep, AnOnlineMatchRecordingReplaysOfflineToTheSameHash) {
    SessionConfig hostConfig, guestConfig;
    Connect(hostConfig, guestConfig);
    guestConfig.hashInterval = 0;  // the bare remote side has no world to hash
    LockstepSession host(*hostLink, clock, hostConfig);
    LockstepSession guest(*guestLink, clock, guestConfig);

    constexpr int kFrames = 600;
    Engine::Replay recording;
    uint64_t onlineHash = 0;
    {
        HarnessRun run(Start::kEggLevel);
        auto runFrame = std::make_shared<Engine::InputFrame>();
        ReadThroughFrame(run, runFrame);
        Engine::LockstepFrames game(run.engine().systems(), host, runFrame, run.startName());
        Play(game, host, guest, kFrames);
        ASSERT_EQ(game.FramesRun(), kFrames) << host.EndMessage();
        onlineHash = Engine::WorldHash();
        recording = game.Recording();
    }
    // The remote person's actions are player 2's keys in the frames run, D frames late.
    const int delay = host.InputDelay();
    for (int f = delay; f < kFrames; ++f) {
        const PlayerActions remote = RemoteActions(static_cast<uint32_t>(f));
        ASSERT_EQ(recording.frames[f].input.keys.test(kKeys2[2]), remote.Has(Action::Flap)) << f;
        ASSERT_EQ(recording.frames[f].input.keys.test(kKeys2[0]), remote.Has(Action::Left)) << f;
        ASSERT_EQ(recording.frames[f].input.keys.test(kKeys1[2]), LocalKeys(f - delay).keys.test(kKeys1[2])) << f;
    }
    EXPECT_EQ(recording.header.seed, 99u);

    Engine::Replay idle = recording;
    for (Engine::ReplayFrame& frame : idle.frames) frame.input = Engine::InputFrame{};
    {
        HarnessRun run(Start::kEggLevel);
        const ReplayTests::RunResult replayed = run.Play(recording);
        EXPECT_EQ(replayed.frames, kFrames);
        EXPECT_EQ(replayed.hash, onlineHash);
    }
    {
        // The input mattered: nobody pressing anything ends elsewhere.
        HarnessRun run(Start::kEggLevel);
        EXPECT_NE(run.Play(idle).hash, onlineHash);
    }
}

TEST_F(OnlineLockstep, GoingOutOfStepSavesTheRecordingUpToThatFrame) {
    SessionConfig hostConfig, guestConfig;
    Connect(hostConfig, guestConfig);
    LockstepSession host(*hostLink, clock, hostConfig);
    LockstepSession guest(*guestLink, clock, guestConfig);
    HarnessRun run(Start::kEggLevel);
    auto runFrame = std::make_shared<Engine::InputFrame>();
    ReadThroughFrame(run, runFrame);
    Engine::LockstepFrames game(run.engine().systems(), host, runFrame, run.startName());
    // The remote side's world never hashes like this one.
    Play(game, host, guest, 600, 42);
    ASSERT_TRUE(host.Ended());
    EXPECT_EQ(host.EndMessage(), "The games went out of step at frame 60");
    const std::string path = game.SaveOutOfStepRecording(dir.path());
    EXPECT_EQ(path, dir.path() + "/online-out-of-step-frame-60-host.tolvex-replay");
    const Engine::ReplayReadResult read = Engine::ReadReplayFile(path);
    ASSERT_TRUE(read.ok()) << read.error;
    // Every frame run is in it: the 60 whose hash differed and the few run before the peer's hash came.
    EXPECT_GE(read.replay.frames.size(), 60u);
    EXPECT_EQ(read.replay.frames.size(), static_cast<size_t>(game.FramesRun()));
    EXPECT_EQ(read.replay.header.start, run.startName());
    EXPECT_EQ(read.replay.frames[30].input, game.Recording().frames[30].input);
}

// The stall mark is on the picture while the other player's input is missing
// and gone once it arrives; the round trip is in the readout meanwhile.
TEST_F(OnlineLockstep, TheStallMarkShowsWhileThePeersInputIsMissing) {
    SessionConfig hostConfig, guestConfig;
    Connect(hostConfig, guestConfig);
    guestConfig.hashInterval = 0;
    HarnessRun run(Start::kEggLevel);
    auto runFrame = std::make_shared<Engine::InputFrame>();
    ReadThroughFrame(run, runFrame);
    Engine::graphics::ScreenNotes& notes = Engine::graphics::Graphics::instance->notes;
    using Engine::graphics::ScreenNotes;
    Engine::OnlineStatus status(true, hostLink->LocalPort());
    LockstepSession host(*hostLink, clock, hostConfig);
    // Nobody has joined yet: the host says it waits for its friend, on which port.
    status.Update(host, false, notes);
    EXPECT_EQ(notes.Text(ScreenNotes::kBanner), "Waiting for your friend on port " + std::to_string(hostLink->LocalPort()));

    LockstepSession guest(*guestLink, clock, guestConfig);
    Engine::LockstepFrames game(run.engine().systems(), host, runFrame, run.startName());
    // The guest answers the handshake and pings but gives no input: the frames
    // before the input delay run, then the game waits.
    bool sawMark = false;
    for (int turn = 0; turn < 4000 && !sawMark; ++turn) {
        const bool ran = game.Turn(LocalKeys(game.FramesRun()));
        status.Update(host, ran, notes);
        guest.Pump();
        sawMark = notes.Text(ScreenNotes::kBanner) == Engine::OnlineStatus::kStallMark;
        if (!ran) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ASSERT_TRUE(sawMark) << notes.Text(ScreenNotes::kBanner);
    EXPECT_EQ(game.FramesRun(), host.InputDelay()) << "only the frames nobody gives input for ran";
    EXPECT_TRUE(host.Waiting());
    EXPECT_EQ(notes.Text(ScreenNotes::kReadout).rfind("Online: round trip ", 0), 0u) << notes.Text(ScreenNotes::kReadout);

    // The input arrives: frames run again and the mark goes.
    int turns = 0;
    for (; turns < 4000 && game.FramesRun() < 60; ++turns) {
        guest.Pump();
        if (guest.NeedsLocalInput()) guest.SubmitLocalInput(RemoteActions(guest.NextFrameNumber() + guest.InputDelay()));
        guest.NextFrame();  // the bare guest runs no world, but moves on to its next frame's input
        const bool ran = game.Turn(LocalKeys(game.FramesRun()));
        status.Update(host, ran, notes);
        if (ran) {
            EXPECT_EQ(notes.Text(ScreenNotes::kBanner), "") << "frame " << game.FramesRun();
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
    EXPECT_EQ(game.FramesRun(), 60);
    EXPECT_EQ(notes.Text(ScreenNotes::kBanner), "");
}

}  // namespace

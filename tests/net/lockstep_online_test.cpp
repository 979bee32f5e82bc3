// Two lockstep sessions over real ENet on 127.0.0.1: they agree on the seed and
// delay, run the same inputs on the same frames (directly and through a relay
// that delays, reorders and loses packets), end on a cut line with the timeout
// line, refuse another version, and report the frame at which hashes differ.
#include <gtest/gtest.h>

#include "support/loopback_relay.h"
#include "online_pair.h"

namespace {

using namespace Engine::net;
using tests::OnlinePair;
using tests::PairOptions;

bool BothRanFrames(const OnlinePair& pair, uint32_t frames) {
    return pair.host.world.framesRun >= frames && pair.guest.world.framesRun >= frames;
}

bool BothEnded(const OnlinePair& pair) { return pair.host.session->Ended() && pair.guest.session->Ended(); }

// Plays until both sides ran `frames` frames (each stops there).
testing::AssertionResult PlayFrames(OnlinePair& pair, uint32_t frames, int maxTurns) {
    if (pair.RunUntil([&] { return BothRanFrames(pair, frames); }, frames, maxTurns))
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "host ran " << pair.host.world.framesRun << " (" << pair.host.session->EndMessage()
                                       << "), guest ran " << pair.guest.world.framesRun << " ("
                                       << pair.guest.session->EndMessage() << ")";
}

// Both sides ran `frames` frames on identical inputs, and each player's actions
// are the ones that player's own side pressed (the first D frames are empty).
void ExpectSameMatch(const OnlinePair& pair, uint32_t frames) {
    EXPECT_EQ(pair.host.world.framesRun, frames);
    EXPECT_EQ(pair.guest.world.framesRun, frames);
    EXPECT_EQ(pair.host.world.hash, pair.guest.world.hash);
    const int delay = pair.host.session->InputDelay();
    for (int player = 0; player < 2; ++player) {
        const std::vector<PlayerActions> onHost = pair.host.session->PlayerHistory(player);
        const std::vector<PlayerActions> onGuest = pair.guest.session->PlayerHistory(player);
        ASSERT_EQ(onHost.size(), frames);
        ASSERT_EQ(onGuest.size(), frames);
        for (uint32_t f = 0; f < frames; ++f) {
            const PlayerActions pressed = static_cast<int>(f) < delay ? PlayerActions{} : tests::PatternActions(player, f);
            ASSERT_EQ(onHost[f], pressed) << "player " << player << " frame " << f;
            ASSERT_EQ(onGuest[f], pressed) << "player " << player << " frame " << f;
        }
    }
    EXPECT_FALSE(pair.host.session->Ended()) << pair.host.session->EndMessage();
    EXPECT_FALSE(pair.guest.session->Ended()) << pair.guest.session->EndMessage();
}

TEST(LockstepOnline, TwoSessionsOnLoopbackRunTheSameInputsOnTheSameFrames) {
    SteadySessionClock clock;
    OnlinePair pair(clock, PairOptions{});
    ASSERT_TRUE(pair.ConnectGuestDirectly());
    constexpr uint32_t kFrames = 300;
    ASSERT_TRUE(PlayFrames(pair, kFrames, 20000));
    EXPECT_EQ(pair.guest.session->Seed(), 1234u);
    EXPECT_EQ(pair.guest.session->InputDelay(), 3);
    ExpectSameMatch(pair, kFrames);
    EXPECT_GT(pair.host.session->RoundTripMs(), 0.0);
    EXPECT_EQ(pair.host.session->Dropped().Total(), 0);
    EXPECT_EQ(pair.guest.session->Dropped().Total(), 0);
}

TEST(LockstepOnline, ARelayThatDelaysReordersAndLosesPacketsKeepsThemInStep) {
    SteadySessionClock clock;
    // The host first, so the relay knows its port; the guest then connects to the relay.
    OnlinePair pair(clock, PairOptions{});
    ASSERT_NE(pair.HostPort(), 0);
    tests::LoopbackRelay relay(pair.HostPort(), tests::RelayConditions{});
    ASSERT_NE(relay.Port(), 0);
    ASSERT_TRUE(pair.ConnectGuest(relay.Port()));
    constexpr uint32_t kFrames = 240;
    ASSERT_TRUE(PlayFrames(pair, kFrames, 30000));
    ExpectSameMatch(pair, kFrames);
    EXPECT_GT(relay.Dropped(), 0) << "the relay lost nothing, so the test proves nothing";
    // 50 ms each way: the measured round trip shows it.
    EXPECT_GT(pair.host.session->RoundTripMs(), 60.0);
    EXPECT_GT(pair.guest.session->RoundTripMs(), 60.0);
}

TEST(LockstepOnline, ACutLineEndsBothSidesWithTheTimeoutLine) {
    // Hand-turned time: each turn is a 1/60 s frame, so five silent seconds take
    // 300 turns instead of five real seconds.
    ManualSessionClock clock;
    OnlinePair pair(clock, PairOptions{});
    ASSERT_NE(pair.HostPort(), 0);
    tests::RelayConditions clean;
    clean.delayMs = 1;
    clean.jitterMs = 0;
    clean.dropShare = 0.0;
    tests::LoopbackRelay relay(pair.HostPort(), clean);
    ASSERT_TRUE(pair.ConnectGuest(relay.Port()));
    const auto tick = [&] { clock.Advance(1.0 / 60.0); };
    ASSERT_TRUE(pair.RunUntil([&] { return BothRanFrames(pair, 30); }, 100000, 5000, 1, tick));
    relay.DropEverything();
    const uint32_t frameAtCut = pair.host.world.framesRun;
    ASSERT_TRUE(pair.RunUntil([&] { return BothEnded(pair); }, 100000, 2000, 1, tick));
    const std::string expected = "The other player has not answered for 5 seconds; the online match ended.";
    EXPECT_EQ(pair.host.session->EndMessage(), expected);
    EXPECT_EQ(pair.guest.session->EndMessage(), expected);
    // Nothing ran on after the cut beyond the frames already confirmed.
    EXPECT_LE(pair.host.world.framesRun, frameAtCut + LockstepSession::kMaxInputDelay);
    EXPECT_GE(clock.Now(), 5.0);
}

TEST(LockstepOnline, AGuestWithAnotherVersionIsRefusedOnBothSides) {
    SteadySessionClock clock;
    PairOptions options;
    options.guestVersion = "1.1";
    OnlinePair pair(clock, options);
    ASSERT_TRUE(pair.ConnectGuestDirectly());
    ASSERT_TRUE(pair.RunUntil([&] { return BothEnded(pair); }, 100, 5000));
    EXPECT_EQ(pair.host.session->EndMessage(),
              "Cannot play online: the other game is version 1.1 (build test), this one is version 1.0 (build test).");
    EXPECT_EQ(pair.guest.session->EndMessage(),
              "Cannot play online: the other game is version 1.0 (build test), this one is version 1.1 (build test).");
    EXPECT_EQ(pair.host.world.framesRun, 0u);
    EXPECT_EQ(pair.guest.world.framesRun, 0u);
}

TEST(LockstepOnline, AWorldHashThatDiffersEndsBothWithTheFrameItDifferedAt) {
    SteadySessionClock clock;
    OnlinePair pair(clock, PairOptions{});
    ASSERT_TRUE(pair.ConnectGuestDirectly());
    // The guest's world goes its own way from frame 100 on; the next comparison is at 120.
    pair.guest.reportedHash = [](uint32_t framesRun, uint64_t hash) { return framesRun >= 100 ? hash ^ 1 : hash; };
    ASSERT_TRUE(pair.RunUntil([&] { return BothEnded(pair); }, 400, 20000));
    EXPECT_EQ(pair.host.session->EndMessage(), "The games went out of step at frame 120");
    EXPECT_EQ(pair.guest.session->EndMessage(), "The games went out of step at frame 120");
    EXPECT_EQ(pair.host.session->OutOfStepFrame(), 120u);
    EXPECT_EQ(pair.guest.session->OutOfStepFrame(), 120u);
}

TEST(LockstepOnline, APlayerWhoLeavesLetsTheOtherRunUpToTheSameFrame) {
    SteadySessionClock clock;
    OnlinePair pair(clock, PairOptions{});
    ASSERT_TRUE(pair.ConnectGuestDirectly());
    // The host stops at frame 100; the guest would go on.
    ASSERT_TRUE(pair.RunUntil([&] { return pair.host.world.framesRun >= 100; }, 100, 20000));
    ASSERT_TRUE(pair.RunUntil([&] { return pair.host.session->PeerHasAllLocalInput(); }, 100, 5000));
    pair.host.session->Leave();
    pair.host.link->Disconnect(200);
    ASSERT_TRUE(pair.RunUntil([&] { return pair.guest.session->Ended(); }, 1000, 20000));
    EXPECT_EQ(pair.guest.session->EndMessage(), "The other player left the online match.");
    EXPECT_EQ(pair.guest.world.framesRun, 100u);
    EXPECT_EQ(pair.guest.world.hash, pair.host.world.hash);
}

TEST(LockstepOnline, AGuestThatNobodyAnswersGivesUpAfterTheTimeout) {
    ManualSessionClock clock;
    EnetLibrary library;
    // A port on loopback that nobody listens on: take one, then let it go.
    uint16_t port = 0;
    {
        const std::unique_ptr<NetHost> taken = NetHost::Listen(library, 0, "127.0.0.1");
        ASSERT_TRUE(taken);
        port = taken->LocalPort();
    }
    std::unique_ptr<NetHost> link = NetHost::Connect(library, "127.0.0.1", port);
    ASSERT_TRUE(link);
    SessionConfig config;
    config.role = SessionRole::Guest;
    LockstepSession session(*link, clock, config);
    for (int turn = 0; turn < 1200 && !session.Ended(); ++turn) {
        session.Pump();
        clock.Advance(1.0 / 60.0);
    }
    EXPECT_EQ(session.EndMessage(), "No game answered at that address within 15 seconds.");
    EXPECT_GE(clock.Now(), 15.0);
}

}  // namespace

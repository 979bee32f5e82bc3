// The built game plays a recording made in the harness and prints the hash the
// harness got; a recording the game makes in its window plays back to the hash
// it printed when it quit.

#include <gtest/gtest.h>

#include <signal.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>

#include "core/core.h"
#include "core/message.h"
#include "input/virtual_keys.h"
#include "game_process.h"
#include "replay_fixture.h"
#include "support/loopback_relay.h"
#include "wiring/world_hash.h"

namespace {

using namespace ReplayTests;

// From boot: the loading screen (about 700 frames), then a walk over the
// title's entries: down with S three times, the second while the window has
// lost the focus (input does not answer then), down once with the first pad's
// d-pad, up once with W. Where the walk ends depends on every one of them.
constexpr int kWalkFrames = 1200;

void WalkTheTitle(int frame, Engine::ScriptedKeyStateSource& keys, Engine::ScriptedPadSource& pads) {
    if (frame == 835 || frame == 860) {
        Engine::FocusMessage focus(frame == 860);
        Engine::Core::instance->BroadcastMessage(&focus);
    }
    keys.Set('S', (frame == 800 || frame == 840 || frame == 880));
    keys.Set('W', frame == 1000);
    if (frame == 900) pads.Plug(0);
    if (frame >= 900) {
        pads.SetButton(0, Engine::PadBits::kDpadDown, frame >= 920 && frame < 926);
        pads.State(0)->thumbRX = static_cast<int16_t>((frame * 97) % 65536 - 32768);
    }
}

TEST(ReplayProcess, TheGamePlaysAHarnessRecordingToTheHarnesssHash) {
    TestSupport::ScratchDir dir;
    ReplayTests::CopyGameData(dir);
    const std::string file = dir.path() + "/boot.tolvex-replay";
    testing::internal::CaptureStdout();
    ReplayTests::RunResult recorded;
    {
        ReplayTests::HarnessRun run(ReplayTests::Start::kBoot);
        recorded = run.Record(file, kWalkFrames, WalkTheTitle, [] { return false; });
    }
    testing::internal::GetCapturedStdout();
    ASSERT_EQ(recorded.frames, kWalkFrames);
    ASSERT_EQ(recorded.level, "MapData//MainMenu_KR.xml") << "the walk should end on the title";

    const ProcessResult played = RunGame(dir.path(), "--replay boot.tolvex-replay");
    EXPECT_EQ(played.code, 0) << played.output;
    EXPECT_EQ(HashLine(played.output),
              "World hash after " + std::to_string(kWalkFrames) + " frames: " + Engine::WorldHashText(recorded.hash))
        << played.output;
}

TEST(ReplayProcess, AWindowedRecordingPlaysBackToTheHashTheGamePrintedWhenItQuit) {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs a display (run under xvfb-run)";
    TestSupport::ScratchDir dir;
    ReplayTests::CopyGameData(dir);
    dir.CopyFromSource("src/shaders");
    // Leak checking is off for the windowed run, as in the other suites that open a
    // display (the GL driver's caches); the replay runs without a window and keeps it.
    const ProcessResult recorded = RunGame(dir.path(), "--windowed --quit-after-frames 300 --record window.txt",
                                           "ASAN_OPTIONS=detect_leaks=0:abort_on_error=1");
    ASSERT_EQ(recorded.code, 0) << recorded.output;
    const std::string recordedHash = HashLine(recorded.output);
    ASSERT_NE(recordedHash, "") << recorded.output;
    EXPECT_NE(recordedHash.find("after 300 frames"), std::string::npos) << recordedHash;

    const ProcessResult played = RunGame(dir.path(), "--replay window.txt");
    EXPECT_EQ(played.code, 0) << played.output;
    EXPECT_EQ(HashLine(played.output), recordedHash) << played.output;
}

TEST(ReplayProcess, TheGameNamesABadRecordingAndFails) {
    TestSupport::ScratchDir dir;
    dir.Write("cut.txt", "tolvex-replay 1\nseed 1\nstart boot\nfocus 0\n.\n.\n");
    const ProcessResult played = RunGame(dir.path(), "--replay cut.txt");
    EXPECT_EQ(played.code, 1);
    EXPECT_EQ(played.output, "cut.txt: line 7: the recording stops before its 'end' line (cut short?)\n");
}

}  // namespace

namespace {

using namespace ReplayTests;

// The online games open windows: leak checking is off for them, as for the other
// windowed runs (the GL driver's caches go with its unloaded module).
const char* const kWindowedGame = "ASAN_OPTIONS=detect_leaks=0:abort_on_error=1";

TEST(OnlineProcess, TwoGamesOnLoopbackRunTheSameFramesToTheSameHash) {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs a display (run under xvfb-run)";
    TestSupport::ScratchDir dir;
    ReplayTests::CopyGameData(dir);
    const std::string port = std::to_string(FreeLoopbackPort());
    FILE* host = StartGame(dir.path(), "--windowed --quit-after-frames 300 --host 127.0.0.1:" + port, kWindowedGame);
    FILE* guest = StartGame(dir.path(), "--windowed --quit-after-frames 300 --join 127.0.0.1:" + port, kWindowedGame);
    const ProcessResult hosted = FinishGame(host);
    const ProcessResult joined = FinishGame(guest);
    ASSERT_EQ(hosted.code, 0) << hosted.output;
    ASSERT_EQ(joined.code, 0) << joined.output;
    EXPECT_NE(hosted.output.find("Hosting an online game on port " + port), std::string::npos) << hosted.output;
    EXPECT_NE(hosted.output.find("Online game started: you are player 1, input delay 3 frames"), std::string::npos);
    EXPECT_NE(joined.output.find("Online game started: you are player 2, input delay 3 frames"), std::string::npos);
    const std::string line = HashLine(hosted.output);
    EXPECT_NE(line.find("after 300 frames"), std::string::npos) << hosted.output;
    EXPECT_EQ(HashLine(joined.output), line) << joined.output;
}

TEST(OnlineProcess, WhenTheOtherGameIsKilledTheSurvivorEndsWithTheTimeoutLine) {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs a display (run under xvfb-run)";
    TestSupport::ScratchDir dir;
    ReplayTests::CopyGameData(dir);
    const std::string port = std::to_string(FreeLoopbackPort());
    // Bounded either way: the host quits by itself after 60 s of frames.
    FILE* host = StartGame(dir.path(), "--windowed --quit-after-frames 3600 --host 127.0.0.1:" + port, kWindowedGame);
    FILE* guest = StartGame(dir.path(), "--windowed --join 127.0.0.1:" + port, kWindowedGame);
    const pid_t hostPid = GamePid(host);
    const pid_t guestPid = GamePid(guest);
    ASSERT_GT(hostPid, 0);
    ASSERT_GT(guestPid, 0);
    // Killed only once the match runs (a guest nobody answers gives up by itself,
    // so this read ends either way).
    const bool started = ReadUpTo(guest, "Online game started");
    if (!started) {
        // A host waits for its friend as long as it is left open.
        ::kill(hostPid, SIGKILL);
        FinishGame(host);
        FinishGame(guest);
    }
    ASSERT_TRUE(started) << "the guest never joined";
    std::this_thread::sleep_for(std::chrono::seconds(1));
    ::kill(guestPid, SIGKILL);
    const ProcessResult joined = FinishGame(guest);
    const ProcessResult hosted = FinishGame(host);
    EXPECT_EQ(hosted.code, 0) << hosted.output;
    EXPECT_NE(hosted.output.find("The other player has not answered for 5 seconds; the online match ended."),
              std::string::npos)
        << hosted.output;
    // It ended by the timeout, long before its own frame limit.
    EXPECT_EQ(HashLine(hosted.output).find("after 3600 frames"), std::string::npos) << hosted.output;
}

// Through a relay that holds each datagram 50 ms (give or take 20 ms, so they
// also arrive out of order) and loses 5 % of them, both games still run the same
// frames: the lockstep waits where it has to and ends on the same hash.
TEST(OnlineProcess, ThroughASlowLossyRelayBothGamesEndOnTheSameHash) {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs a display (run under xvfb-run)";
    TestSupport::ScratchDir dir;
    ReplayTests::CopyGameData(dir);
    const int hostPort = FreeLoopbackPort();
    tests::RelayConditions line;
    line.delayMs = 50;
    line.jitterMs = 20;
    line.dropShare = 0.05;
    tests::LoopbackRelay relay(static_cast<uint16_t>(hostPort), line);
    const std::string frames = "--windowed --quit-after-frames 600 ";
    FILE* host = StartGame(dir.path(), frames + "--host 127.0.0.1:" + std::to_string(hostPort), kWindowedGame);
    FILE* guest = StartGame(dir.path(), frames + "--join 127.0.0.1:" + std::to_string(relay.Port()), kWindowedGame);
    const ProcessResult joined = FinishGame(guest);
    const ProcessResult hosted = FinishGame(host);
    ASSERT_EQ(hosted.code, 0) << hosted.output;
    ASSERT_EQ(joined.code, 0) << joined.output;
    const std::string hash = HashLine(hosted.output);
    EXPECT_NE(hash.find("after 600 frames"), std::string::npos) << hosted.output;
    EXPECT_EQ(HashLine(joined.output), hash) << joined.output;
    EXPECT_EQ(hosted.output.find("out of step"), std::string::npos) << hosted.output;
    // The line was as bad as it says: datagrams were lost and overtaken.
    EXPECT_GT(relay.Dropped(), 0);
    EXPECT_GT(relay.Reordered(), 0);
}

// A line that goes dead in the middle of a match: each game ends by itself with
// the timeout line and a clean exit, long before its own frame limit.
TEST(OnlineProcess, WhenTheLineGoesDeadBothGamesEndWithTheTimeoutLine) {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs a display (run under xvfb-run)";
    TestSupport::ScratchDir dir;
    ReplayTests::CopyGameData(dir);
    const int hostPort = FreeLoopbackPort();
    tests::RelayConditions line;
    line.dropShare = 0.0;
    tests::LoopbackRelay relay(static_cast<uint16_t>(hostPort), line);
    // Bounded either way: each game quits by itself after 60 s of frames.
    const std::string frames = "--windowed --quit-after-frames 3600 ";
    FILE* host = StartGame(dir.path(), frames + "--host 127.0.0.1:" + std::to_string(hostPort), kWindowedGame);
    FILE* guest = StartGame(dir.path(), frames + "--join 127.0.0.1:" + std::to_string(relay.Port()), kWindowedGame);
    const pid_t hostPid = GamePid(host);
    ASSERT_GT(hostPid, 0);
    ASSERT_GT(GamePid(guest), 0);
    const bool started = ReadUpTo(guest, "Online game started");
    if (!started) ::kill(hostPid, SIGKILL);  // a host waits for its friend as long as it is left open
    ASSERT_TRUE(started) << "the guest never joined";
    std::this_thread::sleep_for(std::chrono::seconds(1));
    relay.DropEverything();
    const ProcessResult joined = FinishGame(guest);
    const ProcessResult hosted = FinishGame(host);
    const std::string timeout = "The other player has not answered for 5 seconds; the online match ended.";
    for (const ProcessResult* side : {&hosted, &joined}) {
        EXPECT_EQ(side->code, 0) << side->output;
        EXPECT_NE(side->output.find(timeout), std::string::npos) << side->output;
        EXPECT_NE(HashLine(side->output), "") << side->output;
        EXPECT_EQ(HashLine(side->output).find("after 3600 frames"), std::string::npos) << side->output;
    }
}

}  // namespace

namespace {

using namespace ReplayTests;

// Whether the process has ended (gone, or a zombie waiting for pclose).
bool Ended(pid_t pid) {
    FILE* stat = std::fopen(("/proc/" + std::to_string(pid) + "/stat").c_str(), "r");
    if (!stat) return true;
    char state = 0;
    const bool read = std::fscanf(stat, "%*d %*s %c", &state) == 1;
    std::fclose(stat);
    return !read || state == 'Z';
}

// Escape in the window of a host nobody joined yet goes back: the game says so
// and ends by itself (a host otherwise waits as long as it is left open).
TEST(OnlineProcess, EscapeWhileHostingStopsWaiting) {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs a display (run under xvfb-run)";
    ASSERT_EQ(std::system("command -v xdotool > /dev/null"), 0) << "pressing a key in the game's window needs xdotool";
    TestSupport::ScratchDir dir;
    ReplayTests::CopyGameData(dir);
    const std::string port = std::to_string(FreeLoopbackPort());
    FILE* host = StartGame(dir.path(), "--windowed --host 127.0.0.1:" + port, kWindowedGame);
    const pid_t pid = GamePid(host);
    ASSERT_GT(pid, 0);
    const bool hosting = ReadUpTo(host, "Hosting an online game");
    const std::string press = "w=$(xdotool search --sync --pid " + std::to_string(pid) +
                              " 2>/dev/null | head -n 1) && xdotool windowfocus --sync \"$w\" && xdotool key Escape";
    const bool pressed = hosting && std::system(press.c_str()) == 0;
    bool ended = false;
    for (int wait = 0; wait < 100 && !ended; ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        ended = Ended(pid);
    }
    if (!ended) ::kill(pid, SIGKILL);
    const ProcessResult result = FinishGame(host);
    ASSERT_TRUE(hosting) << result.output;
    EXPECT_TRUE(pressed);
    EXPECT_TRUE(ended) << "the host kept waiting after Escape";
    EXPECT_EQ(result.code, 0) << result.output;
    EXPECT_NE(result.output.find("You stopped hosting.\n"), std::string::npos) << result.output;
}

}  // namespace

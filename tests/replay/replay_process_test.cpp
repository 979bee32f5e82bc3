// The built game plays a recording made in the harness and prints the hash the
// harness got; a recording the game makes in its window plays back to the hash
// it printed when it quit.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <regex>
#include <string>

#include "input/virtual_keys.h"
#include "replay_fixture.h"
#include "wiring/world_hash.h"

#ifndef TOLVEX_GAME_EXECUTABLE
#error "the build names the game executable"
#endif

namespace {

struct ProcessResult {
    int code = -1;
    std::string output;
};

// Runs the game in `directory` with `arguments`, its sound on OpenAL's null device.
ProcessResult RunGame(const std::string& directory, const std::string& arguments) {
    const std::string command = "cd '" + directory + "' && ALSOFT_DRIVERS=null ALSOFT_LOGLEVEL=0 '" +
                                TOLVEX_GAME_EXECUTABLE + "' " + arguments + " 2>&1";
    ProcessResult result;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return result;
    char buffer[4096];
    size_t read = 0;
    while ((read = fread(buffer, 1, sizeof buffer, pipe)) > 0) result.output.append(buffer, read);
    const int status = pclose(pipe);
    result.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

// The last "World hash after N frames: H" line of the output, or "".
std::string HashLine(const std::string& output) {
    static const std::regex line("World hash after [0-9]+ frames: [0-9a-f]{16}");
    std::string found;
    for (std::sregex_iterator it(output.begin(), output.end(), line), end; it != end; ++it) found = it->str();
    return found;
}

// From boot: the loading screen, the title, then a walk through its entries and
// a confirm, with a pad plugged in half way.
void WalkTheTitle(int frame, Engine::ScriptedKeyStateSource& keys, Engine::ScriptedPadSource& pads) {
    keys.Set(Engine::VK_DOWN, frame >= 200 && frame % 40 < 4);
    keys.Set(Engine::VK_UP, frame >= 300 && frame % 60 == 30);
    if (frame == 250) pads.Plug(1);
    if (frame >= 250) pads.SetButton(1, Engine::PadBits::kDpadDown, frame % 50 < 5);
    if (frame >= 250) pads.State(1)->thumbLX = static_cast<int16_t>((frame * 97) % 65536 - 32768);
    keys.Set(Engine::VK_RETURN, frame == 380);
}

TEST(ReplayProcess, TheGamePlaysAHarnessRecordingToTheHarnesssHash) {
    TestSupport::ScratchDir dir;
    ReplayTests::CopyGameData(dir);
    const std::string file = dir.path() + "/boot.tolvex-replay";
    testing::internal::CaptureStdout();
    ReplayTests::RunResult recorded;
    {
        ReplayTests::HarnessRun run(ReplayTests::Start::kBoot);
        recorded = run.Record(file, 480, WalkTheTitle, [] { return false; });
    }
    testing::internal::GetCapturedStdout();
    ASSERT_EQ(recorded.frames, 480);

    const ProcessResult played = RunGame(dir.path(), "--replay boot.tolvex-replay");
    EXPECT_EQ(played.code, 0) << played.output;
    EXPECT_EQ(HashLine(played.output),
              "World hash after 480 frames: " + Engine::WorldHashText(recorded.hash))
        << played.output;
}

TEST(ReplayProcess, AWindowedRecordingPlaysBackToTheHashTheGamePrintedWhenItQuit) {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs a display (run under xvfb-run)";
    TestSupport::ScratchDir dir;
    ReplayTests::CopyGameData(dir);
    dir.CopyFromSource("src/shaders");
    const ProcessResult recorded = RunGame(dir.path(), "--windowed --quit-after-frames 300 --record window.txt");
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

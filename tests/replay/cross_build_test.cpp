// The release and the sanitizer trees play the same input the same way. The
// test command empties $TOLVEX_CROSS_BUILD_DIR, runs the release suite, whose run
// of this test records the food court and the runner with both birds busy and
// writes down the hash each ended in, then the sanitizer suite, whose run finds
// the recordings and plays them back to the same hashes (optimised against
// debug code, with and without AddressSanitizer's heap). Without the variable
// the test records into a scratch folder and plays back in the same tree.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "replay_fixture.h"
#include "wiring/replay_file.h"
#include "wiring/world_hash.h"

namespace {

using ReplayTests::HarnessRun;
using ReplayTests::RunResult;
using ReplayTests::Start;

struct CrossCase {
    const char* name;
    Start start;
    int frames;
};

void PrintTo(const CrossCase& c, std::ostream* os) { *os << c.name; }

class CrossBuild : public ::testing::TestWithParam<CrossCase> {
protected:
    TestSupport::ScratchDir dir;
    CrossBuild() { ReplayTests::CopyGameData(dir); }
    std::string Folder() const {
        const char* shared = std::getenv("TOLVEX_CROSS_BUILD_DIR");
        return shared && *shared ? shared : dir.path();
    }
};

TEST_P(CrossBuild, AnotherTreePlaysTheRecordingToTheSameHash) {
    const CrossCase& c = GetParam();
    std::filesystem::create_directories(Folder());
    const std::string recording = Folder() + "/" + c.name + ".tolvex-replay";
    const std::string hashFile = Folder() + "/" + c.name + ".hash";
    testing::internal::CaptureStdout();
    if (!std::filesystem::exists(hashFile)) {
        RunResult recorded;
        {
            HarnessRun run(c.start);
            recorded = run.Record(recording, c.frames, ReplayTests::DriveBirds, [] { return false; });
        }
        std::ofstream(hashFile) << Engine::WorldHashText(recorded.hash) << "\n";
    }
    std::string expected;
    std::ifstream(hashFile) >> expected;
    const Engine::ReplayReadResult read = Engine::ReadReplayFile(recording);
    ASSERT_TRUE(read.ok()) << read.error;
    RunResult replayed;
    {
        HarnessRun run(c.start);
        replayed = run.Play(read.replay);
    }
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(replayed.frames, c.frames);
    EXPECT_EQ(Engine::WorldHashText(replayed.hash), expected) << "recorded in " << Folder();
}

// The food court's winner once differed between the trees; the runner runs the
// most physics per frame.
INSTANTIATE_TEST_SUITE_P(Levels, CrossBuild,
                         ::testing::Values(CrossCase{"FoodCourt", Start::kFoodCourt, 7200},
                                           CrossCase{"Runner", Start::kRunner, 3600}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

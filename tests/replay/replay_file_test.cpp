// The recording format: what is written reads back as the same frames, and a
// file that cannot be played gets one line naming it (and the line at fault).

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "input/virtual_keys.h"
#include "support/scratch_dir.h"
#include "wiring/replay_file.h"
#include "wiring/replay_session.h"
#include "wiring/engine.h"

namespace {

using Engine::ReplayFrame;

bool SameFrame(const ReplayFrame& a, const ReplayFrame& b) {
    return a.input == b.input && a.focusEvents == b.focusEvents && a.hasPointer == b.hasPointer &&
           (!a.hasPointer || a.pointer == b.pointer);
}

// Each frame starts from the one before and changes a little of everything.
std::vector<ReplayFrame> SampleFrames() {
    std::vector<ReplayFrame> frames;
    ReplayFrame f;
    auto next = [&](auto change) {
        f.focusEvents.clear();
        change(f);
        frames.push_back(f);
    };
    next([](ReplayFrame&) {});
    next([](ReplayFrame& f) {
        f.input.keys[Engine::VK_LEFT] = true;
        f.input.keys['W'] = true;
        f.hasPointer = true;
        f.pointer = {640.25, 0.1 + 0.2, 1280, 720};  // a double that prints long
    });
    next([](ReplayFrame& f) { f.focusEvents = {false, true}; });
    next([](ReplayFrame& f) { f.input.pads[2].plugged = true; });
    next([](ReplayFrame& f) {
        Engine::PadFrame& pad = f.input.pads[2];
        pad.buttons = Engine::PadBits::kA | Engine::PadBits::kY;
        pad.thumbLX = -32768;
        pad.thumbRY = 32767;
        pad.leftTrigger = 255;
        f.input.keys['W'] = false;
        f.input.keys[Engine::VK_LBUTTON] = true;
    });
    next([](ReplayFrame&) {});                                          // the same again
    next([](ReplayFrame& f) { f.input.pads[2] = Engine::PadFrame{}; });  // unplugged
    next([](ReplayFrame& f) { f.input.pads[2].plugged = true; });        // back, centred
    next([](ReplayFrame& f) {
        f.focusEvents = {false};
        f.pointer.y = -3.5;
    });
    return frames;
}

TEST(ReplayFile, WrittenFramesReadBackTheSameAndUnchangedFramesAreADot) {
    std::ostringstream out;
    Engine::ReplayHeader header;
    header.seed = 4000000000u;
    header.start = "MapData//Level1.xml";
    header.focused = true;
    Engine::ReplayWriter writer(out, header);
    const std::vector<ReplayFrame> frames = SampleFrames();
    for (const ReplayFrame& frame : frames) writer.Write(frame);
    writer.Finish();
    const std::string text = out.str();
    EXPECT_EQ(text.rfind("tolvex-replay 1\nseed 4000000000\nstart MapData//Level1.xml\nfocus 1\n.\n", 0), 0u) << text;
    EXPECT_NE(text.find("p2ry=32767\n.\np2-\n"), std::string::npos) << text;  // frame 5 repeats frame 4

    std::istringstream in(text);
    const Engine::ReplayReadResult read = Engine::ReadReplay(in, "sample");
    ASSERT_TRUE(read.ok()) << read.error;
    EXPECT_EQ(read.replay.header.seed, header.seed);
    EXPECT_EQ(read.replay.header.start, header.start);
    EXPECT_EQ(read.replay.header.focused, header.focused);
    ASSERT_EQ(read.replay.frames.size(), frames.size());
    for (size_t i = 0; i < frames.size(); ++i) EXPECT_TRUE(SameFrame(read.replay.frames[i], frames[i])) << "frame " << i;
}

struct BadFile {
    const char* name;
    const char* content;  // nullptr: no file at all
    const char* message;  // after "<file>: "
};

const char kGood[] = "tolvex-replay 1\nseed 7\nstart boot\nfocus 0\n.\n+25 focus+\n-25\nend 3\n";

TEST(ReplayFile, AFileThatCannotBePlayedGetsOneLineNamingIt) {
    const BadFile cases[] = {
        {"missing", nullptr, "cannot open the recording"},
        {"older format", "tolvex-replay 0\nseed 7\n", "recorded by replay format 0; this game reads format 1"},
        {"newer format", "tolvex-replay 2\nanything\n", "recorded by replay format 2; this game reads format 1"},
        {"empty", "", "line 1: empty file, not a recording"},
        {"garbage", "\x89PNG\r\n\x1a\n\x00\x00\x00\rIHDR",
         "line 1: not a recording (its first line should be 'tolvex-replay 1')"},
        {"header cut short", "tolvex-replay 1\nseed 7\n", "line 2: the recording stops in its header (cut short?)"},
        {"bad seed", "tolvex-replay 1\nseed -1\nstart boot\nfocus 0\nend 0\n",
         "line 2: expected 'seed <0..4294967295>', found 'seed -1'"},
        {"no end line", "tolvex-replay 1\nseed 7\nstart boot\nfocus 0\n.\n+25\n",
         "line 7: the recording stops before its 'end' line (cut short?)"},
        {"line cut in a token", "tolvex-replay 1\nseed 7\nstart boot\nfocus 0\n.\n+25 p1",
         "line 6: unknown entry 'p1'"},
        {"bad key", "tolvex-replay 1\nseed 7\nstart boot\nfocus 0\n+zz\nend 1\n", "line 5: bad key '+zz'"},
        {"pad value out of range", "tolvex-replay 1\nseed 7\nstart boot\nfocus 0\np0+ p0lt=256\nend 1\n",
         "line 5: bad pad value 'p0lt=256'"},
        {"pad not plugged", "tolvex-replay 1\nseed 7\nstart boot\nfocus 0\np3b=1000\nend 1\n",
         "line 5: pad 3 is not plugged in: 'p3b=1000'"},
        {"empty frame line", "tolvex-replay 1\nseed 7\nstart boot\nfocus 0\n.\n\nend 2\n",
         "line 6: empty frame line (a frame without changes is '.')"},
        {"wrong count", "tolvex-replay 1\nseed 7\nstart boot\nfocus 0\n.\nend 5\n",
         "line 6: 'end' counts 5 frames, the recording holds 1"},
        {"text after the end", "tolvex-replay 1\nseed 7\nstart boot\nfocus 0\n.\nend 1\n.\n",
         "line 7: text after the 'end' line"},
    };
    TestSupport::ScratchDir dir;
    for (const BadFile& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = dir.path() + "/" + c.name + ".txt";
        if (c.content) {
            const std::string content = c.name == std::string("garbage") ? std::string(c.content, 16) : c.content;
            dir.Write(std::string(c.name) + ".txt", content);
        }
        const Engine::ReplayReadResult read = Engine::ReadReplayFile(path);
        EXPECT_FALSE(read.ok());
        EXPECT_EQ(read.error, path + ": " + c.message);
        EXPECT_EQ(read.error.find('\n'), std::string::npos);
        EXPECT_TRUE(read.replay.frames.empty());
    }
    dir.Write("good.txt", kGood);
    const Engine::ReplayReadResult good = Engine::ReadReplayFile(dir.path() + "/good.txt");
    ASSERT_TRUE(good.ok()) << good.error;
    ASSERT_EQ(good.replay.frames.size(), 3u);
    EXPECT_TRUE(good.replay.frames[1].input.keys[Engine::VK_LEFT]);
    EXPECT_EQ(good.replay.frames[1].focusEvents, std::vector<bool>{true});
    EXPECT_FALSE(good.replay.frames[2].input.keys[Engine::VK_LEFT]);
}

TEST(ReplayFile, ReplayingABadFilePrintsItsLineAndFailsWithoutStartingTheGame) {
    TestSupport::ScratchDir dir;
    dir.Write("old.txt", "tolvex-replay 0\n");
    dir.Write("harness.txt", "tolvex-replay 1\nseed 7\nstart MapData//Level1.xml\nfocus 1\n.\nend 1\n");
    const struct {
        std::string file;
        std::string line;
    } cases[] = {
        {"old.txt", "old.txt: recorded by replay format 0; this game reads format 1\n"},
        {"missing.txt", "missing.txt: cannot open the recording\n"},
        {"harness.txt", "harness.txt: starts in MapData//Level1.xml, set up by a test harness; this game replays "
                        "recordings that start at boot\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        testing::internal::CaptureStdout();
        const int code = Engine::RunReplay(Engine::EngineOptions::Headless(), c.file);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), c.line);
        EXPECT_EQ(code, 1);
    }
}

}  // namespace

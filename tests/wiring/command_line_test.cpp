// The command line: the flags, their values, and the one line an unusable one gets.
#include "wiring/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Engine::ParseCommandLine;

struct GoodCase {
    const char* name;
    std::vector<std::string> arguments;
    bool help, version, windowed;
    int quitAfterFrames;
};

TEST(CommandLine, UnderstoodFlagsSetTheirOptions) {
    const GoodCase cases[] = {
        {"nothing", {}, false, false, false, 0},
        {"--help", {"--help"}, true, false, false, 0},
        {"--version", {"--version"}, false, true, false, 0},
        {"--windowed", {"--windowed"}, false, false, true, 0},
        {"--quit-after-frames 120", {"--quit-after-frames", "120"}, false, false, false, 120},
        {"--quit-after-frames=7 --windowed", {"--quit-after-frames=7", "--windowed"}, false, false, true, 7},
    };
    for (const GoodCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Engine::CommandLineResult result = ParseCommandLine(c.arguments);
        ASSERT_TRUE(result.ok()) << result.error;
        EXPECT_EQ(result.options.help, c.help);
        EXPECT_EQ(result.options.version, c.version);
        EXPECT_EQ(result.options.windowed, c.windowed);
        EXPECT_EQ(result.options.quitAfterFrames, c.quitAfterFrames);
    }
}

struct BadCase {
    const char* name;
    std::vector<std::string> arguments;
    const char* error;
};

TEST(CommandLine, AnUnusableArgumentGivesOneLineNamingIt) {
    const BadCase cases[] = {
        {"unknown flag", {"--fly"}, "Unknown option: --fly"},
        {"unknown after a good one", {"--windowed", "level.xml"}, "Unknown option: level.xml"},
        {"missing value", {"--quit-after-frames"}, "Option --quit-after-frames needs a value (N)"},
        {"not a number", {"--quit-after-frames", "ten"}, "Option --quit-after-frames has an unusable value: ten"},
        {"negative", {"--quit-after-frames=-3"}, "Option --quit-after-frames has an unusable value: -3"},
        {"zero", {"--quit-after-frames=0"}, "Option --quit-after-frames has an unusable value: 0"},
        {"trailing junk", {"--quit-after-frames", "12x"}, "Option --quit-after-frames has an unusable value: 12x"},
        {"value on a bare flag", {"--windowed=yes"}, "Option --windowed takes no value"},
    };
    for (const BadCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Engine::CommandLineResult result = ParseCommandLine(c.arguments);
        EXPECT_FALSE(result.ok());
        EXPECT_EQ(result.error, c.error);
        EXPECT_EQ(result.error.find('\n'), std::string::npos);
    }
}

TEST(CommandLine, RecordAndReplayTakeAFileAndNotEachOther) {
    const struct {
        std::vector<std::string> arguments;
        std::string record, replay, error;
    } cases[] = {
        {{"--record", "run.txt"}, "run.txt", "", ""},
        {{"--replay=run.txt", "--windowed"}, "", "run.txt", ""},
        {{"--record"}, "", "", "Option --record needs a value (FILE)"},
        {{"--replay="}, "", "", "Option --replay has an unusable value: "},
        {{"--record", "a.txt", "--replay", "b.txt"}, "", "", "Options --record and --replay cannot be used together"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.front());
        const Engine::CommandLineResult result = ParseCommandLine(c.arguments);
        EXPECT_EQ(result.error, c.error);
        if (!result.ok()) continue;
        EXPECT_EQ(result.options.recordPath, c.record);
        EXPECT_EQ(result.options.replayPath, c.replay);
    }
}

TEST(CommandLine, OnlineFlagsTakeAPortAnAddressAndADelay) {
    const struct {
        std::vector<std::string> arguments;
        int hostPort;
        std::string hostAddress, join;
        int delay;
        std::string error;
    } cases[] = {
        {{"--host", "47360"}, 47360, "", "", 3, ""},
        {{"--host=127.0.0.1:5000", "--input-delay", "8"}, 5000, "127.0.0.1", "", 8, ""},
        {{"--join", "friend.example:5000", "--input-delay=1"}, 0, "", "friend.example:5000", 1, ""},
        {{"--host", "70000"}, 0, "", "", 3, "Option --host has an unusable value: 70000"},
        {{"--host", "here:"}, 0, "", "", 3, "Option --host has an unusable value: here:"},
        {{"--input-delay", "9"}, 0, "", "", 3, "Option --input-delay has an unusable value: 9"},
        {{"--input-delay", "0"}, 0, "", "", 3, "Option --input-delay has an unusable value: 0"},
        {{"--host", "1", "--join", "a"}, 0, "", "", 3, "Options --host and --join cannot be used together"},
        {{"--join", "a", "--replay", "r.txt"}, 0, "", "", 3,
         "Option --replay plays on one machine: not with --host or --join"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.front() + " " + c.arguments[1]);
        const Engine::CommandLineResult result = ParseCommandLine(c.arguments);
        EXPECT_EQ(result.error, c.error);
        if (!result.ok()) continue;
        EXPECT_EQ(result.options.hostPort, c.hostPort);
        EXPECT_EQ(result.options.hostAddress, c.hostAddress);
        EXPECT_EQ(result.options.joinAddress, c.join);
        EXPECT_EQ(result.options.inputDelay, c.delay);
    }
}

// The host chooses the start level and the seed; a headless game is an online one.
TEST(CommandLine, TheHostChoosesTheLevelAndTheSeed) {
    const auto hosted = Engine::ParseCommandLine(
        {"--host", "5000", "--level", "foodcourt", "--seed=77", "--headless", "--record", "match.txt"});
    ASSERT_TRUE(hosted.ok()) << hosted.error;
    EXPECT_EQ(hosted.options.onlineLevel, "foodcourt");
    EXPECT_EQ(hosted.options.onlineSeed, 77);
    EXPECT_TRUE(hosted.options.headless);
    EXPECT_EQ(hosted.options.recordPath, "match.txt");
    EXPECT_TRUE(Engine::ParseCommandLine({"--join", "a", "--headless"}).ok());
    const struct {
        std::vector<std::string> arguments;
        std::string error;
    } refused[] = {
        {{"--join", "a", "--level", "egg"}, "Options --level and --seed are the host's choice: give --host too"},
        {{"--join", "a", "--seed", "4"}, "Options --level and --seed are the host's choice: give --host too"},
        {{"--level", "egg"}, "Options --level and --seed are the host's choice: give --host too"},
        {{"--headless"}, "Option --headless runs an online game: give --host or --join too"},
        {{"--host", "1", "--seed", "0"}, "Option --seed has an unusable value: 0"},
    };
    for (const auto& c : refused) EXPECT_EQ(Engine::ParseCommandLine(c.arguments).error, c.error) << c.arguments[1];
}

TEST(CommandLine, SimulateTakesTheRestOfTheLineAsItsOperands) {
    const auto six = Engine::ParseCommandLine({"--simulate", "egg", "RoziDoro", "DoruZuvo", "hard", "easy", "4"});
    ASSERT_TRUE(six.ok()) << six.error;
    EXPECT_EQ(six.options.simulate,
              (std::vector<std::string>{"egg", "RoziDoro", "DoruZuvo", "hard", "easy", "4"}));
    const auto seven = Engine::ParseCommandLine({"--windowed", "--simulate", "boss", "1", "2", "normal", "normal", "2", "9"});
    ASSERT_TRUE(seven.ok()) << seven.error;
    EXPECT_EQ(seven.options.simulate.size(), 7u);
    EXPECT_FALSE(Engine::ParseCommandLine({"--simulate", "egg", "1", "2", "hard"}).ok());
    EXPECT_FALSE(Engine::ParseCommandLine({"--simulate", "egg", "1", "2", "hard", "easy", "4", "1", "x"}).ok());
    EXPECT_FALSE(
        Engine::ParseCommandLine({"--record", "f", "--simulate", "egg", "1", "2", "hard", "easy", "4"}).ok());
    EXPECT_TRUE(Engine::ParseCommandLine({}).options.simulate.empty());
}

// The computer plays an online seat only, at a strength it knows.
TEST(CommandLine, TheComputerTakesAnOnlineSeatAtAKnownStrength) {
    const auto hosted = Engine::ParseCommandLine({"--host", "5000", "--computer", "hard"});
    ASSERT_TRUE(hosted.ok()) << hosted.error;
    EXPECT_EQ(hosted.options.computerStrength, "hard");
    EXPECT_TRUE(Engine::ParseCommandLine({"--join", "127.0.0.1", "--computer=easy"}).ok());
    EXPECT_EQ(Engine::ParseCommandLine({"--join", "h", "--computer", "idle"}).error,
              "Option --computer has an unusable value: idle");
    EXPECT_EQ(Engine::ParseCommandLine({"--computer", "normal"}).error,
              "Option --computer plays an online seat: give --host or --join too");
    EXPECT_EQ(Engine::ParseCommandLine({}).options.computerStrength, "");
}

TEST(CommandLine, TheUsageListsEveryFlag) {
    const std::string usage = Engine::CommandLineUsage("tolvex");
    EXPECT_EQ(usage.rfind("Usage: tolvex [options]\n", 0), 0u);
    for (const char* flag : {"--help", "--version", "--windowed", "--quit-after-frames N", "--record FILE",
                             "--replay FILE", "--host [ADDRESS:]PORT", "--join ADDRESS", "--input-delay N",
                             "--computer STRENGTH", "--level LEVEL", "--seed N", "--headless", "--simulate LEVEL"})
        EXPECT_NE(usage.find(flag), std::string::npos) << flag;
    EXPECT_EQ(Engine::VersionLine().rfind("tolvex ", 0), 0u);
}

}  // namespace

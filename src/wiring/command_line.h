#pragma once
// The game's command line: a small table of flags (command_line.cpp), each with
// its help text and what it sets in the options below. Nothing else in the game
// reads argv.

#include <string>
#include <vector>

namespace Engine {

struct CommandLineOptions {
    bool help = false;
    bool version = false;
    // Start in a window rather than full screen.
    bool windowed = false;
    // End the game after this many frames (0: run until quit); for scripted starts.
    int quitAfterFrames = 0;
    // Record every frame's input into this file (docs/replay.md); empty: no recording.
    std::string recordPath;
    // Play this recording back without a window and print the world's hash at its end.
    std::string replayPath;
    // Online play (docs/online.md): host on this port (0: not hosting), or join
    // this address ("name" or "name:port"; empty: not joining).
    int hostPort = 0;
    std::string hostAddress;  // the one address to listen on (empty: all of them)
    std::string joinAddress;
    // Online input delay in frames, 1..8.
    int inputDelay = 3;
    // Online: this machine's seat is played by the computer at this strength
    // ("easy", "normal", "hard"); empty: by the person at the keys.
    std::string computerStrength;
    // Online host: both games start in this level ("egg", "foodcourt", "runner",
    // "boss" or a level key) and end at its result; empty: from the title.
    std::string onlineLevel;
    // Online host: the seed both games start from (0: from the clock).
    int onlineSeed = 0;
    // Online: no window, no sound, no pacing: frames run as fast as both games go.
    bool headless = false;
    // Play computer-only matches headless and print the tally (docs/balance.md):
    // LEVEL BIRD_A BIRD_B STRENGTH_A STRENGTH_B MATCHES [SEED]; empty: not asked.
    std::vector<std::string> simulate;
};

struct CommandLineResult {
    CommandLineOptions options;
    // Empty when every argument was understood; otherwise one line naming the bad one.
    std::string error;
    bool ok() const { return error.empty(); }
};

CommandLineResult ParseCommandLine(const std::vector<std::string>& arguments);

// The usage text, one flag a line, listed from the same table the parser reads.
std::string CommandLineUsage(const std::string& program);

// "tolvex 0.1.0"
std::string VersionLine();

}  // namespace Engine

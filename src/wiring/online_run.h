#pragma once
// `tolvex --host PORT` / `tolvex --join ADDRESS[:PORT]`: the game with its window,
// driven in lockstep with a friend's game over the network (docs/online.md).

#include <cstdint>
#include <string>

namespace Engine {

struct EngineOptions;

struct OnlineCommand {
    int hostPort = 0;          // hosting on this port when not 0
    std::string hostAddress;   // listening on this address only (empty: all)
    std::string joinAddress;   // else joining this address
    int inputDelay = 3;
    std::string computerStrength;  // this machine's seat played by the computer when not empty
    std::string startLevel;        // host: both games start in this level and end at its result
    uint32_t seed = 0;             // host: the seed both games start from (0: from the clock)
    bool headless = false;         // no window or sound; frames as fast as both games go
    std::string recordPath;        // where the match's recording goes when it ends (empty: nowhere)
};

// The version and build identity both games must share: the game's version and
// the compiler and machine it was built with (a different build may compute a
// different world from the same input).
std::string OnlineGameVersion();
std::string OnlineBuildId();

// Runs the online game until it is quit or the session ends; prints why it ended
// and the world hash line, saves the recording when the games went out of step.
// Returns the exit code (1 when no connection could even be opened). `ended`,
// when given, receives the line the session ended with for the Online screen;
// it stays empty when this machine's player closed the game.
int RunOnline(const EngineOptions& options, const OnlineCommand& command, std::string* ended = nullptr);

}  // namespace Engine

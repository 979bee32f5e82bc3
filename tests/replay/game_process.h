#pragma once
// The built game as a process, for the tests that run it: started in a folder
// with its output on a pipe, read to its end, and the lines the tests look for.

#include <sys/types.h>

#include <cstdio>
#include <string>

namespace ReplayTests {

struct ProcessResult {
    int code = -1;
    std::string output;
};

// Starts the game in `directory` with `arguments`, its sound on OpenAL's null
// device; its output is read from the pipe. `environment` goes before the command
// (e.g. sanitizer options). The game's first line is "pid <its process id>".
FILE* StartGame(const std::string& directory, const std::string& arguments, const std::string& environment = "");
// Reads a started game's output to its end and waits for it.
ProcessResult FinishGame(FILE* pipe);
ProcessResult RunGame(const std::string& directory, const std::string& arguments, const std::string& environment = "");

// The process id the game's first output line names.
pid_t GamePid(FILE* pipe);
// Reads the game's output up to a line that starts with `start`; false at its end.
bool ReadUpTo(FILE* pipe, const std::string& start);

// The last "World hash after N frames: H" line of the output, or "".
std::string HashLine(const std::string& output);
// The last line of the output that starts with `start`, or "".
std::string LastLineStarting(const std::string& output, const std::string& start);

// A UDP port on 127.0.0.1 that was free a moment ago.
int FreeLoopbackPort();

}  // namespace ReplayTests

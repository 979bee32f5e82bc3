#include "game_process.h"

#include <sys/wait.h>

#include <cstdlib>
#include <memory>
#include <regex>

#include "net/enet_library.h"
#include "net/net_host.h"

#ifndef TOLVEX_GAME_EXECUTABLE
#error "the build names the game executable"
#endif

namespace ReplayTests {

FILE* StartGame(const std::string& directory, const std::string& arguments, const std::string& environment) {
    const std::string command = "cd '" + directory + "' && echo pid $$ && " + environment +
                                " ALSOFT_DRIVERS=null ALSOFT_LOGLEVEL=0 exec '" + TOLVEX_GAME_EXECUTABLE + "' " +
                                arguments + " 2>&1";
    return popen(command.c_str(), "r");
}

ProcessResult FinishGame(FILE* pipe) {
    ProcessResult result;
    if (!pipe) return result;
    char buffer[4096];
    size_t read = 0;
    while ((read = fread(buffer, 1, sizeof buffer, pipe)) > 0) result.output.append(buffer, read);
    const int status = pclose(pipe);
    result.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    // The shell's "pid" line (unless GamePid already took it) is not the game's.
    if (result.output.rfind("pid ", 0) == 0) result.output.erase(0, result.output.find('\n') + 1);
    return result;
}

ProcessResult RunGame(const std::string& directory, const std::string& arguments, const std::string& environment) {
    return FinishGame(StartGame(directory, arguments, environment));
}

pid_t GamePid(FILE* pipe) {
    char line[64] = {};
    if (!pipe || !std::fgets(line, sizeof line, pipe)) return 0;
    return static_cast<pid_t>(std::atoi(line + 4));
}

bool ReadUpTo(FILE* pipe, const std::string& start) {
    char line[4096];
    while (pipe && std::fgets(line, sizeof line, pipe))
        if (std::string(line).rfind(start, 0) == 0) return true;
    return false;
}

std::string HashLine(const std::string& output) {
    static const std::regex line("World hash after [0-9]+ frames: [0-9a-f]{16}");
    std::string found;
    for (std::sregex_iterator it(output.begin(), output.end(), line), end; it != end; ++it) found = it->str();
    return found;
}

std::string LastLineStarting(const std::string& output, const std::string& start) {
    std::string found;
    size_t at = 0;
    while (at < output.size()) {
        const size_t end = output.find('\n', at);
        const std::string line = output.substr(at, end == std::string::npos ? std::string::npos : end - at);
        if (line.rfind(start, 0) == 0) found = line;
        if (end == std::string::npos) break;
        at = end + 1;
    }
    return found;
}

int FreeLoopbackPort() {
    Engine::net::EnetLibrary library;
    const std::unique_ptr<Engine::net::NetHost> probe = Engine::net::NetHost::Listen(library, 0, "127.0.0.1");
    return probe ? probe->LocalPort() : 0;
}

}  // namespace ReplayTests

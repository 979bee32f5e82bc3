#include "wiring/command_line.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <sstream>

#ifndef TOLVEX_VERSION
#define TOLVEX_VERSION "0.0.0"
#endif

namespace Engine {

namespace {

struct Flag {
    const char* name;
    // Placeholder of the flag's value in the usage, or nullptr for a flag without one.
    const char* value;
    const char* help;
    // Stores the value (or the flag's presence); false when the value is unusable.
    bool (*apply)(CommandLineOptions& options, const std::string& value);
};

bool ParseCount(const std::string& text, int& out) {
    if (text.empty() || text[0] == '-' || text[0] == '+') return false;
    errno = 0;
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (errno != 0 || !end || *end != '\0' || value <= 0 || value > INT_MAX) return false;
    out = static_cast<int>(value);
    return true;
}

// To add a flag: one line here and a field in CommandLineOptions.
const Flag kFlags[] = {
    {"--help", nullptr, "show this help and exit",
     [](CommandLineOptions& o, const std::string&) { return o.help = true; }},
    {"--version", nullptr, "print the version and exit",
     [](CommandLineOptions& o, const std::string&) { return o.version = true; }},
    {"--windowed", nullptr, "start in a window instead of full screen",
     [](CommandLineOptions& o, const std::string&) { return o.windowed = true; }},
    {"--quit-after-frames", "N", "quit after N frames (for scripted checks)",
     [](CommandLineOptions& o, const std::string& v) { return ParseCount(v, o.quitAfterFrames); }},
    {"--record", "FILE", "record every frame's input into FILE (fixed frame time)",
     [](CommandLineOptions& o, const std::string& v) { return !(o.recordPath = v).empty(); }},
    {"--replay", "FILE", "play FILE back without a window, print the world hash, quit",
     [](CommandLineOptions& o, const std::string& v) { return !(o.replayPath = v).empty(); }},
    {"--host", "[ADDRESS:]PORT", "host an online game on PORT (47360 is the usual one) and wait for a friend",
     [](CommandLineOptions& o, const std::string& v) {
         const size_t colon = v.rfind(':');
         if (colon != std::string::npos) o.hostAddress = v.substr(0, colon);
         return ParseCount(v.substr(colon == std::string::npos ? 0 : colon + 1), o.hostPort) && o.hostPort <= 65535;
     }},
    {"--join", "ADDRESS", "join an online game at ADDRESS or ADDRESS:PORT",
     [](CommandLineOptions& o, const std::string& v) { return !(o.joinAddress = v).empty(); }},
    {"--input-delay", "N", "online input delay in frames, 1 to 8 (default 3; the host's counts)",
     [](CommandLineOptions& o, const std::string& v) { return ParseCount(v, o.inputDelay) && o.inputDelay <= 8; }},
    {"--computer", "STRENGTH", "online: the computer plays this machine's seat (easy, normal or hard)",
     [](CommandLineOptions& o, const std::string& v) {
         return (v == "easy" || v == "normal" || v == "hard") && !(o.computerStrength = v).empty();
     }},
    {"--level", "LEVEL", "online host: both games start in LEVEL (egg, foodcourt, runner, boss) and end at its result",
     [](CommandLineOptions& o, const std::string& v) { return !(o.onlineLevel = v).empty(); }},
    {"--seed", "N", "online host: the seed both games start from (default: from the clock)",
     [](CommandLineOptions& o, const std::string& v) { return ParseCount(v, o.onlineSeed); }},
    {"--headless", nullptr, "online: no window and no sound, frames as fast as both games go (for tests)",
     [](CommandLineOptions& o, const std::string&) { return o.headless = true; }},
    // Takes the rest of the command line as its operands (ParseCommandLine).
    {"--simulate", "LEVEL BIRD_A BIRD_B STRENGTH_A STRENGTH_B MATCHES [SEED]",
     "play computer players' matches headless, print wins, losses and draws",
     [](CommandLineOptions&, const std::string&) { return true; }},
};

constexpr size_t kSimulateOperands = 6;

const Flag* FindFlag(const std::string& name) {
    for (const Flag& flag : kFlags)
        if (name == flag.name) return &flag;
    return nullptr;
}

}  // namespace

CommandLineResult ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLineResult result;
    for (size_t i = 0; i < arguments.size(); ++i) {
        std::string name = arguments[i];
        std::string value;
        bool inlineValue = false;
        // "--flag=value" as well as "--flag value".
        const size_t equals = name.find('=');
        if (name.rfind("--", 0) == 0 && equals != std::string::npos) {
            value = name.substr(equals + 1);
            name = name.substr(0, equals);
            inlineValue = true;
        }
        const Flag* flag = FindFlag(name);
        if (!flag) {
            result.error = "Unknown option: " + arguments[i];
            return result;
        }
        if (name == "--simulate" && !inlineValue) {
            const std::vector<std::string> rest(arguments.begin() + static_cast<long>(i) + 1, arguments.end());
            if (rest.size() != kSimulateOperands && rest.size() != kSimulateOperands + 1) {
                result.error = std::string("Option --simulate needs ") + flag->value;
                return result;
            }
            result.options.simulate = rest;
            break;
        }
        if (flag->value && !inlineValue) {
            if (i + 1 >= arguments.size()) {
                result.error = "Option " + name + " needs a value (" + flag->value + ")";
                return result;
            }
            value = arguments[++i];
        } else if (!flag->value && inlineValue) {
            result.error = "Option " + name + " takes no value";
            return result;
        }
        if (!flag->apply(result.options, value)) {
            result.error = "Option " + name + " has an unusable value: " + value;
            return result;
        }
    }
    if (!result.options.recordPath.empty() && !result.options.replayPath.empty())
        result.error = "Options --record and --replay cannot be used together";
    const bool online = result.options.hostPort != 0 || !result.options.joinAddress.empty();
    if (result.options.hostPort != 0 && !result.options.joinAddress.empty())
        result.error = "Options --host and --join cannot be used together";
    else if (online && !result.options.replayPath.empty())
        result.error = "Option --replay plays on one machine: not with --host or --join";
    if (result.error.empty() && !online && !result.options.computerStrength.empty())
        result.error = "Option --computer plays an online seat: give --host or --join too";
    if (result.error.empty() && !online && result.options.headless)
        result.error = "Option --headless runs an online game: give --host or --join too";
    if (result.error.empty() && result.options.hostPort == 0 &&
        (!result.options.onlineLevel.empty() || result.options.onlineSeed != 0))
        result.error = "Options --level and --seed are the host's choice: give --host too";
    if (result.error.empty() && !result.options.simulate.empty() &&
        (online || !result.options.recordPath.empty() || !result.options.replayPath.empty()))
        result.error = "Option --simulate plays on its own: not with --record, --replay, --host or --join";
    return result;
}

std::string CommandLineUsage(const std::string& program) {
    std::ostringstream out;
    out << "Usage: " << program << " [options]\n";
    for (const Flag& flag : kFlags) {
        std::string left = std::string("  ") + flag.name;
        if (flag.value) left += std::string(" ") + flag.value;
        if (left.size() < 26) left.resize(26, ' ');
        else left += "\n" + std::string(26, ' ');
        out << left << flag.help << "\n";
    }
    return out.str();
}

std::string VersionLine() { return std::string("tolvex ") + TOLVEX_VERSION; }

}  // namespace Engine

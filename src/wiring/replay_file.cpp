#include "wiring/replay_file.h"

#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <istream>
#include <ostream>
#include <sstream>

namespace Engine {

namespace {

const char kMagic[] = "tolvex-replay";

// The pad fields after "pN", in the order a line lists them.
enum PadField { kButtons, kLeftTrigger, kRightTrigger, kThumbLX, kThumbLY, kThumbRX, kThumbRY, kFieldCount };
const char* const kFieldNames[kFieldCount] = {"b", "lt", "rt", "lx", "ly", "rx", "ry"};

long FieldOf(const PadFrame& pad, int field) {
    switch (field) {
        case kButtons: return pad.buttons;
        case kLeftTrigger: return pad.leftTrigger;
        case kRightTrigger: return pad.rightTrigger;
        case kThumbLX: return pad.thumbLX;
        case kThumbLY: return pad.thumbLY;
        case kThumbRX: return pad.thumbRX;
        default: return pad.thumbRY;
    }
}

// False when the value does not fit the field.
bool SetField(PadFrame& pad, int field, long value) {
    const bool trigger = field == kLeftTrigger || field == kRightTrigger;
    const long low = field == kButtons || trigger ? 0 : -32768;
    const long high = field == kButtons ? 0xFFFF : trigger ? 255 : 32767;
    if (value < low || value > high) return false;
    switch (field) {
        case kButtons: pad.buttons = static_cast<uint16_t>(value); break;
        case kLeftTrigger: pad.leftTrigger = static_cast<uint8_t>(value); break;
        case kRightTrigger: pad.rightTrigger = static_cast<uint8_t>(value); break;
        case kThumbLX: pad.thumbLX = static_cast<int16_t>(value); break;
        case kThumbLY: pad.thumbLY = static_cast<int16_t>(value); break;
        case kThumbRX: pad.thumbRX = static_cast<int16_t>(value); break;
        default: pad.thumbRY = static_cast<int16_t>(value); break;
    }
    return true;
}

bool ParseLong(const std::string& text, int base, long& out) {
    if (text.empty() || text[0] == '+' || text[0] == ' ') return false;
    errno = 0;
    char* end = nullptr;
    out = std::strtol(text.c_str(), &end, base);
    return errno == 0 && end && *end == '\0';
}

bool ParseDouble(const std::string& text, double& out) {
    if (text.empty()) return false;
    errno = 0;
    char* end = nullptr;
    out = std::strtod(text.c_str(), &end);
    return errno == 0 && end && *end == '\0' && out == out;
}

std::string FormatDouble(double value) {
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

std::string Hex(long value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "%0*lx", digits, value);
    return text;
}

// Applies one token of a frame line; false with `why` set when it is not one.
bool ApplyToken(const std::string& token, ReplayFrame& frame, std::string& why) {
    if (token == "focus+" || token == "focus-") {
        frame.focusEvents.push_back(token.back() == '+');
        return true;
    }
    if ((token[0] == '+' || token[0] == '-') && token.size() == 3) {
        long key = 0;
        if (!ParseLong(token.substr(1), 16, key) || key < 0 || key >= InputFrame::kKeyCount) {
            why = "bad key '" + token + "'";
            return false;
        }
        frame.input.keys[key] = token[0] == '+';
        return true;
    }
    if (token.rfind("mouse=", 0) == 0) {
        std::istringstream parts(token.substr(6));
        std::string x, y, w, h, rest;
        double px = 0.0, py = 0.0;
        long width = 0, height = 0;
        if (!std::getline(parts, x, ',') || !std::getline(parts, y, ',') || !std::getline(parts, w, ',') ||
            !std::getline(parts, h, ',') || std::getline(parts, rest) || !ParseDouble(x, px) ||
            !ParseDouble(y, py) || !ParseLong(w, 10, width) || !ParseLong(h, 10, height) || width < 0 ||
            height < 0 || width > 1 << 20 || height > 1 << 20) {
            why = "bad mouse entry '" + token + "'";
            return false;
        }
        frame.hasPointer = true;
        frame.pointer = {px, py, static_cast<int>(width), static_cast<int>(height)};
        return true;
    }
    if (token.size() >= 3 && token[0] == 'p' && token[1] >= '0' && token[1] < '0' + PadStateSource::kSlotCount) {
        PadFrame& pad = frame.input.pads[token[1] - '0'];
        const std::string rest = token.substr(2);
        if (rest == "+" || rest == "-") {
            pad = PadFrame{};
            pad.plugged = rest == "+";
            return true;
        }
        const size_t equals = rest.find('=');
        for (int field = 0; field < kFieldCount && equals != std::string::npos; ++field) {
            if (rest.compare(0, equals, kFieldNames[field]) != 0) continue;
            long value = 0;
            if (!ParseLong(rest.substr(equals + 1), field == kButtons ? 16 : 10, value) ||
                !SetField(pad, field, value)) {
                why = "bad pad value '" + token + "'";
                return false;
            }
            if (!pad.plugged) {
                why = "pad " + std::string(1, token[1]) + " is not plugged in: '" + token + "'";
                return false;
            }
            return true;
        }
    }
    why = "unknown entry '" + token + "'";
    return false;
}

}  // namespace

ReplayWriter::ReplayWriter(std::ostream& out, const ReplayHeader& header) : out_(out) {
    out_ << kMagic << " " << kReplayFormatVersion << "\n"
         << "seed " << header.seed << "\n"
         << "start " << header.start << "\n"
         << "focus " << (header.focused ? 1 : 0) << "\n";
}

void ReplayWriter::Write(const ReplayFrame& frame) {
    if (finished_) return;
    std::string line;
    auto add = [&line](const std::string& token) {
        if (!line.empty()) line += ' ';
        line += token;
    };
    for (bool focused : frame.focusEvents) add(focused ? "focus+" : "focus-");
    for (int key = 0; key < InputFrame::kKeyCount; ++key)
        if (frame.input.keys[key] != previous_.input.keys[key])
            add((frame.input.keys[key] ? "+" : "-") + Hex(key, 2));
    for (int slot = 0; slot < PadStateSource::kSlotCount; ++slot) {
        const PadFrame& now = frame.input.pads[slot];
        PadFrame before = previous_.input.pads[slot];
        const std::string pad = "p" + std::to_string(slot);
        if (now.plugged != before.plugged) {
            add(pad + (now.plugged ? "+" : "-"));
            before = PadFrame{};
        }
        if (!now.plugged) continue;
        for (int field = 0; field < kFieldCount; ++field) {
            const long value = FieldOf(now, field);
            if (value == FieldOf(before, field)) continue;
            add(pad + kFieldNames[field] + "=" + (field == kButtons ? Hex(value, 4) : std::to_string(value)));
        }
    }
    if (frame.hasPointer && (!previous_.hasPointer || frame.pointer != previous_.pointer))
        add("mouse=" + FormatDouble(frame.pointer.x) + "," + FormatDouble(frame.pointer.y) + "," +
            std::to_string(frame.pointer.width) + "," + std::to_string(frame.pointer.height));
    out_ << (line.empty() ? "." : line) << "\n";
    previous_ = frame;
    previous_.focusEvents.clear();
    ++frames_;
}

void ReplayWriter::Finish() {
    if (finished_) return;
    out_ << "end " << frames_ << "\n";
    out_.flush();
    finished_ = true;
}

ReplayReadResult ReadReplay(std::istream& in, const std::string& name) {
    ReplayReadResult result;
    int lineNumber = 0;
    std::string line;
    auto fail = [&](const std::string& why) {
        result.error = name + ": line " + std::to_string(lineNumber) + ": " + why;
        result.replay.frames.clear();
        return result;
    };
    auto next = [&]() {
        if (!std::getline(in, line)) return false;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        return true;
    };

    if (!next()) {
        lineNumber = 1;
        return fail("empty file, not a recording");
    }
    {
        std::istringstream first(line);
        std::string magic, version, rest;
        long number = 0;
        first >> magic >> version;
        if (magic != kMagic || !ParseLong(version, 10, number) || (first >> rest))
            return fail("not a recording (its first line should be '" + std::string(kMagic) + " " +
                        std::to_string(kReplayFormatVersion) + "')");
        if (number != kReplayFormatVersion) {
            result.error = name + ": recorded by replay format " + version + "; this game reads format " +
                           std::to_string(kReplayFormatVersion);
            return result;
        }
    }
    // The header: seed, start, focus, in this order.
    ReplayHeader& header = result.replay.header;
    if (!next()) return fail("the recording stops in its header (cut short?)");
    long seed = 0;
    if (line.rfind("seed ", 0) != 0 || !ParseLong(line.substr(5), 10, seed) || seed < 0 || seed > 0xFFFFFFFFL)
        return fail("expected 'seed <0..4294967295>', found '" + line + "'");
    header.seed = static_cast<uint32_t>(seed);
    if (!next()) return fail("the recording stops in its header (cut short?)");
    if (line.rfind("start ", 0) != 0 || line.size() <= 6) return fail("expected 'start <boot or level>', found '" + line + "'");
    header.start = line.substr(6);
    if (!next()) return fail("the recording stops in its header (cut short?)");
    if (line != "focus 0" && line != "focus 1") return fail("expected 'focus 0' or 'focus 1', found '" + line + "'");
    header.focused = line == "focus 1";

    ReplayFrame frame;
    for (;;) {
        if (!next()) {
            ++lineNumber;
            return fail("the recording stops before its 'end' line (cut short?)");
        }
        if (line.rfind("end ", 0) == 0) {
            long count = 0;
            if (!ParseLong(line.substr(4), 10, count)) return fail("bad frame count in '" + line + "'");
            if (count != static_cast<long>(result.replay.frames.size()))
                return fail("'end' counts " + std::to_string(count) + " frames, the recording holds " +
                            std::to_string(result.replay.frames.size()));
            break;
        }
        frame.focusEvents.clear();
        if (line != ".") {
            std::istringstream tokens(line);
            std::string token, why;
            bool any = false;
            while (tokens >> token) {
                any = true;
                if (!ApplyToken(token, frame, why)) return fail(why);
            }
            if (!any) return fail("empty frame line (a frame without changes is '.')");
        }
        result.replay.frames.push_back(frame);
    }
    while (next())
        if (!line.empty()) return fail("text after the 'end' line");
    return result;
}

ReplayReadResult ReadReplayFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        ReplayReadResult result;
        result.error = path + ": cannot open the recording";
        return result;
    }
    return ReadReplay(in, path);
}

}  // namespace Engine

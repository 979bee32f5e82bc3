#pragma once
// The recording format: a header, then one line per frame holding what changed
// in the input since the frame before, then an "end" line with the frame count.
// docs/replay.md describes it line by line.

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

#include "input/input_frame.h"

namespace Engine {

constexpr int kReplayFormatVersion = 1;

// Where the mouse pointer was, in the graphics system's client pixels, and the
// client area it was measured in (a click lands through both).
struct ReplayPointer {
    double x = 0.0;
    double y = 0.0;
    int width = 0;
    int height = 0;
    bool operator==(const ReplayPointer& o) const {
        return x == o.x && y == o.y && width == o.width && height == o.height;
    }
    bool operator!=(const ReplayPointer& o) const { return !(*this == o); }
};

// One frame's complete input (not only the changes).
struct ReplayFrame {
    InputFrame input;
    // Focus changes the window announced before this frame's input was read, in order.
    std::vector<bool> focusEvents;
    bool hasPointer = false;
    ReplayPointer pointer;
};

struct ReplayHeader {
    // The random source's state when the first frame began.
    uint32_t seed = 1;
    // "boot": the recording starts with the game's first frame. Otherwise the
    // path of the level a test harness had just loaded when it began.
    std::string start = "boot";
    // Whether the input system answered (the window had the focus) at the start.
    bool focused = false;
};

struct Replay {
    ReplayHeader header;
    std::vector<ReplayFrame> frames;
};

// Writes the header at once, then one line per Write; Finish writes the "end" line.
class ReplayWriter {
public:
    ReplayWriter(std::ostream& out, const ReplayHeader& header);
    void Write(const ReplayFrame& frame);
    void Finish();
    int frames() const { return frames_; }
    bool finished() const { return finished_; }

private:
    std::ostream& out_;
    ReplayFrame previous_;
    int frames_ = 0;
    bool finished_ = false;
};

struct ReplayReadResult {
    Replay replay;
    // Empty when the recording was read; otherwise one line naming the file (and
    // the line number where the damage is).
    std::string error;
    bool ok() const { return error.empty(); }
};

// `name` is what the error lines call the file.
ReplayReadResult ReadReplay(std::istream& in, const std::string& name);
ReplayReadResult ReadReplayFile(const std::string& path);

}  // namespace Engine

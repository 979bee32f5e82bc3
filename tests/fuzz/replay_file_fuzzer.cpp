// libFuzzer target for the recording reader, which takes a file a player hands
// to --replay: any input is read or refused with one line, never a crash, and a
// recording that reads writes back to text that reads to the same recording.
#include "fuzz_support.h"

#include <sstream>

#include "wiring/replay_file.h"

namespace {

bool SameFrames(const Engine::Replay& a, const Engine::Replay& b) {
    if (a.frames.size() != b.frames.size()) return false;
    for (size_t i = 0; i < a.frames.size(); ++i) {
        const Engine::ReplayFrame& x = a.frames[i];
        const Engine::ReplayFrame& y = b.frames[i];
        if (x.input != y.input || x.focusEvents != y.focusEvents || x.hasPointer != y.hasPointer) return false;
        if (x.hasPointer && x.pointer != y.pointer) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    const Engine::ReplayReadResult read = Engine::ReadReplay(in, "fuzz.replay");
    if (!read.ok()) {
        FuzzSupport::Require(read.error.find('\n') == std::string::npos, "a refusal is one line");
        return 0;
    }
    std::ostringstream out;
    Engine::ReplayWriter writer(out, read.replay.header);
    for (const Engine::ReplayFrame& frame : read.replay.frames) writer.Write(frame);
    writer.Finish();

    std::istringstream again(out.str());
    const Engine::ReplayReadResult reread = Engine::ReadReplay(again, "rewritten.replay");
    FuzzSupport::Require(reread.ok(), "a recording that reads writes back to one that reads");
    const Engine::ReplayHeader& h1 = read.replay.header;
    const Engine::ReplayHeader& h2 = reread.replay.header;
    FuzzSupport::Require(h1.seed == h2.seed && h1.start == h2.start && h1.focused == h2.focused,
                         "the header reads back equal");
    FuzzSupport::Require(SameFrames(read.replay, reread.replay), "every frame reads back equal");
    return 0;
}

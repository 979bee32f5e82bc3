#pragma once

#include <memory>
#include <ostream>
#include <vector>

#include "core/system.h"
#include "input/input_frame.h"
#include "wiring/replay_file.h"

namespace Engine {

// Writes one recording line per frame: the input the frame sources read this
// frame (the shared InputFrame), the focus changes broadcast since the line
// before, and the mouse pointer the graphics system holds. Registered after
// every other system, so its line describes the frame that just ran.
class InputRecorder : public System {
public:
    InputRecorder(std::unique_ptr<std::ostream> out, const ReplayHeader& header,
                  std::shared_ptr<const InputFrame> frame);
    ~InputRecorder() override;
    InputRecorder(const InputRecorder&) = delete;
    InputRecorder& operator=(const InputRecorder&) = delete;

    bool Initialize() override { return true; }
    void Update(float dt) override;
    void SendMessage(Message* message) override;

    // Writes the "end" line and flushes; later frames are not written. False when
    // the file could not be written (then or at any frame before).
    bool Finish();
    int frames() const { return writer_.frames(); }

private:
    std::unique_ptr<std::ostream> out_;
    ReplayWriter writer_;
    std::shared_ptr<const InputFrame> frame_;
    std::vector<bool> focusEvents_;
};

}  // namespace Engine

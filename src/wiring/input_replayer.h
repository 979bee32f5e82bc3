#pragma once

#include <memory>

#include "core/system.h"
#include "input/input_frame.h"
#include "wiring/replay_file.h"

namespace Engine {

// Plays a recording back, one recorded frame per frame: broadcasts the frame's
// focus changes, puts its keys and pads in the shared InputFrame the frame
// sources answer from, and gives the graphics system the recorded mouse
// pointer. Registered before every other system, where the window would be.
// Once the recording is over it changes nothing more.
class InputReplayer : public System {
public:
    InputReplayer(Replay replay, std::shared_ptr<InputFrame> frame);

    bool Initialize() override { return true; }
    void Update(float dt) override;

    int played() const { return played_; }
    int total() const { return static_cast<int>(replay_.frames.size()); }
    bool finished() const { return played_ >= total(); }
    const ReplayHeader& header() const { return replay_.header; }

private:
    Replay replay_;
    std::shared_ptr<InputFrame> frame_;
    int played_ = 0;
};

}  // namespace Engine

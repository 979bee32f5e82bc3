#pragma once

#include <memory>

#include "input/input_frame.h"
#include "input/key_state_source.h"

namespace Engine {

// Answers key queries from a shared InputFrame. With a device behind it, each
// BeginFrame first asks the device for every key code and stores the answers in
// the frame (so the frame holds exactly what the game saw that frame); without
// one, it answers whatever someone else put in the frame (a replay).
class FrameKeySource : public KeyStateSource {
public:
    explicit FrameKeySource(std::shared_ptr<InputFrame> frame, std::unique_ptr<KeyStateSource> device = nullptr);

    bool IsDown(VirtualKey key) const override;
    void BeginFrame() override;

private:
    std::shared_ptr<InputFrame> frame_;
    std::unique_ptr<KeyStateSource> device_;
};

}  // namespace Engine

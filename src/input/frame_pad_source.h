#pragma once

#include <array>
#include <memory>

#include "input/input_frame.h"
#include "input/pad_state_source.h"

namespace Engine {

// Answers controller reads from a shared InputFrame. With a device behind it,
// each BeginFrame first reads all four slots into the frame; without one, it
// answers whatever someone else put in the frame (a replay). A slot's packet
// number grows whenever its state changes, counted here, so it is the same
// whether the frame came from a device or from a file. Motor speeds go to the
// device when there is one.
class FramePadSource : public PadStateSource {
public:
    explicit FramePadSource(std::shared_ptr<InputFrame> frame, std::unique_ptr<PadStateSource> device = nullptr);

    bool Read(int userIndex, GamepadState& out) override;
    void SetMotors(int userIndex, uint16_t low, uint16_t high) override;
    void BeginFrame() override;

private:
    struct Seen {
        PadFrame pad;
        uint32_t packetNumber = 0;
    };
    std::shared_ptr<InputFrame> frame_;
    std::unique_ptr<PadStateSource> device_;
    std::array<Seen, kSlotCount> seen_{};
};

}  // namespace Engine

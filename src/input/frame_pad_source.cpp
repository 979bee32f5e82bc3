#include "input/frame_pad_source.h"

namespace Engine {

namespace {

PadFrame FromState(const GamepadState& state) {
    PadFrame pad;
    pad.plugged = true;
    pad.buttons = state.buttons;
    pad.leftTrigger = state.leftTrigger;
    pad.rightTrigger = state.rightTrigger;
    pad.thumbLX = state.thumbLX;
    pad.thumbLY = state.thumbLY;
    pad.thumbRX = state.thumbRX;
    pad.thumbRY = state.thumbRY;
    return pad;
}

}  // namespace

FramePadSource::FramePadSource(std::shared_ptr<InputFrame> frame, std::unique_ptr<PadStateSource> device)
    : frame_(frame ? std::move(frame) : std::make_shared<InputFrame>()), device_(std::move(device)) {}

bool FramePadSource::Read(int userIndex, GamepadState& out) {
    if (userIndex < 0 || userIndex >= kSlotCount) return false;
    const PadFrame& pad = frame_->pads[userIndex];
    if (!pad.plugged) return false;
    Seen& seen = seen_[userIndex];
    if (pad != seen.pad) {
        seen.pad = pad;
        ++seen.packetNumber;
    }
    out.packetNumber = seen.packetNumber;
    out.buttons = pad.buttons;
    out.leftTrigger = pad.leftTrigger;
    out.rightTrigger = pad.rightTrigger;
    out.thumbLX = pad.thumbLX;
    out.thumbLY = pad.thumbLY;
    out.thumbRX = pad.thumbRX;
    out.thumbRY = pad.thumbRY;
    return true;
}

void FramePadSource::SetMotors(int userIndex, uint16_t low, uint16_t high) {
    if (device_) device_->SetMotors(userIndex, low, high);
}

void FramePadSource::BeginFrame() {
    if (!device_) return;
    device_->BeginFrame();
    for (int slot = 0; slot < kSlotCount; ++slot) {
        GamepadState state;
        frame_->pads[slot] = device_->Read(slot, state) ? FromState(state) : PadFrame{};
    }
}

}  // namespace Engine

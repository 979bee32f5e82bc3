#include "input/frame_key_source.h"

namespace Engine {

FrameKeySource::FrameKeySource(std::shared_ptr<InputFrame> frame, std::unique_ptr<KeyStateSource> device)
    : frame_(frame ? std::move(frame) : std::make_shared<InputFrame>()), device_(std::move(device)) {}

bool FrameKeySource::IsDown(VirtualKey key) const { return key < InputFrame::kKeyCount && frame_->keys[key]; }

void FrameKeySource::BeginFrame() {
    if (!device_) return;
    device_->BeginFrame();
    for (int key = 0; key < InputFrame::kKeyCount; ++key)
        frame_->keys[key] = device_->IsDown(static_cast<VirtualKey>(key));
}

}  // namespace Engine

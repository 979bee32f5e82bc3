#include "wiring/input_replayer.h"

#include "core/core.h"
#include "core/message.h"
#include "graphics/graphics.h"

namespace Engine {

InputReplayer::InputReplayer(Replay replay, std::shared_ptr<InputFrame> frame)
    : replay_(std::move(replay)), frame_(std::move(frame)) {}

void InputReplayer::Update(float) {
    if (finished()) return;
    const ReplayFrame& recorded = replay_.frames[played_++];
    for (bool focused : recorded.focusEvents) {
        FocusMessage focus(focused);
        if (Core::instance) Core::instance->BroadcastMessage(&focus);
    }
    if (frame_) *frame_ = recorded.input;
    if (graphics::Graphics* g = graphics::Graphics::instance; g && recorded.hasPointer) {
        g->SetMousePosition(recorded.pointer.x, recorded.pointer.y);
        g->clientWidth = recorded.pointer.width;
        g->clientHeight = recorded.pointer.height;
    }
}

}  // namespace Engine

#include "wiring/input_recorder.h"

#include "core/message.h"
#include "graphics/graphics.h"

namespace Engine {

InputRecorder::InputRecorder(std::unique_ptr<std::ostream> out, const ReplayHeader& header,
                             std::shared_ptr<const InputFrame> frame)
    : out_(std::move(out)), writer_(*out_, header), frame_(std::move(frame)) {}

InputRecorder::~InputRecorder() { Finish(); }

void InputRecorder::Update(float) {
    ReplayFrame line;
    if (frame_) line.input = *frame_;
    line.focusEvents.swap(focusEvents_);
    if (const graphics::Graphics* g = graphics::Graphics::instance) {
        line.hasPointer = true;
        line.pointer = {g->mouseX, g->mouseY, g->clientWidth, g->clientHeight};
    }
    writer_.Write(line);
}

void InputRecorder::SendMessage(Message* message) {
    if (message && message->id == kFocusMessage && !writer_.finished())
        focusEvents_.push_back(static_cast<FocusMessage*>(message)->focused);
}

bool InputRecorder::Finish() {
    writer_.Finish();
    return static_cast<bool>(*out_);
}

}  // namespace Engine

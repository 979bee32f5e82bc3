#include "input/input.h"

#include "input/sdl_gamepad_source.h"
#include "input/sdl_key_state_source.h"

namespace Engine {

Input* Input::instance = nullptr;

namespace {

// A code never recorded counts as up.
bool Recorded(const Input::KeyMap& map, VirtualKey key) {
    const auto it = map.find(key);
    return it != map.end() && it->second;
}

bool RecordDown(Input::KeyMap& current, VirtualKey key, bool down) {
    current[key] = down;
    return down;
}

// Consumes the edge of one key: only that key's entry is brought up to date, so
// an edge another key still holds stays for its own query.
void ConsumeEdge(const Input::KeyMap& current, Input::KeyMap& previous, VirtualKey key) {
    previous[key] = Recorded(current, key);
}

bool RecordTriggered(Input::KeyMap& current, Input::KeyMap& previous, VirtualKey key, bool down) {
    current[key] = down;
    if (!down || Recorded(previous, key)) return false;
    ConsumeEdge(current, previous, key);
    return true;
}

bool RecordReleased(Input::KeyMap& current, Input::KeyMap& previous, VirtualKey key) {
    if (Recorded(current, key) || !Recorded(previous, key)) return false;
    ConsumeEdge(current, previous, key);
    return true;
}

bool IsMouseButton(VirtualKey button) { return button == VK_LBUTTON || button == VK_RBUTTON; }

}  // namespace

Input::Input() : Input(std::make_unique<SdlKeyStateSource>(), std::make_unique<SdlGamepadSource>()) {}

Input::Input(std::unique_ptr<KeyStateSource> keySource, std::unique_ptr<PadStateSource> padSource)
    : keySource_(std::move(keySource)), padSource_(std::move(padSource)) {
    instance = this;
}

Input::~Input() {
    if (instance == this) instance = nullptr;
}

void Input::SetKeyStateSource(std::unique_ptr<KeyStateSource> source) {
    if (source) keySource_ = std::move(source);
}

void Input::SetPadStateSource(std::unique_ptr<PadStateSource> source) {
    if (source) padSource_ = std::move(source);
}

void Input::Update(float) {
    keySource_->BeginFrame();
    padSource_->BeginFrame();
    if (!active) return;
    previousKeys = keys;
    previousMouseButtons = mouseButtons;
}

void Input::SendMessage(Message* message) {
    if (message && message->id == kFocusMessage) active = static_cast<FocusMessage*>(message)->focused;
}

bool Input::IsKeyDown(VirtualKey key) {
    if (!active) return false;
    return RecordDown(keys, key, keySource_->IsDown(key));
}

bool Input::IsKeyTriggered(VirtualKey key) {
    if (!active) return false;
    return RecordTriggered(keys, previousKeys, key, keySource_->IsDown(key));
}

bool Input::IsKeyReleased(VirtualKey key) {
    if (!active) return false;
    return RecordReleased(keys, previousKeys, key);
}

bool Input::IsMouseDown(VirtualKey button) {
    if (!active || !IsMouseButton(button)) return false;
    return RecordDown(mouseButtons, button, keySource_->IsDown(button));
}

bool Input::IsMouseTriggered(VirtualKey button) {
    if (!active || !IsMouseButton(button)) return false;
    return RecordTriggered(mouseButtons, previousMouseButtons, button, keySource_->IsDown(button));
}

bool Input::IsMouseReleased(VirtualKey button) {
    if (!active || !IsMouseButton(button)) return false;
    return RecordReleased(mouseButtons, previousMouseButtons, button);
}

}  // namespace Engine

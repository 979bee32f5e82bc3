#include "input/scripted_pad_source.h"

namespace Engine {

bool ScriptedPadSource::Read(int userIndex, GamepadState& out) {
    if (!IsPlugged(userIndex)) return false;
    out = slots_[userIndex].state;
    return true;
}

void ScriptedPadSource::SetMotors(int userIndex, uint16_t low, uint16_t high) {
    if (!IsPlugged(userIndex)) return;  // like a real slot: nobody there to shake
    slots_[userIndex].motors = {low, high};
}

void ScriptedPadSource::Plug(int userIndex) {
    if (!Valid(userIndex) || slots_[userIndex].plugged) return;
    slots_[userIndex] = Slot{};
    slots_[userIndex].plugged = true;
}

void ScriptedPadSource::Unplug(int userIndex) {
    if (Valid(userIndex)) slots_[userIndex] = Slot{};
}

bool ScriptedPadSource::IsPlugged(int userIndex) const { return Valid(userIndex) && slots_[userIndex].plugged; }

GamepadState* ScriptedPadSource::State(int userIndex) {
    if (!Valid(userIndex)) return nullptr;
    Plug(userIndex);
    return &slots_[userIndex].state;
}

void ScriptedPadSource::SetButton(int userIndex, uint16_t bit, bool down) {
    GamepadState* state = State(userIndex);
    if (!state) return;
    state->buttons = down ? static_cast<uint16_t>(state->buttons | bit) : static_cast<uint16_t>(state->buttons & ~bit);
    ++state->packetNumber;
}

ScriptedPadSource::Motors ScriptedPadSource::MotorsOf(int userIndex) const {
    return IsPlugged(userIndex) ? slots_[userIndex].motors : Motors{};
}

}  // namespace Engine

#pragma once

#include <array>

#include "input/pad_state_source.h"

namespace Engine {

// Four controller slots whose states tests and the headless harness set by
// hand. Slots start unplugged.
class ScriptedPadSource : public PadStateSource {
public:
    struct Motors {
        uint16_t low = 0;
        uint16_t high = 0;
    };

    bool Read(int userIndex, GamepadState& out) override;
    void SetMotors(int userIndex, uint16_t low, uint16_t high) override;

    // Plugging in starts from a centred pad with nothing pressed.
    void Plug(int userIndex);
    void Unplug(int userIndex);
    bool IsPlugged(int userIndex) const;
    // The state the slot reports; plugs the slot in. Null for a bad index.
    GamepadState* State(int userIndex);
    void SetButton(int userIndex, uint16_t bit, bool down);
    // Motor speeds last asked for; zero for an unplugged or bad slot.
    Motors MotorsOf(int userIndex) const;

private:
    struct Slot {
        bool plugged = false;
        GamepadState state;
        Motors motors;
    };
    static bool Valid(int userIndex) { return userIndex >= 0 && userIndex < kSlotCount; }
    std::array<Slot, kSlotCount> slots_{};
};

}  // namespace Engine

#pragma once

#include <cstdint>

#include "input/gamepad_state.h"

namespace Engine {

// Where gamepads read their controllers, by user index 0..3. The game reads
// SDL's game controllers; tests and the headless harness script the states.
class PadStateSource {
public:
    static constexpr int kSlotCount = 4;

    virtual ~PadStateSource() = default;
    // Fills `out` with the controller's state and answers true, or leaves
    // `out` untouched and answers false when no controller sits in that slot.
    virtual bool Read(int userIndex, GamepadState& out) = 0;
    // Motor speeds (low-frequency, high-frequency) that last until changed.
    virtual void SetMotors(int userIndex, uint16_t low, uint16_t high) = 0;
    // Once a frame, before any script runs.
    virtual void BeginFrame() {}
};

}  // namespace Engine

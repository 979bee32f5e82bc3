#pragma once

#include <array>
#include <cstdint>

#include "input/gamepad_state.h"

namespace Engine {

// One controller as seen by one owner. A plain value: scripts hold their own
// copies for the player numbers they care about and Poll() them at the start
// of their update, so two scripts reading the same controller see the same
// presses independently. Everything answers false or 0, and polling changes
// nothing, while the input system is inactive. An absent controller reads as
// nothing pressed, triggers up and sticks centred.
class Gamepad {
public:
    static constexpr int16_t kDeadZone = 7849;

    // `playerNumber` 1..4 reads controller slot playerNumber - 1.
    explicit Gamepad(int playerNumber = 1) : userIndex(playerNumber - 1) {}

    void Poll();

    bool IsButtonDown(int button) const;
    // Down now and up at the poll before; consumes the edge, so a second query
    // of the same button before the next poll answers false.
    bool IsButtonTriggered(int button);
    // Up now and down at the poll before; then all buttons count as seen.
    bool IsButtonReleased(int button);
    // Button A went down since the poll before; consumes nothing.
    bool IsATriggered() const;
    bool IsLeftTriggerTriggered();
    bool IsRightTriggerTriggered();

    // -1 (left, down) .. just below 1 (right, up).
    float LeftStickX() const;
    float LeftStickY() const;
    // Both left-stick axes within -kDeadZone..kDeadZone.
    bool LeftStickInDeadZone() const;

    // Motor speeds 0..1 (left = low-frequency, right = high-frequency) that
    // last until changed; (0, 0) stops them. Works while input is inactive,
    // so a pad can always be stilled.
    void Vibrate(float left, float right) const;

    // Whether a controller sits in this pad's slot right now.
    bool IsConnected() const;

    int32_t userIndex;
    int32_t buttonCount = kGamepadButtonCount;
    std::array<bool, kGamepadButtonCount> previousButtons{};
    std::array<bool, kGamepadButtonCount> buttons{};
    bool previousLeftTrigger = false;
    bool previousRightTrigger = false;
    bool leftTrigger = false;
    bool rightTrigger = false;
    GamepadState state;

private:
    static bool ValidButton(int button) { return button >= 0 && button < kGamepadButtonCount; }
};

// A motor speed 0..1 in the platform's 16-bit units, truncated; values
// outside 0..1 are held to it.
uint16_t MotorSpeed(float fraction);

}  // namespace Engine

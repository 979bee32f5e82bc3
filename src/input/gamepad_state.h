#pragma once
// One controller's state as the game reads it: the classic XInput layout,
// whatever the platform API behind it.

#include <cstdint>

namespace Engine {

struct GamepadState {
    uint32_t packetNumber = 0;  // grows whenever the state changes
    uint16_t buttons = 0;       // bits below
    uint8_t leftTrigger = 0;    // 0..255
    uint8_t rightTrigger = 0;
    int16_t thumbLX = 0;  // -32768..32767, right positive
    int16_t thumbLY = 0;  // up positive
    int16_t thumbRX = 0;
    int16_t thumbRY = 0;
};

// Button bits of GamepadState::buttons.
namespace PadBits {
constexpr uint16_t kDpadUp = 0x0001;
constexpr uint16_t kDpadDown = 0x0002;
constexpr uint16_t kDpadLeft = 0x0004;
constexpr uint16_t kDpadRight = 0x0008;
constexpr uint16_t kStart = 0x0010;
constexpr uint16_t kBack = 0x0020;
constexpr uint16_t kLeftThumb = 0x0040;
constexpr uint16_t kRightThumb = 0x0080;
constexpr uint16_t kLeftShoulder = 0x0100;
constexpr uint16_t kRightShoulder = 0x0200;
constexpr uint16_t kA = 0x1000;
constexpr uint16_t kB = 0x2000;
constexpr uint16_t kX = 0x4000;
constexpr uint16_t kY = 0x8000;
}  // namespace PadBits

// Button indices as every caller numbers them.
enum GamepadButton : int {
    kButtonA = 0,
    kButtonB = 1,
    kButtonX = 2,
    kButtonY = 3,
    kButtonDpadUp = 4,
    kButtonDpadDown = 5,
    kButtonDpadLeft = 6,
    kButtonDpadRight = 7,
    kButtonLeftShoulder = 8,
    kButtonRightShoulder = 9,
    kButtonLeftThumb = 10,
    kButtonRightThumb = 11,
    kButtonStart = 12,
    kButtonBack = 13,
};

constexpr int kGamepadButtonCount = 14;

// Index -> bit, in the order above.
constexpr uint16_t kGamepadButtonMasks[kGamepadButtonCount] = {
    PadBits::kA,           PadBits::kB,         PadBits::kX,          PadBits::kY,
    PadBits::kDpadUp,      PadBits::kDpadDown,  PadBits::kDpadLeft,   PadBits::kDpadRight,
    PadBits::kLeftShoulder, PadBits::kRightShoulder, PadBits::kLeftThumb, PadBits::kRightThumb,
    PadBits::kStart,       PadBits::kBack,
};

}  // namespace Engine

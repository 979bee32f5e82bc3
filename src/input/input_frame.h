#pragma once
// Everything the input system reads from its devices in one frame: which keys
// and mouse buttons are down and what each controller slot holds. The frame
// sources (frame_key_source.h, frame_pad_source.h) answer from one of these, so
// a frame can be written down and fed back later exactly as it was read.

#include <array>
#include <bitset>
#include <cstdint>

#include "input/gamepad_state.h"
#include "input/pad_state_source.h"
#include "input/virtual_keys.h"

namespace Engine {

struct PadFrame {
    bool plugged = false;
    uint16_t buttons = 0;
    uint8_t leftTrigger = 0;
    uint8_t rightTrigger = 0;
    int16_t thumbLX = 0;
    int16_t thumbLY = 0;
    int16_t thumbRX = 0;
    int16_t thumbRY = 0;

    bool operator==(const PadFrame& o) const {
        return plugged == o.plugged && buttons == o.buttons && leftTrigger == o.leftTrigger &&
               rightTrigger == o.rightTrigger && thumbLX == o.thumbLX && thumbLY == o.thumbLY &&
               thumbRX == o.thumbRX && thumbRY == o.thumbRY;
    }
    bool operator!=(const PadFrame& o) const { return !(*this == o); }
};

struct InputFrame {
    // Virtual-key codes 0..255 (VK_LBUTTON and VK_RBUTTON are the mouse).
    static constexpr int kKeyCount = 256;

    std::bitset<kKeyCount> keys;
    std::array<PadFrame, PadStateSource::kSlotCount> pads{};

    bool operator==(const InputFrame& o) const { return keys == o.keys && pads == o.pads; }
    bool operator!=(const InputFrame& o) const { return !(*this == o); }
};

}  // namespace Engine

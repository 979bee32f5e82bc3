#pragma once
// SDL's game-controller readings in the game's controller layout.

#include <cstdint>

namespace Engine {

// SDL's stick y grows downwards, the game's upwards. Negating -32768 does not
// fit in 16 bits, so full deflection down becomes 32767.
constexpr int16_t StickYUpwards(int16_t sdlY) {
    return sdlY == INT16_MIN ? INT16_MAX : static_cast<int16_t>(-sdlY);
}

// SDL triggers run 0..32767; the game's run 0..255. Rounded, so the lightest
// touch a byte can express (1) survives the round trip.
constexpr uint8_t TriggerByte(int16_t sdlTrigger) {
    return sdlTrigger <= 0 ? 0 : static_cast<uint8_t>((sdlTrigger * 255 + 16383) / 32767);
}

}  // namespace Engine

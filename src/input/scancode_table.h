#pragma once
// The translation between SDL's physical key positions (scancodes) and the
// virtual-key codes the game is written against. SDL has no such table of its
// own, so every key the game names must appear in scancode_table.cpp.

#include <SDL2/SDL_scancode.h>

#include <cstddef>
#include <cstdint>

#include "input/virtual_keys.h"

namespace Engine {

struct ScancodeBinding {
    SDL_Scancode scancode;
    VirtualKey key;
};

struct ScancodeTable {
    const ScancodeBinding* entries;
    size_t count;
    const ScancodeBinding* begin() const { return entries; }
    const ScancodeBinding* end() const { return entries + count; }
};

// Every binding. Several scancodes may share a code (Return and keypad Enter).
ScancodeTable AllScancodeBindings();

// The code of one physical key; modifiers keep their side (VK_LSHIFT, not
// VK_SHIFT). 0 when the key has no code.
VirtualKey VirtualKeyForScancode(SDL_Scancode scancode);

// The code a key-down message carries: like VirtualKeyForScancode, but Shift,
// Control and Alt are reported without their side, as key messages do.
VirtualKey MessageVirtualKeyForScancode(SDL_Scancode scancode);

// Whether the key `key` is down in a keyboard snapshot laid out like
// SDL_GetKeyboardState's array (`count` entries, non-zero = down). The
// side-less modifier codes are down when either side is.
bool IsVirtualKeyDown(const uint8_t* keyboardState, int count, VirtualKey key);

// For VK_SHIFT, VK_CONTROL and VK_MENU: whether `sided` is one of its two
// sided codes. False for every other pair.
bool IsSideOfModifier(VirtualKey generic, VirtualKey sided);

}  // namespace Engine

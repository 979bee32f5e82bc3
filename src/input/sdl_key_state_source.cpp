#include "input/sdl_key_state_source.h"

#include <SDL2/SDL_keyboard.h>
#include <SDL2/SDL_mouse.h>

#include "input/scancode_table.h"

namespace Engine {

bool SdlKeyStateSource::IsDown(VirtualKey key) const {
    // Only the left and right buttons are read through the mouse.
    if (key == VK_LBUTTON) return (SDL_GetMouseState(nullptr, nullptr) & SDL_BUTTON_LMASK) != 0;
    if (key == VK_RBUTTON) return (SDL_GetMouseState(nullptr, nullptr) & SDL_BUTTON_RMASK) != 0;
    int count = 0;
    const uint8_t* state = SDL_GetKeyboardState(&count);
    return IsVirtualKeyDown(state, count, key);
}

}  // namespace Engine

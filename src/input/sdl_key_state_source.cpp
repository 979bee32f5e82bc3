#include "input/sdl_key_state_source.h"

#include <SDL2/SDL_keyboard.h>
#include <SDL2/SDL_mouse.h>

#include "input/scancode_table.h"

namespace Engine {

bool IsFullscreenChord(const SDL_Keysym& key) {
    return (key.scancode == SDL_SCANCODE_RETURN || key.scancode == SDL_SCANCODE_KP_ENTER) && (key.mod & KMOD_ALT) != 0;
}

SdlKeyStateSource::SdlKeyStateSource() { SDL_AddEventWatch(&SdlKeyStateSource::WatchKeyDowns, this); }

SdlKeyStateSource::~SdlKeyStateSource() { SDL_DelEventWatch(&SdlKeyStateSource::WatchKeyDowns, this); }

int SdlKeyStateSource::WatchKeyDowns(void* self, SDL_Event* event) {
    if (event->type == SDL_KEYDOWN) {
        const int scancode = event->key.keysym.scancode;
        if (IsFullscreenChord(event->key.keysym)) return 0;
        if (scancode > 0 && scancode < SDL_NUM_SCANCODES)
            static_cast<SdlKeyStateSource*>(self)->pressedDuringPump_[scancode] = 1;
    }
    return 0;
}

void SdlKeyStateSource::BeginFrame() {
    int count = 0;
    const uint8_t* state = SDL_GetKeyboardState(&count);
    for (int i = 0; i < SDL_NUM_SCANCODES; ++i)
        frameState_[i] = (i < count && state[i]) || pressedDuringPump_[i] ? 1 : 0;
    pressedDuringPump_.fill(0);
    // Alt+Enter switches full screen (the window's); the game does not see the Enter.
    if (frameState_[SDL_SCANCODE_LALT] || frameState_[SDL_SCANCODE_RALT]) {
        frameState_[SDL_SCANCODE_RETURN] = 0;
        frameState_[SDL_SCANCODE_KP_ENTER] = 0;
    }
}

bool SdlKeyStateSource::IsDown(VirtualKey key) const {
    // Only the left and right buttons are read through the mouse.
    if (key == VK_LBUTTON) return (SDL_GetMouseState(nullptr, nullptr) & SDL_BUTTON_LMASK) != 0;
    if (key == VK_RBUTTON) return (SDL_GetMouseState(nullptr, nullptr) & SDL_BUTTON_RMASK) != 0;
    return IsVirtualKeyDown(frameState_.data(), SDL_NUM_SCANCODES, key);
}

}  // namespace Engine

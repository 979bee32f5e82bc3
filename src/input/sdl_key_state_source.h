#pragma once

#include <SDL2/SDL_events.h>
#include <SDL2/SDL_scancode.h>

#include <array>
#include <cstdint>

#include "input/key_state_source.h"

namespace Engine {

// Alt+Enter (either Enter), the full-screen switch.
bool IsFullscreenChord(const SDL_Keysym& key);

// Reads SDL's keyboard and mouse state, as the window's last event pump left it.
// A key pressed and released again within one pump would never be seen down by
// a state read, so key-downs seen during the pump count as down for that frame.
class SdlKeyStateSource : public KeyStateSource {
public:
    SdlKeyStateSource();
    ~SdlKeyStateSource() override;
    SdlKeyStateSource(const SdlKeyStateSource&) = delete;
    SdlKeyStateSource& operator=(const SdlKeyStateSource&) = delete;

    bool IsDown(VirtualKey key) const override;
    void BeginFrame() override;

private:
    static int WatchKeyDowns(void* self, SDL_Event* event);

    std::array<uint8_t, SDL_NUM_SCANCODES> pressedDuringPump_{};
    std::array<uint8_t, SDL_NUM_SCANCODES> frameState_{};
};

}  // namespace Engine

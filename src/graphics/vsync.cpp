#include "graphics/vsync.h"

#include <SDL.h>

namespace Engine::graphics {

void ApplyVsync(bool on) {
    if (!SDL_GL_GetCurrentContext()) return;
    if (!on)
        SDL_GL_SetSwapInterval(0);
    else if (SDL_GL_SetSwapInterval(-1) != 0)
        SDL_GL_SetSwapInterval(1);
}

}  // namespace Engine::graphics

#pragma once

#include "core/system.h"

struct SDL_Window;

namespace Engine {

// The application window. This form only pumps SDL's event queue, so that a quit
// request (window close, Ctrl+C, SIGTERM) ends the frame loop.
class Window : public System {
public:
    Window();
    ~Window() override;
    bool Initialize() override;
    void Update(float dt) override;

    static Window* instance;

    // Created by Initialize; the graphics system makes its GL context on it.
    SDL_Window* sdlWindow = nullptr;

private:
    bool sdlStarted_ = false;
};

}  // namespace Engine

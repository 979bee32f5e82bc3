#pragma once

#include "core/system.h"

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

private:
    bool sdlStarted_ = false;
};

}  // namespace Engine

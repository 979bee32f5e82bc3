#pragma once
// The Dear ImGui debug overlay on the game window: set up with the GL context,
// its frame opened by the game logic and drawn last by the graphics system.

struct SDL_Window;

namespace Engine::graphics {

class DebugOverlay {
public:
    DebugOverlay() = default;
    ~DebugOverlay() { Stop(); }
    DebugOverlay(const DebugOverlay&) = delete;
    DebugOverlay& operator=(const DebugOverlay&) = delete;

    // Creates the ImGui context and its SDL2 and OpenGL 3 back ends; false on failure.
    bool Start(SDL_Window* window, void* glContext);
    // Shuts the back ends and the context down; Start may be called again.
    void Stop();
    // Opens a frame; does nothing before Start or while a frame is open.
    void BeginFrame();
    // Closes the open frame: drawn when `draw`, otherwise dropped.
    void FinishFrame(bool draw);
    bool running() const { return running_; }
    bool frameOpen() const { return frameOpen_; }

private:
    bool created_ = false;
    bool running_ = false;
    bool frameOpen_ = false;
    bool sdlBackend_ = false;
    bool glBackend_ = false;
};

}  // namespace Engine::graphics

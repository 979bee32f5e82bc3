#pragma once

#include <string>

#include "core/system.h"
#include "window/window_properties.h"

struct SDL_Window;
union SDL_Event;

namespace Engine {

// The application window on SDL2: created centred from the window properties,
// pumped once a frame. It turns key-downs and dropped files into messages for the
// game logic, focus changes into a broadcast focus message (sound mutes, a match
// pauses, input switches off), the mouse into a position for the graphics system
// and the wheel into the editor's zoom. Alt+Enter switches full screen, as F1
// does. A lost display ends the game like a quit.
class Window : public System {
public:
    static constexpr int kMinimumWidth = 852;
    static constexpr int kMinimumHeight = 480;
    // Client size used when the properties give none.
    static constexpr int kFallbackWidth = 1280;
    static constexpr int kFallbackHeight = 720;

    explicit Window(const WindowProperties& properties);
    ~Window() override;
    bool Initialize() override;
    // The message pump.
    void Update(float dt) override;

    // Borderless full screen on the window's display, remembering the windowed place.
    void EnterFullscreen();
    // Back to the window's remembered place and size (the F1 way).
    void LeaveFullscreen();
    // Back to a window of the configured size centred on the screen (the options way).
    void LeaveFullscreenCentred();
    bool IsFullscreen() const;

    // Handles one event as the pump does; tests feed events through it too.
    void HandleEvent(const SDL_Event& event);

    static Window* instance;

    std::string title;
    int width;
    int height;
    SDL_Window* sdlWindow = nullptr;
    // Last cursor position in window points (the graphics system gets drawable pixels).
    int cursorX = 0;
    int cursorY = 0;
    // Window position and size taken when full screen was entered.
    int savedX = 0, savedY = 0, savedWidth = 0, savedHeight = 0;
    bool focused = false;
    // The connection to the display server broke: no further calls reach it.
    bool displayLost = false;

    // What the display's I/O error handler calls: stops the frame loop.
    void OnDisplayLost();

private:
    void WatchDisplay();
    void StopWatchingDisplay();
    void BroadcastFocus(bool gained);
    void OnFocusLost();
    void OnFocusGained();
    void OnWheel(int direction);
    void OnMouseMove(int x, int y);
    void OnResize();
    void LoadIcon();

    bool sdlStarted_ = false;
    // The X display whose loss this window reports (a Display*), while it does.
    void* watchedDisplay_ = nullptr;
    // Whether any focus change has been seen yet.
    bool focusKnown_ = false;
};

// Shows a message box where a display exists and always prints the text.
void ShowFailure(const std::string& text);

}  // namespace Engine

#include "window/window.h"

#include <GL/glew.h>
#include <SDL.h>
#include <SDL_syswm.h>
#include <SOIL/SOIL.h>
#include <imgui.h>
#include <imgui_impl_sdl.h>

#include <iostream>

#include "core/core.h"
#include "core/editor_mode.h"
#include "graphics/camera.h"
#include "graphics/graphics.h"
#include "graphics/overlay_mouse.h"
#include "input/scancode_table.h"
#include "input/sdl_key_state_source.h"
#include "logic/game_logic.h"

namespace Engine {

Window* Window::instance = nullptr;

namespace {

constexpr const char* kIconPath = "Resources/icon.png";

bool OverlayBackendReady() {
    return ImGui::GetCurrentContext() && ImGui::GetIO().BackendPlatformUserData != nullptr;
}

}  // namespace

void ShowFailure(const std::string& text) {
    std::cout << text << std::endl;
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "", text.c_str(), nullptr);
}

Window::Window(const WindowProperties& properties)
    : title(properties.title), width(properties.width), height(properties.height) {
    instance = this;
    if (width <= 0 || height <= 0) {
        std::cout << "Window size " << width << " x " << height << " is unusable; using " << kFallbackWidth << " x "
                  << kFallbackHeight << std::endl;
        width = kFallbackWidth;
        height = kFallbackHeight;
    }
}

Window::~Window() {
    StopWatchingDisplay();
    graphics::Graphics* graphics = graphics::Graphics::instance;
    if (displayLost) {
        // Nothing may talk to a display server that is gone: the window, the GL
        // context and SDL's video state go with the process.
        if (graphics) graphics->DisplayLost();
    } else if (graphics && sdlWindow && graphics->window() == sdlWindow) {
        // Still drawn into: the graphics system lets it go after its GL context.
        graphics->TakeWindow(sdlWindow, sdlStarted_);
    } else {
        if (sdlWindow) SDL_DestroyWindow(sdlWindow);
        if (sdlStarted_) SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
    }
    if (instance == this) instance = nullptr;
}

bool Window::Initialize() {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        ShowFailure("Failed to register window class");
        std::cout << SDL_GetError() << std::endl;
        return false;
    }
    sdlStarted_ = true;
    // The graphics system makes an OpenGL 3.3 core context on this window.
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    sdlWindow = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height,
                                 SDL_WINDOW_OPENGL | SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI);
    if (!sdlWindow) {
        ShowFailure("Failed to create window");
        std::cout << SDL_GetError() << std::endl;
        return false;
    }
    SDL_SetWindowMinimumSize(sdlWindow, kMinimumWidth, kMinimumHeight);
    WatchDisplay();
    SDL_EventState(SDL_DROPFILE, SDL_ENABLE);
    LoadIcon();
    SDL_ShowWindow(sdlWindow);
    SDL_RaiseWindow(sdlWindow);
    SDL_SetWindowInputFocus(sdlWindow);
    return true;
}

void Window::WatchDisplay() {
#if defined(SDL_VIDEO_DRIVER_X11)
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(sdlWindow, &info) || info.subsystem != SDL_SYSWM_X11 || !info.info.x11.display) return;
    // Xlib's default answer to a lost connection is exit(), which would end the
    // process from inside the event pump, with static destructors running in an
    // order nobody chose. Both handlers return instead: Xlib then fails every
    // further call on the display, and the frame loop ends the game normally.
    // (The I/O error handler is Xlib's one per process; the default one exits.)
    XSetIOErrorHandler([](Display*) { return 0; });
    XSetIOErrorExitHandler(
        info.info.x11.display, [](Display*, void* window) { static_cast<Window*>(window)->OnDisplayLost(); }, this);
    watchedDisplay_ = info.info.x11.display;
#endif
}

void Window::StopWatchingDisplay() {
#if defined(SDL_VIDEO_DRIVER_X11)
    // The display may outlive the window (the graphics system closes it): a loss
    // from now on is only let through, never reported to a window that is gone.
    if (watchedDisplay_)
        XSetIOErrorExitHandler(static_cast<Display*>(watchedDisplay_), [](Display*, void*) {}, nullptr);
#endif
    watchedDisplay_ = nullptr;
}

void Window::OnDisplayLost() {
    if (displayLost) return;
    displayLost = true;
    std::cout << "The display connection was lost; quitting" << std::endl;
    if (graphics::Graphics* graphics = graphics::Graphics::instance) graphics->DisplayLost();
    if (Core::instance) Core::instance->active = false;
}

void Window::LoadIcon() {
    int w = 0, h = 0, channels = 0;
    unsigned char* pixels = SOIL_load_image(kIconPath, &w, &h, &channels, SOIL_LOAD_RGBA);
    if (!pixels) return;  // the platform's default icon stays
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(pixels, w, h, 32, w * 4, SDL_PIXELFORMAT_RGBA32);
    if (surface) {
        SDL_SetWindowIcon(sdlWindow, surface);
        SDL_FreeSurface(surface);
    }
    SOIL_free_image_data(pixels);
}

void Window::Update(float) {
    if (displayLost) return;
    SDL_Event event;
    while (SDL_PollEvent(&event)) HandleEvent(event);
    // A window that was just shown counts as active even when no focus event
    // arrives: X servers without a window manager never send one.
    if (!focusKnown_) OnFocusGained();
}

void Window::HandleEvent(const SDL_Event& event) {
    if (OverlayBackendReady()) ImGui_ImplSDL2_ProcessEvent(&event);
    GameLogic* logic = GameLogic::instance;
    switch (event.type) {
        case SDL_QUIT:
            if (Core::instance) {
                Message quit(kQuitMessage);
                Core::instance->BroadcastMessage(&quit);
            }
            break;
        case SDL_KEYDOWN:
            if (IsFullscreenChord(event.key.keysym)) {
                // Held down, the chord repeats: one switch per press.
                if (logic && !event.key.repeat) logic->ToggleFullscreen();
                break;
            }
            if (logic) {
                CharKeyMessage key(MessageVirtualKeyForScancode(event.key.keysym.scancode), true);
                logic->SendMessage(&key);
            }
            break;
        case SDL_MOUSEWHEEL: {
            int direction = event.wheel.y > 0 ? 1 : event.wheel.y < 0 ? -1 : 0;
            if (event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED) direction = -direction;
            if (direction != 0) OnWheel(direction);
            break;
        }
        case SDL_MOUSEMOTION:
            OnMouseMove(event.motion.x, event.motion.y);
            break;
        case SDL_DROPFILE:
            if (event.drop.file) {
                // The whole path goes on, however long: no fixed buffer to overflow.
                FileDraggedMessage dropped(event.drop.file);
                SDL_free(event.drop.file);
                if (logic) logic->SendMessage(&dropped);
            }
            break;
        case SDL_WINDOWEVENT:
            switch (event.window.event) {
                case SDL_WINDOWEVENT_FOCUS_LOST: OnFocusLost(); break;
                case SDL_WINDOWEVENT_FOCUS_GAINED: OnFocusGained(); break;
                case SDL_WINDOWEVENT_SIZE_CHANGED:
                case SDL_WINDOWEVENT_EXPOSED: OnResize(); break;
                default: break;
            }
            break;
        default:
            break;
    }
}

void Window::BroadcastFocus(bool gained) {
    FocusMessage message(gained);
    if (Core::instance) Core::instance->BroadcastMessage(&message);
}

void Window::OnFocusLost() {
    focusKnown_ = true;
    focused = false;
    std::cout << "OUT" << std::endl;
    // Sound goes silent, a match pauses, input stops answering.
    BroadcastFocus(false);
    SDL_ShowCursor(SDL_ENABLE);
}

void Window::OnFocusGained() {
    focusKnown_ = true;
    focused = true;
    BroadcastFocus(true);
    // The editor works with the mouse, so only play hides the cursor.
    SDL_ShowCursor(EditorMode() ? SDL_ENABLE : SDL_DISABLE);
}

void Window::OnWheel(int direction) {
    graphics::Camera* camera = graphics::Camera::main;
    if (!EditorMode() || !camera || graphics::OverlayWantsMouse()) return;
    float& w = camera->worldWidth;
    float& h = camera->worldHeight;
    if (direction > 0) {
        if (w - 1.0f < 32.0f || h - 1.0f < 18.0f) return;
        w -= 1.0f;
        h -= 1.0f;
    } else {
        if (!(w + 1.0f < 64.0f) || !(h + 1.0f < 50.0f)) return;
        w += 1.0f;
        h += 1.0f;
    }
    if (graphics::Graphics* g = graphics::Graphics::instance) g->ShiftGrid(direction < 0);
}

void Window::OnMouseMove(int x, int y) {
    cursorX = x;
    cursorY = y;
    // Events come in window points, the graphics system measures its client area
    // in drawable pixels; on a high-density display the two differ.
    double scaleX = 1.0, scaleY = 1.0;
    if (sdlWindow) {
        int pointsW = 0, pointsH = 0, pixelsW = 0, pixelsH = 0;
        SDL_GetWindowSize(sdlWindow, &pointsW, &pointsH);
        SDL_GL_GetDrawableSize(sdlWindow, &pixelsW, &pixelsH);
        if (pointsW > 0 && pointsH > 0 && pixelsW > 0 && pixelsH > 0) {
            scaleX = double(pixelsW) / pointsW;
            scaleY = double(pixelsH) / pointsH;
        }
    }
    if (graphics::Graphics* g = graphics::Graphics::instance) g->SetMousePosition(x * scaleX, y * scaleY);
}

void Window::OnResize() {
    if (!sdlWindow) return;
    int w = 0, h = 0;
    SDL_GL_GetDrawableSize(sdlWindow, &w, &h);
    if (w <= 0 || h <= 0) SDL_GetWindowSize(sdlWindow, &w, &h);
    if (graphics::Graphics* g = graphics::Graphics::instance) g->Resize(w, h);
}

bool Window::IsFullscreen() const {
    return sdlWindow && (SDL_GetWindowFlags(sdlWindow) & SDL_WINDOW_FULLSCREEN_DESKTOP) == SDL_WINDOW_FULLSCREEN_DESKTOP;
}

void Window::EnterFullscreen() {
    if (!sdlWindow) return;
    if (!IsFullscreen()) {
        SDL_GetWindowPosition(sdlWindow, &savedX, &savedY);
        SDL_GetWindowSize(sdlWindow, &savedWidth, &savedHeight);
    }
    SDL_SetWindowFullscreen(sdlWindow, SDL_WINDOW_FULLSCREEN_DESKTOP);
    SDL_ShowWindow(sdlWindow);
    OnResize();
}

void Window::LeaveFullscreen() {
    if (!sdlWindow) return;
    SDL_SetWindowFullscreen(sdlWindow, 0);
    if (savedWidth > 0 && savedHeight > 0) {
        SDL_SetWindowSize(sdlWindow, savedWidth, savedHeight);
        SDL_SetWindowPosition(sdlWindow, savedX, savedY);
    }
    OnResize();
}

void Window::LeaveFullscreenCentred() {
    if (!sdlWindow) return;
    SDL_SetWindowFullscreen(sdlWindow, 0);
    SDL_SetWindowSize(sdlWindow, width, height);
    SDL_SetWindowPosition(sdlWindow, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    SDL_GetWindowPosition(sdlWindow, &savedX, &savedY);
    savedWidth = width;
    savedHeight = height;
    OnResize();
}

}  // namespace Engine

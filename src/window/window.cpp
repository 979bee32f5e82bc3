#include "window/window.h"

#include <SDL.h>

#include <iostream>

#include "core/core.h"

namespace Engine {

Window* Window::instance = nullptr;

Window::Window() { instance = this; }

Window::~Window() {
    if (sdlStarted_) SDL_QuitSubSystem(SDL_INIT_EVENTS);
    if (instance == this) instance = nullptr;
}

bool Window::Initialize() {
    if (SDL_InitSubSystem(SDL_INIT_EVENTS) != 0) {
        std::cout << "Failed to create window: " << SDL_GetError() << std::endl;
        return false;
    }
    sdlStarted_ = true;
    return true;
}

void Window::Update(float) {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (event.type == SDL_QUIT && Core::instance) {
            Message quit(kQuitMessage);
            Core::instance->BroadcastMessage(&quit);
        }
    }
}

}  // namespace Engine

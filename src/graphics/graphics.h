#pragma once

#include <string>
#include <vector>

#include "core/system.h"

struct SDL_Window;

namespace Engine::graphics {

class Renderable2D;
class ParticleSystem;

// The graphics system. This minimal form keeps the world layer's renderables in
// draw order and the running emitters; drawing arrives with the renderer.
// `window` points at the window system's SDL window, which exists once the window
// has initialised; a null pointer (or null window) means headless: no GL at all.
class Graphics : public System {
public:
    Graphics(SDL_Window* const* window, int width, int height, const std::string& baseDirectory);
    ~Graphics() override;
    void Update(float dt) override;

    static Graphics* instance;

    // Adds a renderable to the world layer and keeps the layer sorted by order.
    void AddToWorld(Renderable2D* renderable);
    // Takes a renderable out of whichever layer holds it.
    void RemoveRenderable(Renderable2D* renderable);
    // Empties every layer except hidden renderables, and the emitter list.
    void ClearLayers();
    void SortLayers();
    // Rebuilds the editor's grid lines for a new level.
    void RedrawGrid() {}
    // Moves the editor grid after a wheel zoom; `widen` when the view grew.
    void ShiftGrid(bool /*widen*/) {}
    // The client area changed size (drawable pixels).
    void Resize(int width, int height) {
        clientWidth = width;
        clientHeight = height;
    }
    // The cursor, in client pixels, for the editor and the buttons.
    void SetMousePosition(double x, double y) {
        mouseX = x;
        mouseY = y;
    }
    double mouseX = 0.0;
    double mouseY = 0.0;

    std::vector<Renderable2D*> worldLayer;
    std::vector<ParticleSystem*> particleSystems;
    int clientWidth = 0;
    int clientHeight = 0;
};

}  // namespace Engine::graphics

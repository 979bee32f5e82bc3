#include "graphics/graphics.h"

#include <algorithm>

#include "graphics/particle_system.h"
#include "graphics/renderable2d.h"

namespace Engine::graphics {

Graphics* Graphics::instance = nullptr;

Graphics::Graphics(SDL_Window* const*, int width, int height, const std::string&) : clientWidth(width), clientHeight(height) {
    instance = this;
}

Graphics::~Graphics() {
    if (instance == this) instance = nullptr;
}

void Graphics::Update(float dt) {
    for (Renderable2D* renderable : worldLayer) renderable->Update(dt);
}

void Graphics::AddToWorld(Renderable2D* renderable) {
    worldLayer.push_back(renderable);
    SortLayers();
}

void Graphics::RemoveRenderable(Renderable2D* renderable) {
    worldLayer.erase(std::remove(worldLayer.begin(), worldLayer.end(), renderable), worldLayer.end());
}

void Graphics::ClearLayers() {
    worldLayer.erase(std::remove_if(worldLayer.begin(), worldLayer.end(),
                                    [](const Renderable2D* r) { return !r->hidden; }),
                     worldLayer.end());
    particleSystems.clear();
}

void Graphics::SortLayers() {
    std::stable_sort(worldLayer.begin(), worldLayer.end(),
                     [](const Renderable2D* a, const Renderable2D* b) { return a->order < b->order; });
}

}  // namespace Engine::graphics

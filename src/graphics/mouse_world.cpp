#include "graphics/mouse_world.h"

#include "graphics/camera.h"
#include "graphics/graphics.h"

namespace Engine::graphics {

WorldPoint ClientToWorld(double pixelX, double pixelY, int clientWidth, int clientHeight) {
    const Camera* camera = Camera::main;
    const double w = clientWidth > 0 ? clientWidth : 1, h = clientHeight > 0 ? clientHeight : 1;
    const vec2 world = WorldSize();
    const double viewWidth = (camera ? camera->width : 1.0) * world.x;
    const double viewHeight = (camera ? camera->height : 1.0) * world.y;
    const vec3 centre = camera ? camera->Position() : vec3(0.0f, 0.0f, 0.0f);
    return {centre.x + (pixelX / w - 0.5) * viewWidth, centre.y + (0.5 - pixelY / h) * viewHeight};
}

WorldPoint MouseWorldPosition() {
    const Graphics* g = Graphics::instance;
    if (!g) return {};
    return ClientToWorld(g->mouseX, g->mouseY, g->clientWidth, g->clientHeight);
}

}  // namespace Engine::graphics

#include "graphics/mouse_world.h"

#include "graphics/camera.h"
#include "graphics/graphics.h"
#include "graphics/letterbox.h"

namespace Engine::graphics {

WorldPoint ClientToWorld(double pixelX, double pixelY, int clientWidth, int clientHeight) {
    const Camera* camera = Camera::main;
    // The picture fills only the letterboxed part of the client area; a point in
    // a bar lies beyond the picture's edge.
    Viewport picture = LetterboxViewport(clientWidth, clientHeight);
    if (picture.width <= 0 || picture.height <= 0) picture = {0, 0, 1, 1};
    const double w = picture.width, h = picture.height;
    pixelX -= picture.x;
    pixelY -= clientHeight - picture.y - picture.height;  // the top bar, in y-down pixels
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

#include "graphics/letterbox.h"

#include "graphics/camera.h"

namespace Engine::graphics {

Viewport LetterboxViewport(int clientWidth, int clientHeight) {
    if (clientWidth <= 0 || clientHeight <= 0) return {};
    const double aspect = double(Camera::kWorldWidth) / double(Camera::kWorldHeight);
    Viewport viewport;
    if (double(clientWidth) > clientHeight * aspect) {
        // Wider than the picture: bars left and right.
        viewport.height = clientHeight;
        viewport.width = static_cast<int>(clientHeight * aspect + 0.5);
    } else {
        // Taller (or exactly the shape): bars above and below.
        viewport.width = clientWidth;
        viewport.height = static_cast<int>(clientWidth / aspect + 0.5);
    }
    if (viewport.width > clientWidth) viewport.width = clientWidth;
    if (viewport.height > clientHeight) viewport.height = clientHeight;
    viewport.x = (clientWidth - viewport.width) / 2;
    viewport.y = (clientHeight - viewport.height) / 2;
    return viewport;
}

}  // namespace Engine::graphics

#pragma once
// Where the mouse is in the world. The window stores the cursor in the graphics
// system in client (drawable) pixels, y down from the top; the buttons, the editor
// and the light all turn it into world units through this one conversion, which
// is the exact inverse of what the shaders draw (camera projection x world view
// x camera view), so a click lands on what is under the cursor.

namespace Engine::graphics {

struct WorldPoint {
    double x = 0.0;
    double y = 0.0;
};

// A client pixel in world units for a client area of `clientWidth` x `clientHeight`
// and the main camera (or a camera at the origin with zoom 1 when there is none).
// The picture is letterboxed to 16:9 (graphics/letterbox.h); this follows it.
WorldPoint ClientToWorld(double pixelX, double pixelY, int clientWidth, int clientHeight);

// The mouse position the window last stored, in world units; the origin without
// a graphics system.
WorldPoint MouseWorldPosition();

}  // namespace Engine::graphics

#pragma once
// The main camera's zoom and its standard view, for scripts that pulse or shake
// the screen and must leave it as every level expects it.

#include "core/maths.h"

namespace api {

// The point the camera looks at (x, y) and its depth (z); (0, 0, 1) at rest.
Engine::vec3 CameraPosition();
// Non-finite positions are ignored.
void SetCameraPosition(Engine::vec3 position);

// The main camera's zoom; 1 (the standard view) when there is no camera.
float CameraZoom();
void SetCameraZoom(float zoom);
// Zoom 1 at the centre, and a shake in progress forgotten so the next shake
// starts from the standard view.
void ResetCamera();

}  // namespace api

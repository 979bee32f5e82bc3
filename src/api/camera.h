#pragma once
// The main camera for scripts: where it looks and how far it is zoomed. Every
// function does nothing (or answers the resting view) when there is no camera.

#include "core/maths.h"

namespace api {

// The point the camera looks at (x, y) and its depth (z); (0, 0, 1) at rest.
Engine::vec3 CameraPosition();
void SetCameraPosition(Engine::vec3 position);
float CameraZoom();
void SetCameraZoom(float zoom);
// Zoom 1 looking at (0, 0, 1): the view every menu is laid out for.
void ResetCamera();

}  // namespace api

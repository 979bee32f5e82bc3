#pragma once
// The main camera's zoom and its standard view, for scripts that pulse or shake
// the screen and must leave it as every level expects it. The functions live
// with the rest of the camera's script functions in api/camera.h.

#include "api/camera.h"

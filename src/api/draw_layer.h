#pragma once
// Putting an object in front of or behind others at run time.

#include <cstdint>

#include "objects/game_obj.h"

namespace api {

// Moves the object to `layer`: its transform's layer and its sprite's drawing
// order, re-sorting the drawn layers when the order changed. Null does nothing.
void SetDrawLayer(Engine::GameObj* object, int32_t layer);

}  // namespace api

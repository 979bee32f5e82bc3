#pragma once
// An object's label as scripts set it up: its font and the render layer it is
// drawn in. A label read from a level or archetype file starts in the default
// font and layer 0.

#include <cstdint>
#include <string>

#include "objects/game_obj.h"

namespace api {

// Gives the object's label the named font at `size` pixels, making that size
// when the font exists in another size only. An unknown font name prints one
// line and leaves the label as it is; a missing label or graphics does nothing.
void SetFont(Engine::GameObj* object, const std::string& fontName, int size);

// Draws the object's label in `layer` (higher in front) and re-sorts the layers
// when that changes the order.
void SetLabelLayer(Engine::GameObj* object, int32_t layer);

}  // namespace api

#pragma once

#include <string>

class TiXmlElement;

namespace Engine {

class GameObj;

// Applies one component element ("Transform", "Rigid_Body", "SpriteRenderer", ...)
// of an archetype or level file to an object. Unknown element names are ignored.
// `file` names the data file in messages about bad input.
void ApplyComponentElement(GameObj& object, const TiXmlElement& element, const std::string& file);

}  // namespace Engine

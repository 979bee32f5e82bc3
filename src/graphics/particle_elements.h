#pragma once

#include <string>

class TiXmlElement;

namespace Engine {
class GameObj;
}

namespace Engine::graphics {

// The "ParticleSystem" element: adds an emitter and configures the object's first one.
void ApplyParticleSystemElement(GameObj& object, const TiXmlElement& element, const std::string& file);

}  // namespace Engine::graphics

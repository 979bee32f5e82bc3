#include "graphics/particle_elements.h"

#include <tinyxml.h>

#include "objects/components.h"
#include "objects/game_obj.h"

namespace Engine::graphics {

// Adds the emitter; its settings are read once emitters run.
void ApplyParticleSystemElement(GameObj& object, const TiXmlElement&, const std::string&) {
    object.AddComponent(kParticleSystemKind);
}

}  // namespace Engine::graphics

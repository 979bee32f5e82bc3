#pragma once
// Draw order, run-time text labels, the main camera and emitters for level
// scripts. Null-safe like the rest of the script API.

#include <cstdint>
#include <string>

#include "api/camera_view.h"  // ResetCamera, for the scripts that include this header
#include "api/script_api.h"

namespace Engine::graphics {
class ParticleSystem;
}

namespace api {

// Puts the object (its transform and its sprite or label) in render layer
// `layer` and re-sorts the layers when that changed the drawing order.
void SetLayer(GameObj* object, int32_t layer);
void SortLayers();

// Spawns `archetype` (an object carrying a label) at `position` and gives its
// label the font `font` at `size` pixels, the colour and the layer. Null (one
// printed line) when the archetype cannot be spawned.
GameObj* SpawnLabel(const std::string& archetype, const std::string& font, int size, vec2 position,
                    uint32_t packedColor, int32_t layer);


// The object's first emitter, made for it when it has none.
Engine::graphics::ParticleSystem* EnsureParticles(GameObj* object);

}  // namespace api

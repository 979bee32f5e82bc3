#include "api/stage.h"

#include "api/labels.h"

#include "graphics/camera.h"
#include "graphics/graphics.h"
#include "graphics/label.h"
#include "graphics/particle_system.h"
#include "graphics/renderable2d.h"

namespace api {

GameObj* SpawnLabel(const std::string& archetype, const std::string& font, int size, vec2 position,
                    uint32_t packedColor, int32_t layer) {
    GameObj* object = Spawn(archetype, position.x, position.y);
    if (!object) return nullptr;
    SetPosition(object, position);
    SetFont(object, font, size);
    SetText(object, "");
    SetTextColor(object, packedColor);
    SetLayer(object, layer);
    return object;
}


Engine::graphics::ParticleSystem* EnsureParticles(GameObj* object) {
    if (!object) return nullptr;
    if (!object->GetParticleSystem()) {
        object->AddComponent(Engine::kParticleSystemKind);
        object->SortComponents();
    }
    return object->GetParticleSystem();
}

}  // namespace api

#include "game/birds/bird_looks.h"

#include "api/drawing.h"
#include "api/script_api.h"

namespace birds {

void SetLayer(Engine::GameObj* object, int32_t layer) {
    if (!object) return;
    object->transform->layer = layer;
    Engine::graphics::Renderable2D* sprite = object->GetSprite();
    if (sprite && sprite->order != layer) {
        sprite->order = layer;
        api::SortLayers();
    }
}

void PlaySheet(Engine::GameObj* object, float frameTime, uint32_t lastFrame) {
    if (!object) return;
    Engine::graphics::Renderable2D* sprite = object->GetSprite();
    if (!sprite) return;
    sprite->SetFrame(1, lastFrame);
    if (Engine::graphics::Animator* animator = object->GetAnimator()) {
        animator->frameTime = frameTime;
        animator->Reset();
        animator->frame = 1;
        animator->elapsed = 0.0f;
        animator->playing = true;
        animator->once = false;
    }
}

uint32_t ColorOf(const Engine::GameObj* object) {
    const Engine::graphics::Renderable2D* sprite = object ? object->GetSprite() : nullptr;
    return sprite ? sprite->color : 0u;
}

void SetAlphaByte(Engine::GameObj* object, uint8_t alpha) {
    if (!object || !object->GetSprite()) return;
    api::SetColor(object, (ColorOf(object) & 0x00FFFFFFu) | static_cast<uint32_t>(alpha) << 24);
}

void SetEmitting(Engine::GameObj* object, bool emitting) {
    if (Engine::graphics::ParticleSystem* particles = object ? object->GetParticleSystem() : nullptr) {
        particles->playing = emitting;
        particles->stopAfterUpdate = false;
    }
}

void EmitOnce(Engine::GameObj* object) {
    if (Engine::graphics::ParticleSystem* particles = object ? object->GetParticleSystem() : nullptr) {
        particles->playing = true;
        particles->stopAfterUpdate = true;
    }
}

}  // namespace birds

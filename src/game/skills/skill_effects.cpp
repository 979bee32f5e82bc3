#include "game/skills/skill_effects.h"

#include "api/drawing.h"
#include "api/script_api.h"

namespace skills {

void ShowSheet(Engine::GameObj* object, const std::string& texture, float frameTime, uint32_t frames) {
    Engine::graphics::Renderable2D* sprite = object ? object->GetSprite() : nullptr;
    if (!sprite || !Engine::graphics::FindTexture(texture)) return;
    api::SetTexture(object, texture);
    sprite->SetFrame(1, frames);
    if (Engine::graphics::Animator* animator = object->GetAnimator()) {
        animator->frameTime = frameTime;
        animator->frame = sprite->startFrame;
        animator->elapsed = 0.0f;
        animator->once = false;
        animator->playing = true;
    }
}

void SortDrawOrder() {
    api::SortLayers();
}

EmitterRef::EmitterRef(Engine::GameObj* object, Engine::graphics::ParticleSystem* emitter)
    : object_(emitter ? object : nullptr), emitter_(object_ ? emitter : nullptr) {}

Engine::graphics::ParticleSystem* EmitterRef::Get() const {
    Engine::GameObj* object = object_.Get();
    if (!object || !emitter_) return nullptr;
    for (const auto& component : object->components)
        if (component.get() == emitter_) return emitter_;
    return nullptr;
}

void EmitterRef::SetEmitting(bool emitting) const {
    if (Engine::graphics::ParticleSystem* emitter = Get()) emitter->playing = emitting;
}

bool EmitterRef::Emitting() const {
    const Engine::graphics::ParticleSystem* emitter = Get();
    return emitter && emitter->playing;
}

void EmitterRef::Place(Engine::vec2 offset, Engine::vec2 size, float degrees) const {
    if (Engine::graphics::ParticleSystem* emitter = Get())
        emitter->SetEmitterTransform({offset.x, offset.y, 0.0f}, size, degrees);
}

void EmitterRef::SetTexture(const std::string& texture) const {
    Engine::graphics::ParticleSystem* emitter = Get();
    Engine::graphics::Texture* picture = Engine::graphics::FindTexture(texture);
    if (emitter && picture) emitter->texture = picture;
}

EmitterRef AddEmitter(Engine::GameObj* object, const EmitterLook& look) {
    if (!object) return {};
    object->AddComponent(Engine::kParticleSystemKind);
    // A new emitter goes after the object's other emitters: take the last one.
    Engine::graphics::ParticleSystem* added = nullptr;
    for (const auto& component : object->components)
        if (component && component->kind == Engine::kParticleSystemKind)
            added = static_cast<Engine::graphics::ParticleSystem*>(component.get());
    if (!added) return {};
    added->interval = look.interval;
    added->maxParticles = look.maxParticles;
    added->particleSize = look.particleSize;
    added->lifespan = look.lifetime;
    added->speed = look.speed;
    added->colorMin = look.colorMin;
    added->colorMax = look.colorMax;
    added->arcA = look.arc;
    added->arcB = look.arc;
    added->reverse = look.reverse;
    added->emitter->layer = look.layer;
    added->playing = look.playing;
    const EmitterRef ref(object, added);
    if (!look.texture.empty()) ref.SetTexture(look.texture);
    return ref;
}

EmitterRef EmitterOf(Engine::GameObj* object) {
    return EmitterRef(object, object ? object->GetParticleSystem() : nullptr);
}

}  // namespace skills

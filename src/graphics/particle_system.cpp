#include "graphics/particle_system.h"

#include <cmath>

#include "graphics/graphics.h"
#include "graphics/texture.h"
#include "objects/game_obj.h"

namespace Engine::graphics {

std::vector<std::unique_ptr<Particles>> particlePool;

Particles::Particles(float x, float y, float vx, float vy)
    : Renderable2D({x, y, 0.0f}, {1.0f, 1.0f}, 0u), particlePos(x, y), velocity(vx, vy) {
    order = 5;
}

ParticleSystem::ParticleSystem(GameObj* owner_) : Components(kParticleSystemKind), owner(owner_) {
    const vec2 at = owner ? owner->transform->position : vec2();
    emitter = std::make_unique<Transform>(0, 1.0f, 1.0f, 0.0f, at.x, at.y);
    texture = FindTexture("Particle_CircleWhite");
}

ParticleSystem::~ParticleSystem() {
    if (Graphics* graphics = Graphics::instance) {
        auto& list = graphics->particleSystems;
        for (auto it = list.begin(); it != list.end(); ++it)
            if (*it == this) {
                list.erase(it);
                break;
            }
    }
}

Components* ParticleSystem::CopyInto(Components* target) {
    if (auto* other = dynamic_cast<ParticleSystem*>(target)) {
        other->interval = interval;
        other->particleSize = particleSize;
        other->direction = direction;
        other->sideDirection = sideDirection;
        other->speed = speed;
        other->arcA = arcA;
        other->arcB = arcB;
        other->texture = texture;
        other->colorMin = colorMin;
        other->colorMax = colorMax;
        other->lifespan = lifespan;
        other->playing = playing;
        other->reverse = reverse;
        other->burst = burst;
        other->shrink = shrink;
        other->shrinkRate = shrinkRate;
        other->maxParticles = maxParticles;
        other->emitter->position = emitter->position;
        other->emitter->scale = emitter->scale;
        other->emitter->rotation = emitter->rotation;
        other->emitter->layer = emitter->layer;
    }
    return target;
}

void ParticleSystem::SetEmitterTransform(const vec3& offset, const vec2& size, float rotation) {
    emitter->position = {offset.x, offset.y};
    emitter->scale = size;
    emitter->rotation = rotation;
    const float r = rotation * kDegreesToRadians;
    direction = {-std::sin(r), std::cos(r)};
    sideDirection = {std::cos(r), std::sin(r)};
}

}  // namespace Engine::graphics

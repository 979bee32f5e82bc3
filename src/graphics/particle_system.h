#pragma once

#include <memory>
#include <vector>

#include "core/maths.h"
#include "graphics/renderable2d.h"
#include "objects/components.h"
#include "objects/transform.h"

namespace Engine {
class GameObj;
}

namespace Engine::graphics {

struct Texture;

// One pooled particle: a renderable that an emitter moves while it lives.
class Particles : public Renderable2D {
public:
    Particles(float x, float y, float vx, float vy);
    vec2 particlePos;
    vec2 velocity;
    float life = 0.0f;
    bool alive = false;
};

// The particle pool, filled once by the factory and never freed during play.
extern std::vector<std::unique_ptr<Particles>> particlePool;

// An emitter of short-lived particles around its owner.
class ParticleSystem : public Components {
public:
    static constexpr int32_t kKind = kParticleSystemKind;

    explicit ParticleSystem(GameObj* owner);
    ~ParticleSystem() override;
    Components* CopyInto(Components* target) override;
    // Places the emission box relative to the owner and turns the emission direction.
    void SetEmitterTransform(const vec3& offset, const vec2& size, float rotation);

    GameObj* owner = nullptr;
    float timer = 0.0f;
    float interval = 0.1f;
    std::vector<Particles*> live;
    std::unique_ptr<Transform> emitter;
    vec2 particleSize{0.1f, 0.1f};
    vec2 direction{0.0f, 1.0f};
    vec2 sideDirection{1.0f, 0.0f};
    float speed = 1.0f;
    float arcA = 180.0f;
    float arcB = 180.0f;
    Texture* texture = nullptr;
    uint32_t colorMin = 0xFFFFFFFF;
    uint32_t colorMax = 0xFFFFFFFF;
    float lifespan = 5.0f;
    bool playing = false;
    bool secondFlag = false;
    bool reverse = false;
    bool burst = false;
    bool stopAfterUpdate = false;
    bool shrink = false;
    float shrinkRate = 1.0f;
    uint32_t maxParticles = 100;
    bool paused = false;
};

}  // namespace Engine::graphics

#pragma once
// Emitters of short-lived textured quads (dust, sparks, feathers) and the pooled
// particles they hand out. Particles come from the graphics system's pool, made
// with the system; an emitter never allocates one.

#include <cstdint>
#include <memory>
#include <vector>

#include "core/maths.h"
#include "core/random.h"
#include "graphics/renderable2d.h"
#include "objects/components.h"
#include "objects/transform.h"

namespace Engine {
class GameObj;
}

namespace Engine::graphics {

struct Texture;
class ParticleSystem;

// One pooled particle: a renderable that an emitter moves while it lives.
class Particles : public Renderable2D {
public:
    // Starts free: invisible (colour 0), at (x, y), drawn at order 5.
    Particles(float x, float y, float vx, float vy);
    // A particle freed while an emitter still holds it leaves that emitter's list.
    ~Particles() override;

    // The emitter moves particles; following an owner does not apply to them.
    void Update(float) override {}
    void AlwaysUpdate(float) override {}
    // Queued only while wholly inside the world view, and only while active.
    void Submit(Renderer2D* renderer) override;
    // Moved every frame, so the usual unturned particle skips the matrix products
    // and gets the same model its base class would compute.
    void UpdateModel() override;

    vec2 particlePos;  // centre, integrated every frame
    vec2 velocity;     // direction x speed, set at emission
    float life = 0.0f;
    bool alive = false;
    // The emitter whose `live` list holds this particle, if any.
    ParticleSystem* holder = nullptr;
};

// An emitter of particles around its owner, updated by the graphics system every
// frame before drawing while it is in the graphics system's list.
class ParticleSystem : public Components {
public:
    static constexpr int32_t kKind = kParticleSystemKind;

    explicit ParticleSystem(GameObj* owner);
    // Hands every live particle back to the pool and leaves the graphics system's list.
    ~ParticleSystem() override;

    // Copies the configuration (not the live particles, the timer or `paused`).
    Components* CopyInto(Components* target) override;
    // Emission (when playing, not paused and the owner is in play) and motion.
    void Update(float dt) override;

    // Places the emission box relative to the owner and turns the emission
    // direction from the old rotation to the new one (degrees). Live particles
    // jump to the new offset and take the box size.
    void SetEmitterTransform(const vec3& offset, const vec2& size, float rotation);
    // Hands every live particle back to the pool at once.
    void ReleaseAll();

    GameObj* owner = nullptr;
    float timer = 0.0f;       // seconds until the next emission
    float interval = 0.1f;    // seconds between emissions; 0 emits every update
    std::vector<Particles*> live;
    std::unique_ptr<Transform> emitter;  // offset from the owner, box size, rotation; layer = particle order
    vec2 particleSize{0.1f, 0.1f};
    vec2 direction{0.0f, 1.0f};
    vec2 sideDirection{1.0f, 0.0f};  // turned with `direction`; emission does not read it
    float speed = 1.0f;
    float arcA = 180.0f;
    float arcB = 180.0f;
    Texture* texture = nullptr;
    uint32_t colorMin = 0xFFFFFFFF;
    uint32_t colorMax = 0xFFFFFFFF;
    float lifespan = 5.0f;
    bool playing = false;
    bool secondFlag = false;  // read from data files; the emitter does not use it
    bool reverse = false;
    bool burst = false;
    bool stopAfterUpdate = false;
    bool shrink = false;
    float shrinkRate = 1.0f;
    uint32_t maxParticles = 100;
    bool paused = false;

private:
    friend class Particles;
    // The first free particle of the pool, or null when every one is in use.
    static Particles* FirstFree();
    // Takes a free particle: emits it and lists it; it joins the world layer
    // with the next launch or at the end of the emission.
    void Launch(Particles& particle);
    void JoinWorld(Particles& particle);
    void Emit(Particles& particle);
    uint32_t RandomColor();
    // Marks the particle free; the caller takes it out of `live` and the layers.
    static void Free(Particles& particle);
    // Takes the given particles out of every main layer in one pass (sorts the list).
    static void LeaveLayers(std::vector<Particles*>& particles);

    Particles* pendingJoin_ = nullptr;
    // Particles that expired during one update, kept so that the per-frame path
    // allocates nothing once the list has grown.
    std::vector<Particles*> expired_;
    // Draws come from the Core's source; this one serves only without a Core.
    Random ownRandom_;
};

// Turns v by `degrees` counter-clockwise.
vec2 Rotated(const vec2& v, float degrees);

}  // namespace Engine::graphics

#include "graphics/particle_system.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "core/color.h"
#include "core/core.h"
#include "graphics/graphics.h"
#include "graphics/layer.h"
#include "graphics/renderer2d.h"
#include "graphics/texture.h"
#include "objects/game_obj.h"

namespace Engine::graphics {

namespace {

// The game's random source: the Core's, so particles draw in step with the
// scripts from one seed. A particle system without a Core (a tool) draws from `own`.
Random& Source(Random& own) { return Core::instance ? Core::instance->random : own; }

// A draw mod n for a range computed from data. A range below 1 (negative box
// sizes or arcs) would divide by zero, and a huge one would not fit an int: both
// are clamped, which leaves every sensible range untouched.
int RandomBelow(Random& source, float range) {
    const float clamped = std::min(std::max(range, 1.0f), 1.0e9f);
    return source.Next() % static_cast<int>(clamped);
}

}  // namespace

vec2 Rotated(const vec2& v, float degrees) {
    const float r = degrees * kDegreesToRadians;
    const float c = std::cos(r), s = std::sin(r);
    return {c * v.x - s * v.y, c * v.y + s * v.x};
}

// ---------------------------------------------------------------- Particles

Particles::Particles(float x, float y, float vx, float vy)
    : Renderable2D({0.0f, 0.0f, 0.0f}, {1.0f, 1.0f}, 0xFFFFFFFF), particlePos(x, y), velocity(vx, vy) {
    color = 0;
    SetPosition({x, y, 0.0f});
    order = 5;
    // A new particle is in no layer yet, so there is nothing to re-sort.
}

Particles::~Particles() {
    if (!holder) return;
    auto& list = holder->live;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
}

void Particles::Submit(Renderer2D* renderer) {
    if (active) renderer->submitCulled(this);
}

void Particles::UpdateModel() {
    if (rotation != 0.0f || owner || pivot) {
        Renderable2D::UpdateModel();
        return;
    }
    // Without rotation the base's translate-rotate-translate product reduces to
    // a translation by (corner - centre) and twice the depth; the corner is
    // computed the same way so the result matches it to the bit.
    const vec2 centre(position.x + size.x * 0.5f, position.y + size.y * 0.5f);
    const vec2 corner(centre.x - size.x * 0.5f, centre.y - size.y * 0.5f);
    rotationMatrix = mat4::identity();
    modelMatrix = mat4::identity();
    modelMatrix.elements[12] = -position.x + corner.x;
    modelMatrix.elements[13] = -position.y + corner.y;
    modelMatrix.elements[14] = position.z + position.z;
    position.x -= size.x * 0.5f;
    position.y -= size.y * 0.5f;
}

// ----------------------------------------------------------- ParticleSystem

ParticleSystem::ParticleSystem(GameObj* owner_) : Components(kParticleSystemKind), owner(owner_) {
    // The emitter transform is an offset from the owner: it starts at no offset.
    emitter = std::make_unique<Transform>(0, 1.0f, 1.0f, 0.0f, 0.0f, 0.0f);
    direction = Rotated(direction, emitter->rotation);
    sideDirection = Rotated(sideDirection, emitter->rotation);
    texture = FindTexture("Particle_CircleWhite");
}

ParticleSystem::~ParticleSystem() {
    ReleaseAll();
    if (Graphics* graphics = Graphics::instance) {
        auto& list = graphics->particleSystems;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
    }
}

void ParticleSystem::ReleaseAll() {
    for (Particles* particle : live) Free(*particle);
    LeaveLayers(live);
    live.clear();
}

void ParticleSystem::Free(Particles& particle) {
    particle.alive = false;
    particle.SetColor(0u);
    particle.life = 0.0f;
    particle.holder = nullptr;
}

void ParticleSystem::LeaveLayers(std::vector<Particles*>& particles) {
    Graphics* graphics = Graphics::instance;
    if (!graphics || particles.empty()) return;
    // One pass over each layer, looking entries up in the sorted list.
    const auto before = [](const Renderable2D* a, const Renderable2D* b) {
        return std::less<const Renderable2D*>()(a, b);
    };
    std::sort(particles.begin(), particles.end(), before);
    auto leaves = [&](const Renderable2D* r) {
        const auto it = std::lower_bound(particles.begin(), particles.end(), r, before);
        return it != particles.end() && static_cast<const Renderable2D*>(*it) == r;
    };
    for (auto& layer : graphics->mainLayers) layer->ForgetWhere(leaves);
}

Components* ParticleSystem::CopyInto(Components* target) {
    auto* other = dynamic_cast<ParticleSystem*>(target);
    if (!other || other == this) return target;
    other->maxParticles = maxParticles;
    // The copy's directions turn from its old rotation to the copied one, so a
    // spawned copy fires where its archetype fires.
    const float oldRotation = other->emitter->rotation;
    *other->emitter = *emitter;
    other->direction = Rotated(Rotated(other->direction, -oldRotation), emitter->rotation);
    other->sideDirection = Rotated(Rotated(other->sideDirection, -oldRotation), emitter->rotation);
    other->colorMin = colorMin;
    other->colorMax = colorMax;
    other->arcA = arcA;
    other->arcB = arcB;
    other->lifespan = lifespan;
    other->particleSize = particleSize;
    other->playing = playing;
    other->reverse = reverse;
    other->burst = burst;
    other->speed = speed;
    other->texture = texture;
    other->shrinkRate = shrinkRate;
    other->shrink = shrink;
    // The interval travels as a whole number of emissions per second; an interval
    // of 0 (or one too long to give a whole rate) copies as 0.
    const float rate = interval > 0.0f ? 1.0f / interval : 0.0f;
    const int wholeRate = rate >= 1.0f && rate < 1.0e9f ? static_cast<int>(rate) : 0;
    other->interval = wholeRate != 0 ? 1.0f / static_cast<float>(wholeRate) : 0.0f;
    return target;
}

Particles* ParticleSystem::FirstFree() {
    Graphics* graphics = Graphics::instance;
    if (!graphics) return nullptr;
    for (const auto& particle : graphics->particlePool)
        if (!particle->alive) return particle.get();
    return nullptr;
}

void ParticleSystem::Launch(Particles& particle) {
    particle.alive = true;
    particle.holder = this;
    Emit(particle);
    live.push_back(&particle);
    // Every emission re-sorts the layers before its particle joins the world
    // layer. Sorting is stable, so one sort after all but the last new particle
    // has joined, with the last one appended after it, orders the layer exactly
    // as a sort per emission would, at the cost of one sort per update.
    if (pendingJoin_) JoinWorld(*pendingJoin_);
    pendingJoin_ = &particle;
}

void ParticleSystem::JoinWorld(Particles& particle) {
    if (Graphics* graphics = Graphics::instance)
        if (Layer* world = graphics->worldLayer()) world->Add(&particle);
}

void ParticleSystem::Update(float dt) {
    // Only objects in play emit. Archetype prototypes are built registered and
    // unpaused but stay inactive: emitting from one would leave its particles on
    // screen for good once a level change stops updating it.
    const bool inPlay = !owner || owner->active;
    if (playing && !paused && inPlay) {
        if (burst) {
            if (Graphics* graphics = Graphics::instance)
                for (const auto& particle : graphics->particlePool) {
                    if (live.size() >= maxParticles) break;
                    if (!particle->alive) Launch(*particle);
                }
        } else {
            timer -= dt;
            if (timer <= 0.0f) {
                timer = interval;
                if (live.size() < maxParticles)
                    if (Particles* particle = FirstFree()) Launch(*particle);
            }
        }
        if (pendingJoin_) {
            if (Graphics* graphics = Graphics::instance) graphics->SortLayers();
            JoinWorld(*pendingJoin_);
            pendingJoin_ = nullptr;
        }
    }

    auto& expired = expired_;
    size_t kept = 0;
    for (size_t i = 0; i < live.size(); ++i) {
        Particles& p = *live[i];
        if (!p.alive) {
            live[kept++] = &p;
            continue;
        }
        p.life -= dt;
        if (shrink)
            p.SetSize(p.size.x - p.size.x * shrinkRate * p.life * dt, p.size.y - p.size.y * shrinkRate * p.life * dt);
        else
            p.SetSize(particleSize.x, particleSize.y);
        p.particlePos += p.velocity * speed * dt;
        p.SetPosition({p.particlePos.x, p.particlePos.y, 0.0f});
        if (p.life <= 0.0f) {
            Free(p);
            expired.push_back(&p);
        } else {
            live[kept++] = &p;
        }
    }
    live.resize(kept);
    LeaveLayers(expired);
    expired.clear();

    if (stopAfterUpdate) {
        playing = false;
        stopAfterUpdate = false;
    }
}

void ParticleSystem::Emit(Particles& p) {
    // 1. Offset inside the emission box; the box's width serves both axes.
    const float s = emitter->scale.x;
    const float n = std::trunc(s * 5.0f + 10.0f);
    float ox = RandomBelow(Source(ownRandom_), n) * 0.1f - s * 0.5f;
    float oy = RandomBelow(Source(ownRandom_), n) * 0.1f - s * 0.5f;
    if (s == 0.0f) ox = oy = 0.0f;
    // 2, 3. Size and place.
    p.SetSize(particleSize.x, particleSize.y);
    const vec2 ownerAt = owner ? owner->transform->position : vec2();
    p.particlePos = {emitter->position.x + ownerAt.x + ox, emitter->position.y + ownerAt.y + oy};
    p.SetPosition({p.particlePos.x, p.particlePos.y, 0.0f});
    // 4. A particle that starts inside the box (measured at the bare offset) fans
    // out over at most a half circle each way.
    float a = arcA, b = arcB;
    const float halfW = emitter->scale.x * 0.5f, halfH = emitter->scale.y * 0.5f;
    if (emitter->position.x - halfW < p.particlePos.x && p.particlePos.x < emitter->position.x + halfW &&
        emitter->position.y - halfH < p.particlePos.y && p.particlePos.y < emitter->position.y + halfH) {
        a = std::min(a, 90.0f);
        b = std::min(b, 90.0f);
    }
    // 5. An angle on a 0.1 degree grid from -b up to just above a.
    const float angle = RandomBelow(Source(ownRandom_), std::trunc((b + a + 1.0f) * 10.0f)) * 0.1f - b;
    // 6, 7.
    p.life = lifespan;
    p.order = emitter->layer;
    const vec2 d = Rotated(direction, angle);  // the layers are re-sorted by Launch's caller
    // 8. Motion multiplies by speed again: a particle covers speed^2 per second.
    p.velocity = d * speed;
    // 9, 10.
    p.SetTexture(texture);
    p.SetColor(playing ? RandomColor() : 0u);
    // 11. Start where the path would end and fly back.
    if (reverse) {
        p.particlePos += p.velocity * speed * p.life;
        p.SetPosition({p.particlePos.x, p.particlePos.y, 0.0f});
        p.velocity = p.velocity * -1.0f;
    }
}

uint32_t ParticleSystem::RandomColor() {
    if (colorMin == colorMax) return colorMin;
    uint32_t packed = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const int low = static_cast<int>((colorMin >> shift) & 0xFFu);
        const int high = static_cast<int>((colorMax >> shift) & 0xFFu);
        // A channel whose maximum is below its minimum has only the minimum; the
        // draw still happens so that later draws stay in step.
        const int draw = Source(ownRandom_).Next();
        const int value = high >= low ? low + draw % (high - low + 1) : low;
        packed |= static_cast<uint32_t>(value) << shift;
    }
    return packed;
}

void ParticleSystem::SetEmitterTransform(const vec3& offset, const vec2& size, float rotation) {
    emitter->position = {offset.x, offset.y};
    emitter->scale = size;
    for (Particles* particle : live) {
        particle->particlePos = {offset.x, offset.y};
        particle->SetSize(size.x, size.y);
        particle->SetPosition(offset);
    }
    direction = Rotated(direction, -emitter->rotation);
    sideDirection = Rotated(sideDirection, -emitter->rotation);
    emitter->rotation = rotation;
    direction = Rotated(direction, rotation);
    sideDirection = Rotated(sideDirection, rotation);
}

}  // namespace Engine::graphics

#pragma once
// Effects the skills and ultimates share: showing a sprite sheet, the drawing
// order of what they spawn, and the particle emitters they add at run time.

#include <cstdint>
#include <string>

#include "api/maths.h"
#include "api/object_ref.h"

namespace Engine {
class GameObj;
namespace graphics {
class ParticleSystem;
}
}  // namespace Engine

namespace skills {

// Gives the object `texture` and animates cells 1..`frames` of it, one cell
// every `frameTime` seconds, from the start. Unknown textures change nothing.
void ShowSheet(Engine::GameObj* object, const std::string& texture, float frameTime, uint32_t frames);

// Puts what was spawned this frame into its layer's place in the drawing order
// (a spawned object is otherwise drawn over everything already there).
void SortDrawOrder();

// How an emitter added at run time looks and moves.
struct EmitterLook {
    std::string texture;          // empty: the engine's soft white circle
    float interval = 1.0f / 60.0f;  // seconds between particles
    uint32_t maxParticles = 100;
    Engine::vec2 particleSize{0.25f, 0.25f};
    float lifetime = 1.0f;
    float speed = 1.0f;
    uint32_t colorMin = 0xFFFFFFFF;  // packed R, G, B, A from the low byte
    uint32_t colorMax = 0xFFFFFFFF;
    float arc = 180.0f;  // spread either side of the emission direction, degrees
    int32_t layer = 5;   // draw order of the particles
    bool reverse = false;  // particles fly in towards the emitter
    bool playing = false;
};

// A particle emitter that belongs to an object. It answers null once that
// object is gone (level change, destruction) or has lost the emitter, so a
// script may keep one across frames.
class EmitterRef {
public:
    EmitterRef() = default;
    EmitterRef(Engine::GameObj* object, Engine::graphics::ParticleSystem* emitter);

    Engine::graphics::ParticleSystem* Get() const;
    Engine::GameObj* Object() const { return object_.Get(); }
    explicit operator bool() const { return Get() != nullptr; }
    void Reset() { object_.Reset(); emitter_ = nullptr; }

    void SetEmitting(bool emitting) const;
    bool Emitting() const;
    // Places the emission box relative to the object, turned by `degrees`.
    void Place(Engine::vec2 offset, Engine::vec2 size, float degrees) const;
    // The particles' picture; unknown names change nothing.
    void SetTexture(const std::string& texture) const;

private:
    api::ObjectRef object_;
    Engine::graphics::ParticleSystem* emitter_ = nullptr;
};

// Adds a new emitter with the given look to the object (null-safe).
EmitterRef AddEmitter(Engine::GameObj* object, const EmitterLook& look);
// The object's first emitter (the one its archetype gives it).
EmitterRef EmitterOf(Engine::GameObj* object);

}  // namespace skills

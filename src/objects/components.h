#pragma once
// The base of every component an object can hold, and the kind table.

#include <cstdint>

class TiXmlNode;

namespace Engine {

class GameObj;

enum ComponentKind : int32_t {
    kRigidBodyKind = 1,
    kColliderKind = 2,
    kAnimatorKind = 3,
    kScriptsKind = 4,
    kSpriteKind = 5,
    kParticleSystemKind = 6,
    kLabelKind = 7,
    kSoundEmitterKind = 8,
};

class Components {
public:
    explicit Components(int32_t kind_) : kind(kind_) {}
    Components(const Components&) = delete;
    Components& operator=(const Components&) = delete;

    // Appends this component's XML under parent. Nothing in the engine calls it.
    virtual void Serialize(TiXmlNode* /*parent*/) {}
    // Copies this component's settings into target, a component of the same kind.
    virtual Components* CopyInto(Components* target) { return target; }
    virtual void Update(float /*dt*/) {}
    // The second per-frame call, made even while the game is paused.
    virtual void AlwaysUpdate(float /*dt*/) {}
    // Contact callbacks, delivered by the physics step to the object's script
    // container; other kinds ignore them.
    virtual void OnCollisionEnter(GameObj* /*other*/) {}
    virtual void OnCollisionStay(GameObj* /*other*/) {}
    virtual void OnCollisionExit(GameObj* /*other*/) {}
    // Keeps a drawable component out of sight (an archetype prototype's sprite).
    virtual void Hide() {}
    virtual ~Components() = default;
    Components* Self() { return this; }

    int32_t kind;
};

}  // namespace Engine

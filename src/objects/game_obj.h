#pragma once

#include <memory>
#include <string>
#include <vector>

#include "objects/components.h"
#include "objects/object_ref.h"
#include "objects/transform.h"

namespace Engine {

class RigidBody;
class Collider;
class Scripts;
class SoundEmitter;
namespace graphics {
class Renderable2D;
class Animator;
class ParticleSystem;
class Label;
}  // namespace graphics

// Side bits of one contact, set by the collision test and cleared before it returns.
enum ContactSide : int32_t { kContactLeft = 1, kContactRight = 2, kContactTop = 4, kContactBottom = 8 };

// Everything in a level: a name, a transform and components sorted by kind.
// Objects live in the factory's pools and are handed out and released, never freed in play.
//
// The objects folder knows component kinds only by number (see component_kinds.h).
// The typed getters below are declared here for the game's convenience and defined
// by the folder that owns each kind, as is GetScript (in logic/scripts.h).
class GameObj {
public:
    GameObj(int32_t layer, float scaleX, float scaleY, float rotation, const std::string& archetypePath,
            const std::string& tag, float x, float y);
    GameObj(const GameObj&) = delete;
    GameObj& operator=(const GameObj&) = delete;
    virtual void Update(float /*dt*/) {}
    virtual ~GameObj();

    // Adds one component of the kind through the kind table; some kinds are added
    // once only, and a kind nobody registered adds nothing.
    void AddComponent(int32_t kind);
    Components* FirstComponentOfKind(int32_t kind) const;
    template <class T>
    T* GetComponent() const {
        return dynamic_cast<T*>(FirstComponentOfKind(T::kKind));
    }
    RigidBody* GetRigidBody() const;
    Collider* GetCollider() const;
    graphics::Animator* GetAnimator() const;
    Scripts* GetScripts() const;
    graphics::Renderable2D* GetSprite() const;
    graphics::ParticleSystem* GetParticleSystem() const;
    graphics::Label* GetLabel() const;
    SoundEmitter* GetSoundEmitter() const;

    // The first script of class T (or derived) in the object's container; defined
    // in logic/scripts.h, which every script class's header includes.
    template <class T>
    T* GetScript() const;
    // Attaches the registered script `name`, creating the container first when needed.
    void AddScript(const std::string& name);
    void RemoveCollider();
    // Keeps components ordered by kind; equal kinds keep their order.
    void SortComponents();

    // Queues the object for release at the end of the next physics step.
    void Destroy();
    // Lets every component go through its kind's release (out of its system's
    // lists) and empties the contact lists.
    void ClearComponents();
    // Hands this step's contact lists to the object's script container. Returns
    // false when a callback loaded another level, which ends the delivery.
    bool DispatchContacts();

    // The first pooled object carrying `name`, active or not.
    static GameObj* FindObject(const std::string& name);

    bool hasCollider = false;
    bool active = false;
    int32_t contactFlags = 0;
    int32_t id = 0;
    // Bumped whenever the pool hands this object out or releases it, so object
    // handles taken earlier can tell that the slot now holds something else.
    uint32_t serial = 0;
    std::string name;
    std::string tag;
    std::vector<GameObj*> currentContacts;
    std::vector<GameObj*> previousContacts;
    std::vector<GameObj*> entered;
    std::vector<GameObj*> stayed;
    std::vector<GameObj*> exited;
    // The object that fired this one (a bird's dung, a skill's shot), or none.
    ObjectRef shooter;
    std::unique_ptr<Transform> transform;
    std::vector<std::unique_ptr<Components>> components;
};

// Copies a prototype into a pooled object: transform, name and a fresh copy of every
// component. The copy moves to (x, y) unless both are exactly zero.
GameObj* CopyArchetype(GameObj* source, GameObj* target, float x, float y);

// Gives the object's sprite the named texture; unknown names leave it unchanged.
// Both are defined by the graphics folder, which owns sprites.
void SetTexture(GameObj* object, const std::string& textureName);
void SetColor(GameObj* object, uint32_t packedColor);

inline ObjectRef::ObjectRef(GameObj* object)
    : object_(object && object->active ? object : nullptr), serial_(object_ ? object_->serial : 0) {}

inline GameObj* ObjectRef::Get() const {
    return object_ && object_->active && object_->serial == serial_ ? object_ : nullptr;
}

}  // namespace Engine

#pragma once

#include <vector>

#include "core/maths.h"
#include "core/system.h"
#include "objects/level_listener.h"
#include "physics/collider_decoration.h"
#include "physics/contact_pair.h"
#include "physics/contact_set.h"
#include "physics/list_lookup.h"
#include "physics/mover_broadphase.h"
#include "physics/physics_world.h"

namespace Engine {

class Collider;
class GameObj;
class RigidBody;

// Moves rigid bodies, collides boxes, pushes dynamic bodies out of what they hit,
// turns contacts into enter, stay and exit callbacks one step later, and releases
// destroyed objects at the end of every step. Owns the registration lists, which
// every level unload empties.
class Physics : public System, public LevelListener {
public:
    static constexpr size_t kPairPoolSize = 1024;
    static constexpr float kGravityY = -10.0f;
    // The x sweep's window for the relative motion of one whole step.
    static constexpr float kSweepWindow = 0.016666668f;
    static constexpr float kGroundFriction = 0.99f;
    // Pushes a body that hit a ceiling slightly further down, per unit of dt.
    static constexpr float kCeilingNudge = 0.01f;

    Physics();
    ~Physics() override;
    bool Initialize() override;
    void Update(float dt) override;

    // Level listener: the lists go with the old level; a new level gets a new tree.
    void OnLevelUnloaded() override { world.Clear(); }
    void OnLevelLoading(std::string&) override { world.staticTree = std::make_unique<StaticTree>(); }

    // The step stands still while *source is true (the game logic's pause flag).
    void SetPauseSource(const bool* source) { paused_ = source; }
    bool Paused() const { return paused_ && *paused_; }

    // Every registered collider a box of width x height touches on its way from the
    // origin to origin + direction x length, in collider-list order.
    std::vector<Collider*> CastBox(float originX, float originY, float width, float height, float length,
                                   float directionX, float directionY) const;

    static Physics* instance;

    PhysicsWorld world;
    // Makes what a newly filed collider carries (the debug outline); may be null.
    ColliderDecorator colliderDecorator = nullptr;
    std::vector<ContactPair> pairPool;
    // The last step's dt; pair resolution undoes motion with it.
    float lastDt = 0.0f;
    // Tests every mover against every other instead of the movers the broadphase
    // finds; same results, kept as the reference for tests and benchmarks.
    bool testEveryMoverPair = false;

private:
    void IntegrateVelocities(float dt);
    void Collide(float dt);
    void TestPair(Collider* mover, const vec4& moverBox, const vec2& displacement, RigidBody* moverBody,
                  Collider* target, float dt);
    // Appends other to object's current contacts unless it is there already.
    void NoteContact(GameObj* object, GameObj* other);
    void RecordPair(Collider* mover, Collider* target, RigidBody* moverBody, int32_t sides, float time);
    void ResolvePairs();
    // Returns false when a callback loaded another level.
    bool DispatchContacts();
    void MoveBodies(float dt);
    void UpdateContactLists();
    void UpdateContactListsOf(GameObj& object);

    size_t pairsInUse_ = 0;
    MoverBroadphase moverBroadphase_;
    ContactSet noted_;
    std::vector<Collider*> staticCandidates_;
    std::vector<GameObj*> dispatchOrder_;
    std::vector<GameObj*> pendingExits_;
    std::vector<GameObj*> undeliveredEntries_;
    ListLookup inCurrent_, inPrevious_, inUndelivered_, inCarried_;
    // Whether the lists computed at the end of the previous step reached the
    // scripts in this step (they do not while paused or in editor mode).
    bool listsDelivered_ = true;
    const bool* paused_ = nullptr;
};

// One contact's side bits (ContactSide) of a box of size w x h centred at p
// against box b, from probe points on its four sides.
int32_t ProbeSides(const vec2& p, float w, float h, const vec4& b);

}  // namespace Engine

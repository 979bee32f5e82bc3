// The collide pass: every mover against the movers that can reach it and the
// statics around it; contacts noted, dynamic bodies pushed out of statics and kinematics, and
// dynamic-dynamic contacts recorded as pairs and resolved afterwards.

#include <algorithm>

#include "objects/game_obj.h"
#include "physics/collider.h"
#include "physics/physics.h"
#include "physics/physics_world.h"
#include "physics/rigid_body.h"

namespace Engine {

namespace {

bool PointInside(float x, float y, const vec4& b) { return b.x <= x && x <= b.z && b.y <= y && y <= b.w; }

// Whether the boxes meet within the step: a sweep of the relative x motion, then a
// plain overlap along y. `time` receives the sweep's entry time.
bool SweepHits(const vec4& a, const vec4& b, float relativeX, float& time) {
    float enter = 0.0f;
    float exit = Physics::kSweepWindow;
    if (relativeX < 0.0f) {
        if (a.x > b.z) return false;
        if (b.x > a.z) enter = std::max(enter, (a.z - b.x) / relativeX);
        if (b.z > a.x) exit = std::min(exit, (a.x - b.z) / relativeX);
    } else if (relativeX > 0.0f) {
        if (a.x > b.z) enter = std::max(enter, (a.x - b.z) / relativeX);
        if (a.z > b.x) exit = std::min(exit, (a.z - b.x) / relativeX);
        if (b.x > a.z) return false;
    } else if (b.x > a.z || a.x > b.z) {
        return false;
    }
    if (enter > exit) return false;
    if (a.y > b.w || b.y > a.w) return false;
    time = enter;
    return true;
}

void MoveOwner(RigidBody* body, const vec2& delta) {
    if (body && body->owner) body->owner->transform->position += delta;
}

}  // namespace

int32_t ProbeSides(const vec2& p, float w, float h, const vec4& b) {
    int32_t sides = 0;
    if (PointInside(p.x - w / 2, p.y + h / 4, b) || PointInside(p.x - w / 2, p.y - h / 4, b)) sides |= kContactLeft;
    if (PointInside(p.x - w / 4, p.y - h / 2, b) || PointInside(p.x + w / 4, p.y - h / 2, b)) sides |= kContactBottom;
    if (PointInside(p.x + w / 2, p.y + h / 4, b) || PointInside(p.x + w / 2, p.y - h / 4, b)) sides |= kContactRight;
    if (PointInside(p.x - w / 4, p.y + h / 2, b) || PointInside(p.x + w / 4, p.y + h / 2, b)) sides |= kContactTop;
    return sides;
}

void Physics::Collide(float dt) {
    if (!instance) return;
    // Lists left from before (an inactive target's are never emptied) count as noted.
    noted_.StartPass();
    for (const Collider* collider : world.colliders)
        if (GameObj* owner = collider->owner)
            for (const GameObj* other : owner->currentContacts) noted_.Insert(owner, other);
    // The pass neither adds nor removes movers, so the filing holds for all of it.
    const bool filed = !testEveryMoverPair && moverBroadphase_.Build(world.movingColliders, dt);
    for (size_t i = 0; i < world.movingColliders.size(); ++i) {
        Collider* mover = world.movingColliders[i];
        GameObj* owner = mover->owner;
        if (!owner || !owner->active) continue;
        RigidBody* body = owner->GetRigidBody();
        if (!body || body->MotionType == kStaticMotion) continue;
        const vec4 moverBox = mover->box;
        const vec2 displacement = body->velocity * dt;
        staticCandidates_.clear();
        if (world.staticTree) world.staticTree->Query(mover, staticCandidates_);
        if (filed) {
            for (const uint32_t* j = moverBroadphase_.TargetsBegin(i); j != moverBroadphase_.TargetsEnd(i); ++j)
                TestPair(mover, moverBox, displacement, body, world.movingColliders[*j], dt);
        } else {
            for (size_t j = 0; j < world.movingColliders.size(); ++j)
                TestPair(mover, moverBox, displacement, body, world.movingColliders[j], dt);
        }
        for (Collider* target : staticCandidates_) TestPair(mover, moverBox, displacement, body, target, dt);
    }
    ResolvePairs();
}

void Physics::TestPair(Collider* mover, const vec4& a, const vec2& d, RigidBody* moverBody, Collider* target,
                       float dt) {
    if (target == mover) return;
    const vec4& b = target->box;
    const RigidBody* targetBody = target->body;
    const int32_t targetMotion = targetBody ? targetBody->MotionType : kStaticMotion;
    const float targetVelocityX = targetBody ? targetBody->velocity.x : 0.0f;

    bool contact = (a.z > b.x && a.w > b.y) || (b.z > a.x && b.w > a.y);
    float time = 0.0f;
    if (contact) contact = SweepHits(a, b, targetVelocityX * dt - d.x, time);

    if (contact) {
        mover->colliding = true;
        target->colliding = true;
        NoteContact(mover->owner, target->owner);
        NoteContact(target->owner, mover->owner);
        const bool responds = !mover->ghost && !target->ghost && moverBody->MotionType == kDynamicMotion;
        if (responds) {
            GameObj* owner = mover->owner;
            vec2& p = owner->transform->position;
            owner->contactFlags = ProbeSides(p, mover->width, mover->height, b);
            const int32_t sides = owner->contactFlags;
            if (targetMotion == kDynamicMotion) {
                RecordPair(mover, target, moverBody, sides, time);
            } else {
                // Out of a static or kinematic box, measured from the box before the step.
                if ((sides & kContactBottom) && d.y < 0.0f) {
                    p.y += b.w - a.y;
                    moverBody->SetVelocity(moverBody->velocity.x * kGroundFriction, 0.0f);
                }
                if ((sides & kContactTop) && d.y > 0.0f) {
                    p.y += b.y - a.w;
                    p.y -= kCeilingNudge * dt;
                    moverBody->SetVelocity(moverBody->velocity.x * kGroundFriction, 0.0f);
                }
                if ((sides & kContactRight) && d.x > 0.0f) {
                    p.x += b.x - a.z;
                    moverBody->SetVelocity(0.0f, moverBody->velocity.y);
                }
                if ((sides & kContactLeft) && d.x < 0.0f) {
                    p.x += b.z - a.x;
                    moverBody->SetVelocity(0.0f, moverBody->velocity.y);
                }
            }
            owner->contactFlags = 0;
            return;
        }
    }
    mover->colliding = contact;
    if (targetMotion == kStaticMotion) target->colliding = contact;
}

void Physics::NoteContact(GameObj* object, GameObj* other) {
    if (noted_.Insert(object, other)) object->currentContacts.push_back(other);
}

void Physics::RecordPair(Collider* mover, Collider* target, RigidBody* moverBody, int32_t sides, float time) {
    // Records are taken front to back and all freed together, so the used ones are
    // always the first pairsInUse_.
    for (size_t i = 0; i < pairsInUse_; ++i) {
        const ContactPair& pair = pairPool[i];
        if ((pair.a == mover && pair.b == target) || (pair.a == target && pair.b == mover)) return;
    }
    if (pairsInUse_ == pairPool.size()) return;
    ContactPair& pair = pairPool[pairsInUse_++];
    pair.a = mover;
    pair.b = target;
    pair.bodyA = moverBody;
    pair.bodyB = target->body;
    pair.used = true;
    pair.sides = sides;
    pair.time = time;
}

void Physics::ResolvePairs() {
    const float dt = lastDt;
    for (size_t i = 0; i < pairsInUse_; ++i) {
        ContactPair& pair = pairPool[i];
        RigidBody* a = pair.bodyA;
        RigidBody* b = pair.bodyB;
        if (a && b) {
            const int32_t s = pair.sides;
            if (s & kContactBottom) {
                if (a->velocity.y < 0.0f) {
                    MoveOwner(a, {0.0f, -a->velocity.y * dt});
                    a->SetVelocity(a->velocity.x, 0.0f);
                }
                if (b->velocity.y > 0.0f) {
                    MoveOwner(b, {0.0f, -b->velocity.y * dt});
                    b->SetVelocity(b->velocity.x, 0.0f);
                }
            }
            if (s & kContactTop) {
                if (a->velocity.y > 0.0f) {
                    MoveOwner(a, {0.0f, -a->velocity.y * dt});
                    a->SetVelocity(a->velocity.x, 0.0f);
                }
                if (b->velocity.y < 0.0f) {
                    MoveOwner(b, {0.0f, -(b->gravityScale * b->velocity.y * dt)});
                    b->SetVelocity(b->velocity.x, 0.0f);
                }
            }
            if (s & kContactRight) {
                if (a->velocity.x > 0.0f) {
                    MoveOwner(a, {-a->velocity.x * dt, 0.0f});
                    a->SetVelocity(0.0f, a->velocity.y);
                }
                if (b->velocity.x < 0.0f) {
                    MoveOwner(b, {-b->velocity.x * dt, 0.0f});
                    b->SetVelocity(0.0f, b->velocity.y);
                }
            }
            if (s & kContactLeft) {
                if (a->velocity.x < 0.0f) {
                    MoveOwner(a, {-a->velocity.x * dt, 0.0f});
                    a->SetVelocity(0.0f, a->velocity.y);
                }
                if (b->velocity.x > 0.0f) {
                    MoveOwner(b, {-b->velocity.x * dt, 0.0f});
                    b->SetVelocity(0.0f, b->velocity.y);
                }
            }
        }
        pair = ContactPair();
    }
    pairsInUse_ = 0;
}

}  // namespace Engine

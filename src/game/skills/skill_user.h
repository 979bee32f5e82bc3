#pragma once
// What a skill sees of its bird: the bird through its face, the bird's and the
// other bird's objects, and the skill's own state kept between frames. A
// character's skill is attached by its row in the character table
// (game/birds/character_table.cpp): one routine to set its objects up when the
// bird starts, one run every frame while the skill is on.

#include <array>
#include <cstdint>

#include "api/object_ref.h"
#include "game/birds/bird.h"

namespace skills {

// The skill's own state, kept on the bird between frames.
struct SkillState {
    bool skillStarted = false;
    bool bombLaunched = false;
    float skillElapsed = 0.0f;
    // Objects the skill reuses, spawned when the bird starts.
    api::ObjectRef screamObject;
    api::ObjectRef fartBomb;
    api::ObjectRef lightningBall1;
    api::ObjectRef lightningBall2;
    api::ObjectRef cannonBall;
    api::ObjectRef finalFartFeedback;
    std::array<float, 2> ballVelocities{};
    float ballSpeedX = 0.0f;
};

struct SkillUser {
    birds::Bird bird;
    api::ObjectRef opponent;
    SkillState& state;

    Engine::GameObj* Object() const { return bird.Object(); }
    Engine::GameObj* Opponent() const { return opponent.Get(); }
};

struct Skill {
    // Spawns the skill's objects, parked, once when the bird starts.
    void (*setUp)(SkillUser& user);
    // One frame of the skill; it calls EndSkill when the skill is over.
    void (*run)(SkillUser& user, float dt);
};

// The skill is over: its timer and flags clear and the bird may count its
// cooldown from now.
void EndSkill(SkillUser& user);

}  // namespace skills

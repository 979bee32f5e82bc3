// RoziDoro's skill: two lightning balls fly out for five seconds, each steering
// up or down towards the other bird's height while keeping apart.

#include "api/script_api.h"
#include "game/birds/bird.h"
#include "game/skills/skill_effects.h"
#include "game/skills/skill_seconds.h"
#include "game/skills/skills.h"

namespace {
const api::SoundEvent kLaunch{"event:/Myna_Ball_Skill"};

constexpr float kDuration = skills::kLightningBallsSeconds;
constexpr float kSpeedX = 5.0f;
// How far the balls keep apart before one of them stops following.
constexpr float kSpread = 2.5f;

// A fresh vertical speed: 2 to 4 facing right, 1 to 2 facing left.
float Climb(bool facingRight) {
    return static_cast<float>(facingRight ? api::RandomInt(2, 4) : api::RandomInt(1, 2));
}

void ParkBalls(skills::SkillUser& bird) {
    for (const api::ObjectRef* ball : {&bird.state.lightningBall1, &bird.state.lightningBall2}) {
        api::Park(ball->Get());
        skills::EmitterOf(ball->Get()).SetEmitting(false);
    }
}
}  // namespace

void skills::LightningBallsSkill(skills::SkillUser& bird, float dt) {
    const birds::Bird& main = bird.bird;
    Engine::GameObj* self = bird.Object();
    Engine::GameObj* ball1 = bird.state.lightningBall1.Get();
    Engine::GameObj* ball2 = bird.state.lightningBall2.Get();
    if (!main || !self || !ball1 || !ball2) {
        skills::EndSkill(bird);
        return;
    }

    bird.state.skillElapsed += dt;
    if (bird.state.skillElapsed >= kDuration) {
        ParkBalls(bird);
        skills::EndSkill(bird);
        return;
    }

    const bool right = main.FacingRight();
    if (!bird.state.skillStarted) {
        api::Play(kLaunch);
        skills::EmitterOf(ball1).SetEmitting(true);
        skills::EmitterOf(ball2).SetEmitting(true);
        bird.state.skillStarted = true;
        const Engine::vec2 at = api::Position(self) + Engine::vec2(0.0f, right ? 1.0f : 0.0f);
        api::SetPosition(ball1, at);
        api::SetPosition(ball2, at);
        bird.state.ballSpeedX = right ? kSpeedX : -kSpeedX;
        bird.state.ballVelocities = {0.0f, 0.0f};
        main.MarkShot(ball1);
        main.MarkShot(ball2);
    }

    // Each ball steers towards the other bird's height. Ball 1 dives only while
    // ball 2 is less than the spread below it, and ball 2 climbs only while ball 1
    // is more than the spread above it, so the two fan out instead of merging.
    if (Engine::GameObj* target = bird.Opponent()) {
        const float t = api::Position(target).y;
        const float b1 = api::Position(ball1).y;
        const float b2 = api::Position(ball2).y;
        if (t < b1 && b2 > b1 - kSpread)
            bird.state.ballVelocities[0] = -Climb(right);
        else if (t > b1)
            bird.state.ballVelocities[0] = Climb(right);
        if (t < b2)
            bird.state.ballVelocities[1] = -Climb(right);
        else if (t > b2 && b1 > b2 + kSpread)
            bird.state.ballVelocities[1] = Climb(right);
    }
    api::SetVelocity(ball1, {bird.state.ballSpeedX, bird.state.ballVelocities[0]});
    api::SetVelocity(ball2, {bird.state.ballSpeedX, bird.state.ballVelocities[1]});
}

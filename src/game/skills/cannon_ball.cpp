// DovaDizavov's skill: a cannon ball fired level from the bird, falling as it
// flies. It is one of the bird's "Dung" objects, so the other bird takes it as
// a dung hit.

#include "api/script_api.h"
#include "game/birds/bird.h"
#include "game/skills/skill_effects.h"
#include "game/skills/skill_seconds.h"
#include "game/skills/skills.h"

namespace {
const api::SoundEvent kFire{"event:/Zora_Cannon_Skill"};
constexpr float kDuration = skills::kCannonBallSeconds;
constexpr float kMuzzleSpeed = 10.0f;

// When the shot's sound ends, its "Target_Hit" goes back to 0 so the next shot
// starts with the launch and not with the impact.
void ResetHitWhenTheShotEnds() { api::CallBackWhenStopped(kFire); }
}  // namespace

void skills::CannonBallSkill(skills::SkillUser& bird, float dt) {
    const birds::Bird& main = bird.bird;
    Engine::GameObj* self = bird.Object();
    Engine::GameObj* ball = bird.state.cannonBall.Get();
    if (!main || !self || !ball) {
        skills::EndSkill(bird);
        return;
    }

    bird.state.skillElapsed += dt;
    if (!bird.state.skillStarted) {
        api::SetPosition(ball, api::Position(self) + Engine::vec2(0.0f, 1.0f));
        api::SetVelocity(ball, {main.FacingRight() ? kMuzzleSpeed : -kMuzzleSpeed, 0.0f});
        api::SetGravityScale(ball, 1.0f);
        main.MarkShot(ball);
        skills::EmitterOf(ball).SetEmitting(true);
        api::Play(kFire);
        ResetHitWhenTheShotEnds();
        bird.state.skillStarted = true;
    }

    if (bird.state.skillElapsed >= kDuration) {
        api::Park(ball);
        api::SetGravityScale(ball, 0.0f);
        skills::EmitterOf(ball).SetEmitting(false);
        skills::EndSkill(bird);
    }
}

// DovaDizavov's skill: a cannon ball fired level from the bird, falling as it
// flies. It is one of the bird's "Dung" objects, so the other bird takes it as
// a dung hit.

#include "api/script_api.h"
#include "game/birds/individual_player_behaviour.h"
#include "game/birds/main_player_behaviour.h"
#include "game/skills/skill_kit.h"
#include "game/skills/skill_steps.h"
#include "game/skills/skills.h"

namespace {
const api::SoundEvent kFire{"event:/Zora_Cannon_Skill"};
constexpr float kDuration = 4.0f;
constexpr float kMuzzleSpeed = 10.0f;

// When the shot's sound ends, its "Target_Hit" goes back to 0 so the next shot
// starts with the launch and not with the impact.
void ResetHitWhenTheShotEnds() { api::CallBackWhenStopped(kFire); }
}  // namespace

void CannonBallSkill(IndividualPlayerBehaviour& bird, float dt) {
    MainPlayerBehaviour* main = bird.Bird();
    Engine::GameObj* self = bird.Object();
    Engine::GameObj* ball = bird.cannonBall.Get();
    if (!main || !self || !ball) {
        skills::EndSkill(bird);
        return;
    }

    bird.skillElapsed += dt;
    if (!bird.skillStarted) {
        api::SetPosition(ball, api::Position(self) + Engine::vec2(0.0f, 1.0f));
        api::SetVelocity(ball, {main->facingRight ? kMuzzleSpeed : -kMuzzleSpeed, 0.0f});
        api::SetGravityScale(ball, 1.0f);
        ball->owner = self->name;
        skills::EmitterOf(ball).SetEmitting(true);
        api::Play(kFire);
        ResetHitWhenTheShotEnds();
        bird.skillStarted = true;
    }

    if (bird.skillElapsed >= kDuration) {
        api::Park(ball);
        api::SetGravityScale(ball, 0.0f);
        skills::EmitterOf(ball).SetEmitting(false);
        skills::EndSkill(bird);
    }
}

// VadozaVaza's skill: for one second a scream sits at the bird's front edge,
// turned to the side the bird faces.

#include <cmath>

#include "api/script_api.h"
#include "game/birds/individual_player_behaviour.h"
#include "game/birds/main_player_behaviour.h"
#include "game/skills/skill_steps.h"
#include "game/skills/skills.h"

namespace {
const api::SoundEvent kScream{"event:/Zuva_Scream_Skill"};
constexpr float kDuration = 1.0f;
}  // namespace

void SoundScreamSkill(IndividualPlayerBehaviour& bird, float dt) {
    MainPlayerBehaviour* main = bird.Bird();
    Engine::GameObj* self = bird.Object();
    Engine::GameObj* scream = bird.screamObject.Get();
    if (!main || !self || !scream) {
        skills::EndSkill(bird);
        return;
    }

    if (!bird.skillStarted) {
        api::Play(kScream);
        bird.skillStarted = true;
        scream->owner = self->name;
    }
    bird.skillElapsed += dt;

    if (bird.skillElapsed < kDuration) {
        // The bird's x scale is negative while it faces left, so half of it is
        // its front edge on either side. The scream picture opens towards -x:
        // mirrored (negative x scale) it opens to the right.
        const Engine::vec2 at = api::Position(self);
        api::SetPosition(scream, {at.x + api::Scale(self).x / 2.0f, at.y});
        const Engine::vec2 size = api::Scale(scream);
        const float width = std::fabs(size.x);
        api::SetScale(scream, {main->facingRight ? -width : width, size.y});
        return;
    }
    api::Park(scream);
    skills::EndSkill(bird);
}

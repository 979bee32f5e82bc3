// VadozaVaza's skill: for one second a scream sits at the bird's front edge,
// turned to the side the bird faces.

#include <cmath>

#include "api/script_api.h"
#include "game/birds/bird.h"
#include "game/skills/skill_seconds.h"
#include "game/skills/skills.h"

namespace {
const api::SoundEvent kScream{"event:/Zuva_Scream_Skill"};
constexpr float kDuration = skills::kSoundScreamSeconds;
}  // namespace

void skills::SoundScreamSkill(skills::SkillUser& bird, float dt) {
    const birds::Bird& main = bird.bird;
    Engine::GameObj* self = bird.Object();
    Engine::GameObj* scream = bird.state.screamObject.Get();
    if (!main || !self || !scream) {
        skills::EndSkill(bird);
        return;
    }

    if (!bird.state.skillStarted) {
        api::Play(kScream);
        bird.state.skillStarted = true;
        main.MarkShot(scream);
    }
    bird.state.skillElapsed += dt;

    if (bird.state.skillElapsed < kDuration) {
        // The bird's x scale is negative while it faces left, so half of it is
        // its front edge on either side. The scream picture opens towards -x:
        // mirrored (negative x scale) it opens to the right.
        const Engine::vec2 at = api::Position(self);
        api::SetPosition(scream, {at.x + api::Scale(self).x / 2.0f, at.y});
        const Engine::vec2 size = api::Scale(scream);
        const float width = std::fabs(size.x);
        api::SetScale(scream, {main.FacingRight() ? -width : width, size.y});
        return;
    }
    api::Park(scream);
    skills::EndSkill(bird);
}

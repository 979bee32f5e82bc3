// What the other bird's skill objects do to a bird that touches them.

#include <string>

#include "api/script_api.h"
#include "game/birds/individual_player_behaviour.h"
#include "game/birds/main_player_behaviour.h"
#include "game/skills/skills.h"

namespace {
const api::ObjectName kScream{"SoundScream"};
const api::ObjectName kBall{"LightningBall"};
const api::ObjectName kFartBomb{"FartBomb"};
const api::SoundEvent kLightningHit{"event:/Myna_Lightning_Hit"};

// Seconds of stun each skill object gives; 0 for anything else.
float StunOf(const std::string& name) {
    if (name == kScream.c_str()) return 2.0f;
    if (name == kBall.c_str()) return 1.5f;
    if (name == kFartBomb.c_str()) return 2.5f;
    return 0.0f;
}
}  // namespace

void ApplySkillHit(IndividualPlayerBehaviour& target, Engine::GameObj* other) {
    const Engine::GameObj* self = target.Object();
    if (!other || !self) return;
    const float stun = StunOf(other->name);
    if (stun <= 0.0f || other->owner == self->name) return;
    MainPlayerBehaviour* bird = target.Bird();
    if (!bird || bird->IsProtected()) return;

    bird->Stun(stun, false);
    if (other->name == kBall.c_str()) api::Play(kLightningHit);
    bird->SwitchAnimation("Injured");
}

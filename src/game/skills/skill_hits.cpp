// What the other bird's skill objects do to a bird that touches them, and the
// end every skill comes to.

#include <string>

#include "api/script_api.h"
#include "game/birds/bird.h"
#include "game/skills/skills.h"

namespace {
const api::ObjectName kScream{"SoundScream"};
const api::ObjectName kBall{"LightningBall"};
const api::ObjectName kFartBomb{"FartBomb"};
const api::SoundEvent kLightningHit{"event:/Myna_Lightning_Hit"};

// Seconds of stun each skill object gives; 0 for anything else.
float StunOf(const std::string& name) {
    if (name == kScream.c_str()) return 1.0f;
    if (name == kBall.c_str()) return 1.5f;
    if (name == kFartBomb.c_str()) return 2.5f;
    return 0.0f;
}
}  // namespace

namespace skills {

void ApplySkillHit(const birds::Bird& target, api::GameObj* other) {
    const api::GameObj* self = target.Object();
    if (!other || !self) return;
    const float stun = StunOf(other->name);
    if (stun <= 0.0f || target.Fired(other)) return;
    if (!target || target.IsProtected()) return;

    target.Stun(stun, false);
    if (other->name == kBall.c_str()) api::Play(kLightningHit);
    target.ShowInjured();
}

void EndSkill(SkillUser& user) {
    user.state.skillElapsed = 0.0f;
    user.state.skillStarted = false;
    user.state.bombLaunched = false;
    user.bird.EndSkill();
}

}  // namespace skills

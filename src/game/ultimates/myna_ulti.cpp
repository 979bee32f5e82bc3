#include "game/ultimates/myna_ulti.h"

#include <cmath>

#include "api/script_api.h"
#include "game/birds/bird.h"
#include "game/skills/skill_effects.h"
#include "game/ultimates/myna_ulti_beam_behaviour.h"

REGISTER_SCRIPT("MynaUlti", MynaUlti);

namespace {
const api::SoundEvent kCall{"event:/Myna_Beam_Ulti_Call"};
const api::ArchetypeName kBeam{"MynaBeam"};
const api::TextureName kBeamSheet{"MynaNewBeam"};
const api::TextureName kSpark{"Particle_CircleWhite"};
}  // namespace

birds::Bird MynaUlti::OwnerBird() const { return birds::Bird::Of(owner); }

void MynaUlti::Init() {
    if (ready_) return;
    ready_ = true;
    // Sparks that fly in towards the bird's beak: the charge.
    skills::EmitterLook look;
    look.texture = kSpark.c_str();
    look.interval = 1.0f / 60.0f;
    look.maxParticles = 100;
    look.particleSize = {0.3f, 0.3f};
    look.lifetime = 0.2f;
    look.speed = 3.0f;
    look.colorMin = 0xFFFFC040;  // blue-white to white
    look.colorMax = 0xFFFFFFFF;
    look.reverse = true;
    look.layer = 6;
    chargeParticles = skills::AddEmitter(owner, look);
    ultiTimer = 0.0f;
}

void MynaUlti::Update(float dt) {
    if (!activate) return;
    ultiTimer += dt;
    if (ultiTimer < kCharge) {
        if (!callPlayed_) {
            api::Play(kCall);
            chargeParticles.Place({api::Scale(owner).x, 0.0f}, {0.0f, 0.0f}, 0.0f);
            callPlayed_ = true;
        }
        chargeParticles.SetEmitting(true);
    } else if (ultiTimer < kFire) {
        chargeParticles.SetEmitting(false);
    } else {
        chargeParticles.SetEmitting(false);
        Fire();
        activate = false;
        ultiTimer = 0.0f;
        callPlayed_ = false;
    }
}

void MynaUlti::Fire() {
    const Engine::vec2 at = api::Position(owner);
    Engine::GameObj* fired = api::Spawn(kBeam, at.x, at.y);
    beam = fired;
    if (!fired) return;
    if (MynaUltiBeamBehaviour* behaviour = api::ScriptOf<MynaUltiBeamBehaviour>(fired)) {
        behaviour->ownerBird = owner;
        behaviour->ownerName = owner ? owner->name : std::string();
    }
    skills::ShowSheet(fired, kBeamSheet, 0.1f, 5);
    const bool right = OwnerBird().FacingRight();
    const float reach = std::fabs(api::Scale(fired).x) / 2.0f + 1.0f;
    api::SetPosition(fired, {at.x + (right ? reach : -reach), at.y});
}

#include "game/ultimates/myna_ulti_beam_behaviour.h"

#include "api/camera_view.h"
#include "api/script_api.h"
#include "game/birds/bird.h"
#include "game/ultimates/boss_hits.h"

REGISTER_SCRIPT("MynaUltiBeamBehaviour", MynaUltiBeamBehaviour);

namespace {
const api::SoundEvent kBeamSound{"event:/Myna_Beam_Ulti"};
const api::TextureName kSpark{"Particle_CircleWhite"};
const api::ObjectName kBoss{"Level4Boss"};
constexpr int kShakePeriod = 5;
}  // namespace

MynaUltiBeamBehaviour::~MynaUltiBeamBehaviour() {
    // Gone in the middle of its shake (the level changed): the camera goes back
    // to the standard view instead of staying where the shake left it.
    if (shaking_) api::ResetCamera();
}

void MynaUltiBeamBehaviour::Init() {
    api::Play(kBeamSound);
    // Sparks streaming along the beam from its root.
    skills::EmitterLook look;
    look.texture = kSpark.c_str();
    look.layer = 7;
    look.arc = 0.0f;
    look.lifetime = 5.0f;
    look.colorMin = 0xFFFF8080;
    look.colorMax = 0xFFFFFFFF;
    look.maxParticles = 100;
    look.interval = 1.0f / 60.0f;
    look.speed = 5.0f;
    look.particleSize = {0.35f, 0.35f};
    look.playing = true;
    beamParticles = skills::AddEmitter(owner, look);
}

void MynaUltiBeamBehaviour::Update(float dt) {
    if (firstFrame_) {
        if (const birds::Bird bird = birds::Bird::Of(ownerBird)) facingRight = bird.FacingRight();
        firstFrame_ = false;
    }
    beamTimer += dt;
    api::Shake({1.0f, 1.0f, 0.0f}, kShakePeriod, kShake, dt);
    shaking_ = beamTimer <= kShake;
    if (!particlesAimed) {
        // From the beam's root at the bird, streaming out along it.
        if (facingRight)
            beamParticles.Place({-15.0f, 0.7f}, {4.0f, 0.0f}, -90.0f);
        else
            beamParticles.Place({15.0f, 0.7f}, {4.0f, 0.0f}, 90.0f);
        particlesAimed = true;
    }
    if (beamTimer > kLifetime) api::Destroy(owner);
}

void MynaUltiBeamBehaviour::OnCollisionEnter(Engine::GameObj* other) {
    // What it takes from the boss counts for its bird, as every other
    // ultimate's damage does: the boss level is won on hits.
    if (other && other->name == kBoss.c_str() && ultimates::DamageBoss(kBossDamage))
        birds::Bird::Of(ownerBird).AddScore(kBossDamage);
}

void MynaUltiBeamBehaviour::OnCollisionStay(Engine::GameObj* other) {
    if (!other) return;
    if (birds::IsBirdName(other->name) && other->name != ownerName && birds::Bird::Of(other)) {
        birds::Bird::Of(other).ShowInjured();
        if (beamTimer <= kDeadly)
            birds::Bird::Of(other).Kill(true);
        else
            birds::Bird::Of(other).Stun(2.0f);
        return;
    }
    if (other->name == "Boss" || other->name == "Minion") birds::Bird::Of(ownerBird.Get()).AddScore(1);
}

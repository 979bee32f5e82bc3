#include "game/ultimates/big_bird_shit_behaviour.h"

#include "api/camera_view.h"
#include "api/script_api.h"
#include "game/birds/bird.h"
#include "game/skills/skill_effects.h"
#include "game/ultimates/boss_hits.h"

REGISTER_SCRIPT("BigBirdShitBehaviour", BigBirdShitBehaviour);

namespace {
const api::SoundEvent kFarto{"event:/Rure_Farto_Ulti"};
const api::ObjectName kGround{"DownBound"};
const api::TextureName kExplosionSheet{"ZadaZovoExplosion"};
constexpr int kShakePeriod = 1;
}  // namespace

BigBirdShitBehaviour::~BigBirdShitBehaviour() {
    // Gone in the middle of its shake (the level changed): back to the standard view.
    if (shaking_) api::ResetCamera();
}

void BigBirdShitBehaviour::Update(float dt) {
    if (!landed) {
        api::SetScale(owner, api::Scale(owner) * (1.0f + dt));
        if (api::Position(owner).y < kLostBelowY) Vanish();
        return;
    }
    timer += dt;
    api::Shake({1.0f, 1.0f, 0.0f}, kShakePeriod, kShake, dt);
    shaking_ = timer <= kShake;
    if (timer > kExplosion) {
        shaking_ = false;
        Vanish();
    }
}

void BigBirdShitBehaviour::OnCollisionEnter(Engine::GameObj* other) {
    if (landed || !other || other->name != kGround.c_str()) return;
    Land();
}

void BigBirdShitBehaviour::Land() {
    landed = true;
    target = birds::Bird::Named(birds::OpponentName(ownerName)).Object();
    if (Engine::GameObj* victim = target.Get()) {
        if (api::Distance(owner, victim) < kKillRadius) {
            birds::Bird::Of(victim).ShowInjured();
            birds::Bird::Of(victim).Kill(false);
        } else {
            birds::Bird::Of(victim).Stun(kStun);
        }
    }
    if (ultimates::RunnerBossPresent()) birds::Bird::Of(ownerBird.Get()).AddScore(kHits);
    api::SetParameter(kFarto, "Target_Hit", 1.0f);
    skills::ShowSheet(owner, kExplosionSheet, 0.1f, 12);
    api::SetVelocity(owner, {0.0f, 0.0f});
    // The explosion stays where the dropping landed.
    api::SetGravityScale(owner, 0.0f);
    if (owner) owner->RemoveCollider();
    if (ultimates::DamageBoss(kHits)) birds::Bird::Of(ownerBird.Get()).AddScore(kHits);
}

void BigBirdShitBehaviour::Vanish() {
    api::SetParameter(kFarto, "Target_Hit", 0.0f);
    if (api::IsPlaying(kFarto)) api::Stop(kFarto);
    api::Destroy(owner);
}

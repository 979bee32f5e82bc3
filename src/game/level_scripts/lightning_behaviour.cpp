#include "game/level_scripts/lightning_behaviour.h"

#include "api/drawing.h"
#include "api/script_api.h"
#include "api/stage.h"
#include "game/birds/bird.h"

REGISTER_SCRIPT("LightningBehaviour", LightningBehaviour);

namespace {
const api::ArchetypeName kDeathAnim{"DeathByUFOAnim"};
const api::SoundEvent kDeath{"event:/Bird_Death_UFO"};
}  // namespace

void LightningBehaviour::Init() {
    api::SetScale(owner, {0.1f, api::Scale(owner).y});
    if (!api::AnimatorOf(owner) && owner->GetSprite()) {
        owner->AddComponent(Engine::kAnimatorKind);
        owner->SortComponents();
    }
    if (Engine::graphics::Animator* animator = api::AnimatorOf(owner)) {
        animator->frameTime = 0.1f;
        api::PlayAnimation(owner);
    }
}

void LightningBehaviour::Update(float) { api::SetLayer(owner, -1); }

void LightningBehaviour::OnCollisionEnter(Engine::GameObj* other) {
    if (!other || (other->name != "Player" && other->name != "Player2")) return;
    const birds::Bird bird = birds::Bird::Of(other);
    if (!bird || bird.IsImmune()) return;
    api::GameObj* anim = api::Spawn(kDeathAnim, 0.0f, 0.0f);
    bird.ShowDeath(anim);
    api::SetPosition(anim, api::Position(other));
    if (Engine::graphics::Animator* animator = api::AnimatorOf(anim)) animator->frameTime = 0.1f;
    api::PlayAnimation(anim);
    api::SetPosition(other, {api::Position(other).x, 100.0f});
    api::Play(kDeath);
}

#include "game/runner/l4_individual_minion.h"

#include "api/drawing.h"
#include "game/birds/bird.h"

REGISTER_SCRIPT("L4IndividualMinion", L4IndividualMinion);

namespace {
const api::ObjectName kPlayer{"Player"};
const api::ObjectName kPlayer2{"Player2"};
const api::ObjectName kSpawners{"L4Spawners"};
const api::ObjectName kLeftBound{"LeftBound"};
const api::ObjectName kDung{"Dung"};
const api::ObjectName kFartBomb{"FartBomb"};
const api::ObjectName kSoundScream{"SoundScream"};
const api::ObjectName kLightningBall{"LightningBall"};
const api::ObjectName kMynaBeam{"MynaBeam"};
const api::ArchetypeName kExplosion{"ExplosionFeedback"};
const api::SoundEvent kLightningHit{"event:/Myna_Lightning_Hit"};
const api::SoundEvent kShitImpact{"event:/Shit_Impact"};
const api::SoundEvent kFartGag{"event:/Fart_Gag"};
const api::SoundEvent kMinionDeath{"event:/Minion_Death"};
const api::SoundEvent kMinionSound{"event:/Minion_Sound"};

const api::vec2 kExplosionParking{120.0f, -265.0f};
const api::vec2 kLabelParking{165.0f, -100.0f};
const api::vec2 kMinionParking{-200.0f, 100.0f};
constexpr uint32_t kRewardGreen = 0xFF00FC7C;
}  // namespace

void L4IndividualMinion::Init() {
    player1 = api::Find(kPlayer);
    player2 = api::Find(kPlayer2);
    spawners = api::Find(kSpawners);
    explosion = api::Spawn(kExplosion, kExplosionParking.x, kExplosionParking.y);
    if (Engine::GameObj* boom = explosion.Get()) {
        api::SetPosition(boom, kExplosionParking);
        if (Engine::graphics::Animator* animator = api::AnimatorOf(boom)) animator->frameTime = 0.1f;
        if (Engine::graphics::Renderable2D* sprite = boom->GetSprite()) sprite->SetFrame(1, 12);
    }
    label = runner::MakeLabel(kLabelParking, 32, kRewardGreen, 8, "+50");
}

void L4IndividualMinion::Update(float dt) {
    if (!showPopup) return;
    popupTimer += dt;
    if (popupTimer < kPopupTime) {
        api::SetPosition(explosion.Get(), lastPos);
        runner::MoveLabel(label.get(), lastPos + api::vec2{0.0f, 1.0f});
        return;
    }
    api::SetPosition(explosion.Get(), kExplosionParking);
    runner::MoveLabel(label.get(), kLabelParking);
    showPopup = false;
    popupTimer = 0.0f;
}

void L4IndividualMinion::Kill(Engine::GameObj* bird) {
    lastPos = api::Position(owner);
    birds::Bird::Of(bird).AddScore(reward);
    active = false;
    showPopup = true;
    popupTimer = 0.0f;
    if (Engine::GameObj* boom = explosion.Get()) api::PlayAnimation(boom);
    if (MinionSender* sender = api::ScriptOf<MinionSender>(spawners)) sender->RestartTimer();
    api::SetPosition(owner, kMinionParking);
    api::SetVelocity(owner, {0.0f, 0.0f});
}

void L4IndividualMinion::Bump(Engine::GameObj* bird, bool withSound) {
    if (!birds::Bird::Of(bird).IsProtected()) {
        if (birds::Bird::Of(bird).IsPecking()) {
            Kill(bird);
            api::Play(kMinionDeath);
            return;
        }
        const float reach = 3.0f * api::Length(api::Scale(owner));
        if (api::Distance(owner, bird) < reach) {
            // Coinciding centres give no direction and no push, never a NaN.
            api::AddForce(bird, api::DirectionTo(owner, bird) * kPushStrength);
            if (withSound) api::Play(kMinionSound);
        }
        return;
    }
    if (birds::Bird::Of(bird).IsPecking() && !birds::Bird::Of(bird).IsDead()) {
        Kill(bird);
        api::Play(kMinionDeath);
    }
}

void L4IndividualMinion::OnCollisionEnter(Engine::GameObj* other) {
    if (!other) return;
    const std::string& name = other->name;
    if (active && name == kLeftBound.c_str()) {
        api::SetPosition(owner, kMinionParking);
        active = false;
        api::SetVelocity(owner, {0.0f, 0.0f});
        return;
    }
    if (name == kDung.c_str() || name == kFartBomb.c_str() || name == kSoundScream.c_str() ||
        (active && name == kLightningBall.c_str())) {
        Kill(birds::Bird::ShooterOf(other).Object());
        if (name == kLightningBall.c_str()) api::Play(kLightningHit);
        if (name == kDung.c_str()) api::Play(kShitImpact);
        if (name == kFartBomb.c_str()) api::Play(kFartGag);
        return;
    }
    if (active && name == kMynaBeam.c_str()) {
        Kill(birds::Bird::ShooterOf(other).Object());
        return;
    }
    if (active && birds::IsBirdObject(other)) Bump(other, true);
}

void L4IndividualMinion::OnCollisionStay(Engine::GameObj* other) {
    if (active && birds::IsBirdObject(other)) Bump(other, false);
}

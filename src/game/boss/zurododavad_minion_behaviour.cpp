#include "game/boss/zurododavad_minion_behaviour.h"

#include "api/script_api.h"
#include "api/stage.h"
#include "game/birds/bird.h"
#include "game/boss/boss_shapes.h"
#include "game/boss/energy_orb_behaviour.h"
#include "game/boss/fight_state.h"

REGISTER_SCRIPT("ZurododavadMinionBehaviour", ZurododavadMinionBehaviour);

namespace {
const api::ObjectName kPlayer1{"Player"};
const api::ObjectName kPlayer2{"Player2"};
const api::ArchetypeName kOrb{"EnergyOrbs"};
const api::ArchetypeName kExplosion{"ExplosionFeedback"};
const api::ArchetypeName kLabel{"HudLabel"};
const api::SoundEvent kMinionDeath{"event:/Minion_Death"};
const api::SoundEvent kLightningHit{"event:/Myna_Lightning_Hit"};
const api::SoundEvent kShitImpact{"event:/Shit_Impact"};
const api::SoundEvent kFartGag{"event:/Fart_Gag"};
constexpr Engine::vec2 kBonusParked{165.0f, -100.0f};
}  // namespace

void ZurododavadMinionBehaviour::Init() {
    Engine::GameObj* orb = api::Spawn(kOrb, api::Position(owner).x, api::Position(owner).y);
    carriedOrb = orb;
    if (EnergyOrbBehaviour* script = api::ScriptOf<EnergyOrbBehaviour>(orb)) script->moving = true;
    if (orb) orb->RemoveCollider();
    released = false;
    player1 = api::Find(kPlayer1);
    player2 = api::Find(kPlayer2);
    bonusLabel = api::SpawnLabel(kLabel, "PassionOne", 32, kBonusParked, 0xFF00FC7C, 8);
    api::SetText(bonusLabel.Get(), "+50");
    fuse = 3.0f;
}

void ZurododavadMinionBehaviour::Vanish() {
    if (gone_) return;
    gone_ = true;
    api::Destroy(explosionFeedback.Get());
    api::Destroy(bonusLabel.Get());
    api::Destroy(carriedOrb.Get());
    api::Destroy(owner);
}

void ZurododavadMinionBehaviour::DropOrb() {
    Engine::GameObj* orb = carriedOrb.Get();
    if (!orb) return;
    api::SetVelocity(orb, {api::Velocity(owner).x, 0.0f});
    api::SetGravityScale(orb, 1.0f);
    if (EnergyOrbBehaviour* script = api::ScriptOf<EnergyOrbBehaviour>(orb)) script->moving = false;
    boss::SwitchColliderOn(orb, api::Scale(orb));
    carriedOrb.Reset();
    // Off upwards and to the right, at one unit a second.
    const Engine::vec2 away{static_cast<float>(api::Rand()), static_cast<float>(api::Rand())};
    api::SetVelocity(owner, api::Normalized(away));
}

void ZurododavadMinionBehaviour::Update(float dt) {
    if (gone_) return;
    if (Engine::GameObj* orb = carriedOrb.Get()) {
        api::SetPosition(orb, api::Position(owner) - Engine::vec2{0.0f, api::Scale(owner).y / 2.0f});
    }
    if (Engine::GameObj* label = bonusLabel.Get(); label && bonusTimer_ > 0.0f) {
        bonusTimer_ -= dt;
        api::MoveBy(label, {0.0f, dt});
        if (bonusTimer_ <= 0.0f) api::SetPosition(label, kBonusParked);
    }
    if (released) {
        DropOrb();
        fuse -= dt;
        if (fuse < -1.0f) {
            Vanish();
            return;
        }
        if (fuse <= 0.0f && !explosionFeedback) {
            const Engine::vec2 at = api::Position(owner);
            Engine::GameObj* boom = api::Spawn(kExplosion, at.x, at.y);
            explosionFeedback = boom;
            api::SetColor(boom, 0xFF0000FF);
            boss::SheetFrames(boom, 1, 12, 0.1f);
            api::PlayAnimation(boom, true);
            api::SetPosition(owner, {100.0f, at.y});
        }
    }
    if (boss::FightNow().vulnerable) Vanish();
}

void ZurododavadMinionBehaviour::Killed(Engine::GameObj* bird) {
    killed_ = true;
    birds::Bird::Of(bird).AddScore(kKillBonus);
    if (Engine::GameObj* label = bonusLabel.Get()) {
        api::SetPosition(label, api::Position(owner) + Engine::vec2{-0.6f, 1.0f});
        bonusTimer_ = 1.0f;
    }
}

void ZurododavadMinionBehaviour::OnCollisionEnter(Engine::GameObj* other) {
    if (!other || gone_) return;
    const std::string& name = other->name;
    if (name == "Level4Boss") {
        released = true;
        return;
    }
    // A minion scores once: the bird's own script may have released it on this contact already.
    if (killed_) return;
    if (birds::IsBirdName(name)) {
        if (birds::Bird::Of(other).IsPecking()) {
            Killed(other);
            api::Play(kMinionDeath);
        }
        return;
    }
    if (name == "LightningBall" || name == "Dung" || name == "FartBomb" || name == "SoundScream") {
        if (const birds::Bird shooter = birds::Bird::ShooterOf(other)) Killed(shooter.Object());
        released = true;
        if (name == "LightningBall") api::Play(kLightningHit);
        if (name == "Dung") api::Play(kShitImpact);
        if (name == "FartBomb") api::Play(kFartGag);
    }
}

void ZurododavadMinionBehaviour::OnCollisionStay(Engine::GameObj* other) {
    if (!other || gone_ || !birds::IsBirdName(other->name)) return;
    if (fuse >= -0.1f && fuse <= 0.0f) birds::Bird::Of(other).KillUnlessProtected(true);
}

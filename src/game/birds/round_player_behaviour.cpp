#include "game/birds/round_player_behaviour.h"

#include "api/bodies.h"
#include "api/script_api.h"
#include "game/birds/bird.h"
#include "game/birds/bird_links.h"
#include "game/birds/bird_looks.h"
#include "game/levels/level_table.h"
#include "game/menus/transition.h"

REGISTER_SCRIPT("RoundPlayerBehaviour", RoundPlayerBehaviour);

namespace {
const api::ObjectName kPlayer{"Player"};
const api::ObjectName kLevelSettings{"GameLevelSettings"};
const api::ObjectName kEgg{"Egg"};
const api::ObjectName kCorner1{"Player1Corner"};
const api::ObjectName kCorner2{"Player2Corner"};
const api::ObjectName kP1Barrier{"P1Barrier"};
const api::ObjectName kP2Barrier{"P2Barrier"};
const api::ObjectName kTransitionBird{"TransitionBird"};
const api::ArchetypeName kPowerUp{"PowerUp"};
const api::ArchetypeName kFeedback{"Feedback"};
const api::ArchetypeName kDung{"Dung"};
const api::TextureName kCartoonShit{"CartoonShit"};
const api::SoundEvent kShitFall{"event:/Bird_Shit_Fall"};


constexpr Engine::vec2 kFeedbackPark{200.0f, -130.0f};
constexpr uint32_t kEggHealthColour = 0xFF00FF00;
constexpr uint32_t kImmunityColour = 0xFFFFF8F0;
constexpr uint32_t kLaxativeColour = 0xFF00FFFF;
constexpr uint32_t kHazardColour = 0xFF000000;
}  // namespace

Engine::vec2 RoundPlayerBehaviour::RefreshSpawnPoint() {
    UpdateSpawnPoint();
    return spawnPoint;
}

void RoundPlayerBehaviour::SetPickup(bool immunity, bool laxativeGrant) {
    immune = immunity;
    eggHealthPickup = false;
    laxative = laxativeGrant;
}

void RoundPlayerBehaviour::Init() {
    levelSettings = api::Find(kLevelSettings);
    egg = api::Find(kEgg);
    corner1 = api::Find(kCorner1);
    corner2 = api::Find(kCorner2);

    powerUpFeedback = api::Spawn(kPowerUp, 200.0f, 100.0f);
    if (Engine::GameObj* shown = powerUpFeedback.Get()) {
        birds::SetLayer(shown, 3);
        birds::PlaySheet(shown, 0.1f, 5);
    }
    feedback = api::Spawn(kFeedback, 60.0f, 11.0f);
    transition = api::Find(kTransitionBird);

    for (api::ObjectRef& slot : laxativeDungs) {
        slot = api::Spawn(kDung, -60.0f, -50.0f);
        if (Engine::GameObj* dung = slot.Get()) {
            if (Engine::RigidBody* body = api::Body(dung)) body->SetMotionType(Engine::kDynamicMotion);
            api::SetGravityScale(dung, 0.0f);
            api::AddForce(dung, {0.0f, -9.81f});
            api::SetTexture(dung, kCartoonShit);
            dung->shooter = owner;
        }
    }
    barrier = api::Find(owner->name == kPlayer.c_str() ? kP2Barrier : kP1Barrier);
    spawnPoint = SpawnRule();
}

bool RoundPlayerBehaviour::Revealed() const {
    const Transition* wipe = api::ScriptOf<Transition>(transition);
    return !wipe || wipe->revealed;
}

Engine::vec2 RoundPlayerBehaviour::SpawnRule() const {
    const bool one = owner->name == kPlayer.c_str();
    const auto corners = [&]() -> Engine::vec2 {
        const Engine::GameObj* corner = api::Find(one ? kCorner1 : kCorner2);
        if (!corner) return spawnPoint;
        return api::Position(corner) + (one ? Engine::vec2{0.8f, 1.5f} : Engine::vec2{-0.8f, 1.5f});
    };
    if (Engine::GameObj* settings = api::Find(kLevelSettings)) {
        const MatchRules* rules = api::ScriptOf<MatchRules>(settings);
        return rules && rules->EggMode() ? corners() : spawnPoint;
    }
    const levels::BirdRules::Start start = levels::CurrentBirdRules().start;
    if (start == levels::BirdRules::Start::Corners) return corners();
    if (start == levels::BirdRules::Start::ArenaSides) return one ? Engine::vec2{-10.0f, 2.0f} : Engine::vec2{10.0f, 2.0f};
    return one ? Engine::vec2{-12.5f, 1.5f} : Engine::vec2{-12.5f, -1.5f};
}

void RoundPlayerBehaviour::Update(float dt) {
    const birds::Bird bird = birds::Bird::Of(owner);
    if (Revealed()) {
        UpdateSpawnPoint();
        if (!levelSettings && levels::CurrentBirdRules().WalksIn()) UpdateWalkIn(dt);
        UpdatePowerUps(dt);
        if (laxativeDropping) UpdateLaxativeRain(dt);
        if (bird.IsDead()) {
            laxativeDropTimer = 0.0f;
            laxativeTimer = 0.0f;
            laxativeDropping = false;
            laxative = false;
            powerUpBusy = false;
        }
    }
    ParkFallenDung();
}

void RoundPlayerBehaviour::UpdateSpawnPoint() { spawnPoint = SpawnRule(); }

void RoundPlayerBehaviour::UpdateWalkIn(float dt) {
    if (!walkingIn) return;
    const birds::Bird bird = birds::Bird::Of(owner);
    bird.LockControls(true);
    Engine::vec2 at = api::Position(owner);
    at.y = spawnPoint.y;
    if (at.x < spawnPoint.x) {
        at.x += 2.0f * dt;
        api::SetPosition(owner, at);
        api::SetVelocity(owner, {0.0f, 0.0f});
        return;
    }
    api::SetPosition(owner, at);
    walkingIn = false;
    bird.LockControls(false);
}

void RoundPlayerBehaviour::ParkFeedback() { api::SetPosition(powerUpFeedback.Get(), kFeedbackPark); }

void RoundPlayerBehaviour::UpdatePowerUps(float dt) {
    Engine::GameObj* shown = powerUpFeedback.Get();
    const birds::Bird bird = birds::Bird::Of(owner);
    const Engine::vec2 here = api::Position(owner);

    // Egg health.
    Engine::GameObj* eggObject = egg.Get();
    if (eggHealthPickup && eggObject) {
        powerUpBusy = true;
        if (isAttacker) {
            immune = true;
            eggHealthPickup = false;
        } else {
            api::SetPosition(shown, api::Position(eggObject));
            api::SetColor(shown, kEggHealthColour);
            if (!eggHealthApplied) {
                if (EggTarget* target = api::ScriptOf<EggTarget>(eggObject)) {
                    int32_t& health = target->EggHealth();
                    health = std::min(health + 10, 100);
                }
                eggHealthApplied = true;
            }
            eggHealthTimer += dt;
            if (eggHealthTimer > 2.0f) {
                ParkFeedback();
                eggHealthTimer = 0.0f;
                eggHealthApplied = false;
                eggHealthPickup = false;
                powerUpBusy = false;
            }
        }
    }
    grantA = false;

    // Immunity.
    if (immune) {
        powerUpBusy = true;
        api::SetPosition(shown, here);
        api::SetColor(shown, kImmunityColour);
        immunityTimer += dt;
        if (immunityTimer > 3.0f) {
            immune = false;
            immunityTimer = 0.0f;
            ParkFeedback();
            powerUpBusy = false;
        }
    }

    // Laxative.
    if (laxative) {
        powerUpBusy = true;
        api::SetPosition(shown, here);
        api::SetColor(shown, kLaxativeColour);
        laxativeDropping = true;
        bird.SetDungReady(false);
        laxativeTimer += dt;
        if (laxativeTimer > 3.5f) {
            laxativeTimer = 0.0f;
            laxativeDropTimer = 0.0f;
            laxativeDropping = false;
            bird.SetDungReady(true);
            ParkFeedback();
            laxative = false;
            powerUpBusy = false;
        }
    }

    // Hazard: shown, but it does not make the bird busy.
    if (hazard) {
        api::SetPosition(shown, here);
        api::SetColor(shown, kHazardColour);
        hazardTimer += dt;
        if (hazardTimer > 3.0f) {
            hazardTimer = 0.0f;
            ParkFeedback();
            hazard = false;
        }
    }
}

void RoundPlayerBehaviour::UpdateLaxativeRain(float dt) {
    laxativeDropTimer += dt;
    if (laxativeDropTimer <= 0.25f) return;
    if (laxativeIndex < 0 || laxativeIndex >= kLaxativeDungCount) laxativeIndex = 0;
    if (Engine::GameObj* dung = laxativeDungs[static_cast<size_t>(laxativeIndex)].Get()) {
        api::SetPosition(dung, api::Position(owner) - Engine::vec2{0.0f, 1.0f});
        api::SetVelocity(dung, {0.0f, -9.81f});
        birds::SetEmitting(dung, true);
    }
    api::Play(kShitFall);
    laxativeIndex = (laxativeIndex + 1) % kLaxativeDungCount;
    laxativeDropTimer = 0.0f;
}

void RoundPlayerBehaviour::ParkFallenDung() {
    for (api::ObjectRef& slot : laxativeDungs) {
        Engine::GameObj* dung = slot.Get();
        if (!dung || api::Position(dung).y >= -19.5f) continue;
        api::SetPosition(dung, {-60.0f, -50.0f});
        api::SetVelocity(dung, {0.0f, 0.0f});
        birds::SetEmitting(dung, false);
    }
}

void RoundPlayerBehaviour::Grant(bool immunity, bool eggHealth, bool laxativeGrant, bool hazardGrant, bool a, bool b) {
    if (!powerUpBusy) {
        immune = immunity;
        eggHealthPickup = eggHealth;
        laxative = laxativeGrant;
    }
    hazard = hazardGrant;
    grantA = a;
    grantB = b;
}

void RoundPlayerBehaviour::BirdDied() {
    if (!birds::IsBirdObject(owner) || !birds::Bird::Of(owner).IsDead()) return;
    hitCount = std::max(0, hitCount - 5);
}

void RoundPlayerBehaviour::ResetPowerUps() {
    ParkFeedback();
    immune = false;
    hazard = false;
    laxative = false;
}

void RoundPlayerBehaviour::PushBack(Engine::GameObj* other, float strength) {
    const float d = api::Distance(other, owner);
    if (d < 3.0f * api::Length(api::Scale(other))) api::AddForce(owner, api::DirectionTo(other, owner) * strength);
}

void RoundPlayerBehaviour::OnCollisionEnter(Engine::GameObj* other) {
    if (!other) return;
    if (levels::CurrentBirdRules().leftEdgeKills && other->name == "LeftBound") {
        const birds::Bird bird = birds::Bird::Of(owner);
        bird.Kill(false);
        bird.SetRespawnBlink(5.0f);
    }
    if (levels::CurrentBirdRules().barrierPushes && barrier && other->name == barrier->name) PushBack(other, 30.0f);
}

void RoundPlayerBehaviour::OnCollisionStay(Engine::GameObj* other) {
    if (!other) return;
    if (levels::CurrentBirdRules().barrierPushes && barrier && other->name == barrier->name) PushBack(other, 5.0f);
}

void RoundPlayerBehaviour::HashState(Engine::StateHasher& hasher) const {
    for (bool flag : {isAttacker, isDefender, immune, laxative, hazard, powerUpBusy}) hasher.Flag(flag);
    hasher.Value(armorPieces);
    hasher.Value(hitCount);
}

#include "game/boss/zurododavad_level_control.h"

#include <cmath>
#include <string>

#include "api/drawing.h"
#include "api/script_api.h"
#include "api/stage.h"
#include "game/birds/bird.h"
#include "game/boss/boss_shapes.h"
#include "game/boss/energy_orb_behaviour.h"
#include "game/boss/zurododavad_player_behaviour.h"
#include "game/story/dialog_scene.h"

REGISTER_SCRIPT("ZurododavadLevelControl", ZurododavadLevelControl);

namespace {
const api::ObjectName kBoss{"Level4Boss"};
const api::ObjectName kPlayer1{"Player"};
const api::ObjectName kPlayer2{"Player2"};
const api::ObjectName kBeltLeft{"LaserBeltLeft"};
const api::ObjectName kBeltRight{"LaserBeltRight"};
const api::ArchetypeName kOrb{"EnergyOrbs"};
const api::ArchetypeName kMinion{"ZurododavadMinion"};
const api::ArchetypeName kLabel{"HudLabel"};
const api::SoundEvent kMinionSpawn{"event:/Minion_Spawn"};

constexpr float kPi = 3.14159265358979f;
constexpr float kBeltPark = 100.0f;
}  // namespace

ZurododavadLevelControl::~ZurododavadLevelControl() = default;

void ZurododavadLevelControl::Init() {
    fight = {};
    phase = 0;
    countdown = kEnergyPhase;
    orbInterval = 3.0f;
    orbTimer = 0.0f;
    belts = {api::Find(kBeltLeft), api::Find(kBeltRight)};
    const float parkAt[2] = {-kBeltPark, kBeltPark};
    for (int i = 0; i < 2; ++i) {
        Engine::GameObj* belt = belts[i].Get();
        if (!belt) continue;
        api::SetPosition(belt, {parkAt[i], api::Position(belt).y});
        api::SetVelocity(belt, {0.0f, 0.0f});
        boss::SheetFrames(belt, 1, 5, 0.1f);
    }
    beltTimer = minionTimer = phaseTimer = 0.0f;
    orbSide = 0;
    boss = api::Find(kBoss);
    player1 = api::Find(kPlayer1);
    player2 = api::Find(kPlayer2);
    countdownLabel = api::SpawnLabel(kLabel, "PassionOne", 32, {0.5f, 5.0f}, 0xFF0000FF, 8);
    api::SetText(countdownLabel.Get(), "");
    if (DialogScene* dialog = api::ScriptOf<DialogScene>(owner)) {
        dialog->holdTime = 2.0f;
        dialog->phase = DialogScene::Phase::Showing;
    }
    fight.started = false;
}

bool ZurododavadLevelControl::DialogueOver() {
    // A level without a dialogue starts at once rather than holding the birds forever.
    const DialogScene* dialog = api::ScriptOf<DialogScene>(owner);
    if (!dialog || dialog->Finished()) {
        fight.started = true;
        return true;
    }
    for (api::ObjectRef* bird : {&player1, &player2}) {
        const birds::Bird face = birds::Bird::Of(*bird);
        if (!face) continue;
        api::SetPosition(bird->Get(), face.SpawnRule());
        api::SetVelocity(bird->Get(), {0.0f, 0.0f});
    }
    return fight.started;
}

void ZurododavadLevelControl::Update(float dt) {
    if (!DialogueOver()) return;
    orbTimer += dt;
    UpdateCountdown(dt);
    phaseTimer += dt;
    minionTimer += dt;
    UpdateBelts(dt);

    if (orbTimer > orbInterval && fight.orbCount < boss::kMaxOrbs) {
        if (fight.vulnerable) return;
        SpawnOrb();
    }
    if (fight.vulnerable) return;
    if (phaseTimer > kEnergyPhase || fight.orbCount >= boss::kMaxOrbs) {
        OpenFight();
    } else if (phaseTimer > kMinionsFrom && minionTimer > kMinionEvery) {
        SpawnMinion();
    }
}

void ZurododavadLevelControl::UpdateCountdown(float dt) {
    if (phase == 0) {
        countdown -= dt;
        // Truncated toward zero, never below 0 on screen.
        const int shown = countdown > 0.0f ? static_cast<int>(countdown) : 0;
        api::SetText(countdownLabel.Get(), std::to_string(shown) + "s");
        return;
    }
    api::SetText(countdownLabel.Get(), "");
    for (api::ObjectRef* bird : {&player1, &player2})
        if (ZurododavadPlayerBehaviour* upgrades = api::ScriptOf<ZurododavadPlayerBehaviour>(bird->Get()))
            upgrades->upgradeChosen = true;
}

void ZurododavadLevelControl::UpdateBelts(float dt) {
    Engine::GameObj* left = belts[0].Get();
    Engine::GameObj* right = belts[1].Get();
    if (!left || !right) return;
    if (api::Position(left).x > 20.0f) {
        api::SetVelocity(left, {0.0f, 0.0f});
        api::SetPosition(left, {-kBeltPark, api::Position(left).y});
    }
    if (api::Position(right).x < -20.0f) {
        api::SetVelocity(right, {0.0f, 0.0f});
        api::SetPosition(right, {kBeltPark, api::Position(right).y});
    }
    if (api::Position(left).x <= -kBeltPark && api::Position(right).x >= kBeltPark) beltTimer += dt;
    if (beltTimer > kBeltRest) {
        api::SetPosition(left, {-18.0f, api::Position(left).y});
        api::SetVelocity(left, {2.0f, 0.0f});
        api::SetPosition(right, {18.0f, api::Position(right).y});
        api::SetVelocity(right, {-2.0f, 0.0f});
        beltTimer = 0.0f;
    }
}

void ZurododavadLevelControl::SpawnOrb() {
    orbSide = api::RandomInt(0, 1);
    const float x = orbSide == 0 ? -18.0f : 18.0f;
    if (EnergyOrbBehaviour* orb = api::ScriptOf<EnergyOrbBehaviour>(api::Spawn(kOrb, x, -6.0f))) {
        orb->velocity = {orbSide == 0 ? 7.0f : -7.0f, 0.0f};
        orb->moving = true;
    }
    orbTimer = 0.0f;
}

void ZurododavadLevelControl::SpawnMinion() {
    const float a = static_cast<float>(api::RandomInt(0, 179)) * kPi / 180.0f;
    Engine::GameObj* minion = api::Spawn(kMinion, 17.0f * std::cos(a), 17.0f * std::sin(a) - 5.0f);
    api::SetVelocity(minion, api::DirectionTo(minion, boss.Get()) * 5.0f);
    api::Play(kMinionSpawn);
    minionTimer = 0.0f;
}

void ZurododavadLevelControl::OpenFight() {
    if (Engine::GameObj* bossObject = boss.Get()) {
        boss::SheetFrames(bossObject, 1, 5, 1.0f);
        if (Engine::graphics::Animator* animator = api::AnimatorOf(bossObject)) animator->PlayOnce();
    }
    fight.vulnerable = true;
    phase = 1;
}

void ZurododavadLevelControl::HashState(Engine::StateHasher& hasher) const {
    hasher.Flag(fight.started);
    hasher.Flag(fight.vulnerable);
    hasher.Value(fight.orbCount);
    hasher.Value(phase);
    for (float value : {orbTimer, beltTimer, minionTimer, phaseTimer, countdown}) hasher.Value(value);
}

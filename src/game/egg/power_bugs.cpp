#include "game/egg/power_bugs.h"

#include "api/drawing.h"
#include "api/script_api.h"
#include "game/egg/bug_behaviour.h"
#include "game/egg/round_clock.h"

REGISTER_SCRIPT("PowerBugs", PowerBugs);

namespace {
const api::ObjectName kEgg{"Egg"};
const api::ObjectName kPlayer1{"Player"};
const api::ObjectName kPlayer2{"Player2"};
const api::ObjectName kLevelSettings{"GameLevelSettings"};
const api::ArchetypeName kBug{"Bug"};
const api::TextureName kUltimateTexture{"UltimatePowerUpBug"};
const api::TextureName kImmunity{"PowerUp_Immunity"};
const api::TextureName kEggHealth{"PowerUp_EggHealth"};
const api::TextureName kLaxative{"PowerUp_Laxative"};
const api::TextureName kHazard{"PowerUp_Hazard"};

void SetFrameTime(api::GameObj* object, float seconds) {
    if (Engine::graphics::Animator* animator = api::AnimatorOf(object)) animator->frameTime = seconds;
}
}  // namespace

PowerBugs::Kind PowerBugs::KindOf(int32_t r) {
    if (r <= 4) return Kind::Hazard;
    if (r <= 10) return Kind::Laxative;
    if (r <= 18) return Kind::EggHealth;
    return Kind::Immunity;
}

void PowerBugs::Init() {
    egg = api::Find(kEgg);
    player1 = api::Find(kPlayer1);
    player2 = api::Find(kPlayer2);
    levelSettings = api::Find(kLevelSettings);
    bug = api::SpawnParked(kBug);
    api::SetGravityScale(bug.Get(), 0.0f);
    SetFrameTime(bug.Get(), 0.3f);
    NewDelay();
}

void PowerBugs::NewDelay() {
    delay = EggLevel::SpawnDelay(EggLevel::ReadDelayInputs(egg, levelSettings, false));
    side = api::Rand() % 2 == 1 ? 1 : -1;
}

void PowerBugs::Restart() {
    bugTimer = 0.0f;
    NewDelay();
}

void PowerBugs::Update(float dt) {
    if (!levelSettings) return;
    ultimateTimer += dt;
    bugTimer += dt;
    if (ultimateTimer > kUltimateEvery) SpawnUltimate();

    BugBehaviour* b = api::ScriptOf<BugBehaviour>(bug);
    if (!b) return;
    if (bugTimer > delay && !b->active) Release(*b);
    if (b->active) {
        const float k = static_cast<float>(api::RandomInt(100, 249));
        api::SetVelocity(bug.Get(), {-static_cast<float>(b->side) * k * dt, 0.0f});
    }
}

void PowerBugs::SpawnUltimate() {
    ultimateTimer = 0.0f;
    api::GameObj* ultimate = api::Spawn(kBug, 0.0f, 8.0f);
    if (!ultimate) return;
    api::SetPosition(ultimate, {0.0f, 8.0f});
    api::SetGravityScale(ultimate, 0.01f);
    api::SetTexture(ultimate, kUltimateTexture);
    SetFrameTime(ultimate, 0.3f);
    api::PlayAnimation(ultimate);
    if (BugBehaviour* b = api::ScriptOf<BugBehaviour>(ultimate)) {
        b->ClearKinds();
        b->label = "Ultimate";
        b->ultimate = true;
        b->active = true;
        b->side = side;
    }
    ultimateBug = ultimate;
}

void PowerBugs::Release(BugBehaviour& b) {
    b.ClearKinds();
    switch (KindOf(api::RandomInt(0, 28))) {
        case Kind::Hazard:
            api::SetTexture(bug.Get(), kHazard);
            b.label = "Hazard";
            b.hazard = true;
            b.cloud = true;
            break;
        case Kind::Laxative:
            api::SetTexture(bug.Get(), kLaxative);
            b.label = "Laxative";
            b.laxative = true;
            break;
        case Kind::EggHealth:
            api::SetTexture(bug.Get(), kEggHealth);
            b.label = "Heal";
            b.eggHealth = true;
            break;
        case Kind::Immunity:
            api::SetTexture(bug.Get(), kImmunity);
            b.label = "Immunity";
            b.immunity = true;
            break;
    }
    SetFrameTime(bug.Get(), 0.3f);
    api::PlayAnimation(bug.Get());
    b.active = true;
    b.side = side;
    api::SetPosition(bug.Get(), {12.0f * static_cast<float>(side), static_cast<float>(api::RandomInt(-5, 2))});
}

void PowerBugs::Reset() {
    if (BugBehaviour* b = api::ScriptOf<BugBehaviour>(bug)) b->Withdraw();
    NewDelay();
    bugTimer = 0.0f;
    ultimateTimer = 0.0f;
    api::Destroy(ultimateBug.Get());
    ultimateBug.Reset();
}

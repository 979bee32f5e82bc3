#include "game/boss/zurododavad_power_up_spawner.h"

#include <cmath>
#include <utility>

#include "api/bodies.h"
#include "api/script_api.h"
#include "game/birds/bird.h"
#include "game/boss/boss_shapes.h"
#include "game/egg/bug_behaviour.h"

REGISTER_SCRIPT("ZurododavadPowerUpSpawner", ZurododavadPowerUpSpawner);

namespace {
const api::ArchetypeName kBug{"Bug"};
const api::ObjectName kPlayer1{"Player"};
const api::ObjectName kPlayer2{"Player2"};
const api::TextureName kUltimateBug{"UltimatePowerUpBug"};
const api::TextureName kLaxativeBug{"PowerUp_Laxative"};
const api::TextureName kImmunityBug{"PowerUp_Immunity"};
const api::SoundEvent kPowerUpGet{"event:/PowerUp_Get"};
const api::SoundEvent kInvulnGet{"event:/Invuln_Get"};
const api::SoundEvent kLaxativeGet{"event:/Laxative_Get"};
constexpr Engine::vec2 kParked{-200.0f, 100.0f};

int32_t DrawDirection() { return api::RandomInt(0, 1) == 0 ? -1 : 1; }
}  // namespace

void ZurododavadPowerUpSpawner::Shuffle() {
    // Fisher-Yates over the game's random source: every order equally likely.
    for (int i = static_cast<int>(lanes.size()) - 1; i > 0; --i) std::swap(lanes[i], lanes[api::RandomInt(0, i)]);
}

void ZurododavadPowerUpSpawner::Init() {
    direction = DrawDirection();
    bugCount = 3;
    nextBug = 0;
    bugTimer = 0.0f;
    bugInterval = 3.0f + static_cast<float>(api::RandomInt(0, 4));
    enabled = true;
    lanes = {2.5f, 0.0f, -2.5f};
    Shuffle();
    bugs.clear();
    for (int i = 0; i < bugCount; ++i) {
        Engine::GameObj* bug = api::Spawn(kBug, kParked.x, kParked.y);
        if (!bug) continue;
        bugScale_ = api::Scale(bug);
        api::SetGravityScale(bug, 0.0f);
        if (Engine::RigidBody* body = api::Body(bug)) body->SetMotionType(Engine::kKinematicMotion);
        api::SetVelocity(bug, {0.0f, 0.0f});
        api::SetPosition(bug, kParked);
        if (BugBehaviour* script = api::ScriptOf<BugBehaviour>(bug)) script->active = false;
        bugs.emplace_back(bug);
    }
}

void ZurododavadPowerUpSpawner::Launch(Engine::GameObj* bug, BugBehaviour& script) {
    const int r = api::RandomInt(0, 24);
    script.ClearKinds();
    const char* texture = kImmunityBug;
    if (r < 7) {
        script.ultimate = true;
        texture = kUltimateBug;
    } else if (r < 15) {
        script.laxative = true;
        texture = kLaxativeBug;
    } else {
        script.immunity = true;
    }
    api::SetTexture(bug, texture);
    // The bug's pulse drifts with uneven frame times; each crossing starts from its own size.
    api::SetScale(bug, bugScale_);
    boss::SheetFrames(bug, 1, 5, 0.3f);
    script.active = true;
    script.side = direction;
    api::SetPosition(bug, {12.0f * static_cast<float>(direction), lanes[static_cast<size_t>(nextBug)]});
}

void ZurododavadPowerUpSpawner::PickUps(Engine::GameObj* bug, BugBehaviour& script) {
    for (const char* name : {kPlayer1.c_str(), kPlayer2.c_str()}) {
        Engine::GameObj* bird = api::Find(name);
        const birds::Bird face = birds::Bird::Of(bird);
        if (!face || face.IsDead() || !api::Overlaps(bug, bird)) continue;
        api::Play(kPowerUpGet);
        if (script.immunity) api::Play(kInvulnGet);
        if (script.laxative) api::Play(kLaxativeGet);
        if (script.ultimate) face.ReadyUltimate();
        face.Grant(script.immunity, false, script.laxative, false, false, false);
        script.Withdraw();
        return;
    }
}

void ZurododavadPowerUpSpawner::Update(float dt) {
    if (!enabled || bugs.empty()) return;
    bugTimer += dt;
    if (bugTimer > bugInterval) {
        Engine::GameObj* bug = bugs[static_cast<size_t>(nextBug) % bugs.size()].Get();
        BugBehaviour* script = api::ScriptOf<BugBehaviour>(bug);
        if (script && !script->active) Launch(bug, *script);
        nextBug += 1;
        bugTimer = 0.0f;
        bugInterval = 4.0f + static_cast<float>(api::RandomInt(0, 4));
        direction = DrawDirection();
        if (nextBug >= bugCount) {
            nextBug = 0;
            Shuffle();
        }
    }
    for (const api::ObjectRef& ref : bugs) {
        Engine::GameObj* bug = ref.Get();
        BugBehaviour* script = api::ScriptOf<BugBehaviour>(bug);
        if (!script || !script->active) continue;
        const float k = static_cast<float>(api::RandomInt(100, 249));
        api::SetVelocity(bug, {-static_cast<float>(script->side) * k * dt, 0.0f});
        if (std::fabs(api::Position(bug).x) > kLeaveBeyond) {
            script->Withdraw();
            continue;
        }
        PickUps(bug, *script);
    }
}

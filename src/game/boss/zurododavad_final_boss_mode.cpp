#include "game/boss/zurododavad_final_boss_mode.h"

#include <algorithm>
#include <cmath>

#include "api/camera_view.h"
#include "api/drawing.h"
#include "api/script_api.h"
#include "game/birds/bird.h"
#include "game/boss/boss_shapes.h"
#include "game/boss/zurododavad_boss_behaviour.h"
#include "game/boss/fight_state.h"
#include "game/levels/level_table.h"

REGISTER_SCRIPT("ZurododavadFinalBossMode", ZurododavadFinalBossMode);

namespace {
const api::ObjectName kPlayer1{"Player"};
const api::ObjectName kPlayer2{"Player2"};
const api::ObjectName kChargeFeedback{"ElectricChargeUpFeedback"};
const api::ObjectName kShadow{"BossShadow"};
const api::ArchetypeName kArm{"ZurododavadBossArm"};
const api::ArchetypeName kSmash{"ButtonSmashFeedback"};
const api::ArchetypeName kLaserBeam{"ZurododavadBossLaser"};
const api::ArchetypeName kLockOn{"ZurododavadLockOn"};
const api::TextureName kIdle{"ZurododavadBossIdle"};
const api::SoundEvent kGrabSound{"event:/Boss_Grab"};
const api::SoundEvent kBarrierSound{"event:/Boss_Barrier"};
const api::SoundEvent kLaserSound{"event:/Boss_Laser"};
// The shadow's colour tells the coming attack: blue barrier, green laser, yellow grab.
constexpr uint32_t kShadowColours[3] = {0xFFFF0000, 0xFF00FF00, 0xFF00FFFF};
constexpr float kRadians = 180.0f / 3.14159265358979f;
}  // namespace

birds::Bird ZurododavadFinalBossMode::BirdScript(size_t i) const { return birds::Bird::Of(birds[i]); }

void ZurododavadFinalBossMode::Init() {
    birds = {api::Find(kPlayer1), api::Find(kPlayer2)};
    chargeFeedback = api::Find(kChargeFeedback);
    chargeAlpha = attackTimer = fightTime = 0.0f;
    attackState = kTelegraph;
    flashTimer = 1.0f;
    laserTarget.Reset();
    idlePending = true;
    hitFlash = false;
    shadow = api::Find(kShadow);
    shadowBaseScale = api::Scale(shadow.Get());
    nextAttack = -1;
    api::SetParameter(levels::StartMusic(), "Boss_Start", 0.0f);
    barrierPlayed = false;
}

void ZurododavadFinalBossMode::ClearAttacks() {
    for (api::ObjectRef& arm : arms) api::Destroy(arm.Get());
    arms.clear();
    for (api::ObjectRef* ref : {&lockOn, &laser, &chargeFeedback, &smashFeedback1, &smashFeedback2}) {
        api::Destroy(ref->Get());
        ref->Reset();
    }
    // Birds still held by the arms go free with the boss's end.
    for (size_t i = 0; i < birds.size(); ++i) {
        if (BossGrab* cage = api::ScriptOf<BossGrab>(birds[i])) cage->Release();
    }
    api::SetColor(shadow.Get(), 0x00FFFFFF);
    attackState = kTelegraph;
}

void ZurododavadFinalBossMode::Update(float dt) {
    if (!boss::FightNow().vulnerable) return;
    const ZurododavadBossBehaviour* life = api::ScriptOf<ZurododavadBossBehaviour>(owner);
    if (life && life->bossHealth < 1) {
        if (!arms.empty() || lockOn || laser || chargeFeedback) ClearAttacks();
        api::SetColor(shadow.Get(), 0x00FFFFFF);
        return;
    }
    if (hitFlash) {
        flashTimer -= dt;
        api::SetColor(owner, 0xFF0000FF);
        if (flashTimer <= 0.0f) {
            hitFlash = false;
            flashTimer = 1.0f;
            api::SetColor(owner, 0xFFFFFFFF);
        }
    }
    fightTime += dt;
    if (api::Position(owner).y < 0.0f) {
        api::MoveBy(owner, {0.0f, dt});
        api::Shake({1.0f, 1.0f, 0.0f}, 3, 2.0f, dt);
        if (api::Parameter(levels::Music(), "Boss_Start") < 1.0f)
            api::SetParameter(levels::Music(), "Boss_Start", std::min(fightTime, 1.0f));
        return;
    }
    if (idlePending) {
        // The rise's shaking leaves the view where its last swing put it.
        api::ResetCamera();
        api::SetTexture(owner, kIdle);
        boss::SetAnimating(owner, true);
        boss::SheetFrames(owner, 1, 5, 0.3f);
        if (Engine::graphics::Animator* animator = api::AnimatorOf(owner)) animator->once = false;
        idlePending = false;
    }
    switch (attackState) {
        case kTelegraph: Telegraph(dt); break;
        case kBarrier: Barrier(dt); break;
        case kLaser: Laser(dt); break;
        case kGrab: Grab(); break;
        default: attackState = kTelegraph; break;
    }
}

void ZurododavadFinalBossMode::Telegraph(float dt) {
    attackTimer += dt;
    Engine::GameObj* s = shadow.Get();
    if (nextAttack == -1) {
        nextAttack = api::RandomInt(0, 2);
        api::SetColor(s, kShadowColours[nextAttack]);
        api::SetPosition(s, api::Position(owner));
    }
    if (api::Scale(s).y < 11.0f) api::SetScale(s, api::Scale(s) + Engine::vec2{dt, dt});
    if (attackTimer <= kTelegraphSeconds) return;
    attackState = nextAttack == 0 ? kBarrier : nextAttack == 1 ? kLaser : kGrab;
    if (attackState == kGrab) api::Play(kGrabSound);
    nextAttack = -1;
    attackTimer = 0.0f;
    laserFrame_ = 0;
    grabStarted_ = false;
    api::SetPosition(s, {100.0f, api::Position(s).y});
    api::SetScale(s, shadowBaseScale);
}

void ZurododavadFinalBossMode::Barrier(float dt) {
    Engine::GameObj* feedback = chargeFeedback.Get();
    api::SetPosition(feedback, api::Position(owner));
    chargeAlpha += 63.75f * dt;
    api::SetColor(feedback, boss::WhiteAlpha(chargeAlpha));
    attackTimer += dt;
    if (attackTimer > 5.0f) {
        api::SetPosition(feedback, {500.0f, api::Position(feedback).y});
        api::SetScale(feedback, {12.0f, 12.0f});
        attackTimer = chargeAlpha = 0.0f;
        attackState = kTelegraph;
        barrierPlayed = false;
        return;
    }
    if (attackTimer <= 4.0f) return;
    api::SetScale(feedback, api::Scale(feedback) + Engine::vec2{100.0f * dt, 100.0f * dt});
    if (!barrierPlayed) {
        api::Play(kBarrierSound);
        barrierPlayed = true;
    }
    const float reach = api::Length(api::Scale(feedback));
    for (size_t i = 0; i < birds.size(); ++i) {
        Engine::GameObj* bird = birds[i].Get();
        const birds::Bird main = BirdScript(i);
        if (!main || main.IsProtected() || main.IsStunned()) continue;
        if (api::Distance(owner, bird) > reach) continue;
        main.Stun(2.0f);
        api::SetVelocity(bird, api::DirectionTo(owner, bird) * 5.0f);
    }
}

void ZurododavadFinalBossMode::Laser(float dt) {
    attackTimer += dt;
    const float t = attackTimer;
    if (t <= 1.0f) {
        laserFrame_ += 1;
        if (laserFrame_ == 1) {
            laserTarget = birds[static_cast<size_t>(api::RandomInt(0, 1))];
        } else if (laserFrame_ == 2) {
            lockOn = api::Spawn(kLockOn, 300.0f, 300.0f);
        } else if (Engine::GameObj* mark = lockOn.Get()) {
            if (Engine::GameObj* target = laserTarget.Get()) api::SetPosition(mark, api::Position(target));
        }
        return;
    }
    if (t <= 2.5f) {
        if (laser) return;
        // The aim is fixed now. A lock-on sitting on the boss's centre gives no
        // direction; the laser then fires straight down instead of dividing by 0.
        const Engine::vec2 v = api::Position(lockOn.Get()) - api::Position(owner);
        laserAim = api::Length(v) > 0.0f && lockOn ? api::Normalized(v) : Engine::vec2{0.0f, -1.0f};
        api::Play(kLaserSound);
        const Engine::vec2 at = api::Position(owner) + laserAim * 20.0f;
        Engine::GameObj* beam = api::Spawn(kLaserBeam, at.x, at.y);
        laser = beam;
        api::SetRotation(beam, std::atan2(laserAim.y, laserAim.x) * kRadians);
        api::SetScale(beam, {api::Scale(beam).x, 0.1f});
        return;
    }
    if (t <= 4.0f) {
        Engine::GameObj* beam = laser.Get();
        api::SetScale(beam, {api::Scale(beam).x, kLaserWidth});
        api::SetColor(lockOn.Get(), 0x00FFFFFF);
        for (Engine::GameObj* bird :
             boss::BirdsOnSegment(api::Position(owner), laserAim, kLaserReach, {0.0f, kLaserWidth}))
            birds::Bird::Of(bird).KillUnlessProtected(true);
        return;
    }
    attackState = kTelegraph;
    attackTimer = 0.0f;
    api::Destroy(laser.Get());
    api::Destroy(lockOn.Get());
    laser.Reset();
    lockOn.Reset();
    laserTarget.Reset();
    laserFrame_ = 0;
}

void ZurododavadFinalBossMode::Grab() {
    if (!grabStarted_) {
        grabStarted_ = true;
        arms.clear();
        for (size_t i = 0; i < birds.size(); ++i) {
            Engine::GameObj* bird = birds[i].Get();
            const Engine::vec2 at = api::Position(bird);
            Engine::GameObj* arm = api::Spawn(kArm, at.x, at.y);
            boss::SwitchColliderOff(arm);
            arms.emplace_back(arm);
            Engine::GameObj* smash = api::Spawn(kSmash, at.x, at.y + 1.0f);
            boss::SheetFrames(smash, 1, 2, 0.1f);
            (i == 0 ? smashFeedback1 : smashFeedback2) = smash;
            if (BossGrab* cage = api::ScriptOf<BossGrab>(bird)) cage->Catch();
        }
        return;
    }
    bool anyLeft = false;
    for (size_t i = 0; i < arms.size() && i < birds.size(); ++i) {
        if (!arms[i]) continue;
        const birds::Bird main = BirdScript(i);
        if (!main.ControlsLocked()) {
            api::Destroy((i == 0 ? smashFeedback1 : smashFeedback2).Get());
            api::Destroy(arms[i].Get());
            arms[i].Reset();
            continue;
        }
        anyLeft = true;
    }
    if (anyLeft) return;
    arms.clear();
    attackState = kTelegraph;
    grabStarted_ = false;
}

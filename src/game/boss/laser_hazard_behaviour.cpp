#include "game/boss/laser_hazard_behaviour.h"

#include <cmath>

#include "api/script_api.h"
#include "game/birds/bird.h"
#include "game/boss/boss_shapes.h"
#include "game/boss/fight_state.h"

REGISTER_SCRIPT("LaserHazardBehaviour", LaserHazardBehaviour);

namespace {
const api::ArchetypeName kBeam{"HazardBeam"};
const api::TextureName kLockOn{"ZurododavadLockOn"};
const api::TextureName kLockOnOn{"ZurododavadLockOnOn"};
const api::TextureName kBossBeam{"ZurododavadBossBeam"};
const api::SoundEvent kScanDown{"event:/Boss_Scan_Down"};
const api::SoundEvent kScanUp{"event:/Boss_Scan_Up"};
const api::SoundEvent kCannonLaser{"event:/Cannon_Laser"};
const api::SoundEvent kCannonLaser2{"event:/Cannon_Laser2"};
constexpr float kDegrees = 3.14159265358979f / 180.0f;

float DrawSweepSpeed() { return 10.0f + static_cast<float>(api::RandomInt(0, 4)); }
}  // namespace

void LaserHazardBehaviour::Init() {
    sweepUp = true;
    fireTimer = 0.0f;
    right_ = owner && owner->name == "ZurododavadRightLaser";
    if (right_) {
        minAngle = 180.0f;
        maxAngle = 270.0f;
        angle = 270.0f;
        sweepUp = false;
    } else {
        minAngle = 0.0f;
        maxAngle = 90.0f;
        angle = 0.0f;
    }
    const Engine::vec2 at = api::Position(owner);
    beam = api::Spawn(kBeam, at.x, at.y);
    sweepSpeed = DrawSweepSpeed();
    locked = false;
    PlaceBeam();
}

void LaserHazardBehaviour::PlaceBeam() {
    Engine::GameObj* b = beam.Get();
    if (!b) return;
    const Engine::vec2 d{std::cos(angle * kDegrees), std::sin(angle * kDegrees)};
    api::SetPosition(b, api::Position(owner) + d * (kBeamLength / 2.0f));
    api::SetRotation(b, angle);
    api::SetRotation(owner, angle - 90.0f);
}

void LaserHazardBehaviour::Update(float dt) {
    if (!boss::FightNow().started) return;
    if (locked)
        Fire(dt);
    else
        Scan(dt);
}

void LaserHazardBehaviour::Fire(float dt) {
    Engine::GameObj* b = beam.Get();
    fireTimer -= dt;
    api::SetTexture(b, kLockOnOn);
    if (fireTimer > -2.0f) {
        // The warning: brighter and thicker than the scan, so a bird sees it is marked.
        api::SetColor(b, 0xD0FFFFFF);
        api::SetScale(b, {api::Scale(b).x, 0.9f});
        return;
    }
    if (fireTimer > -3.0f) {
        api::SetColor(b, 0xFFFFFFFF);
        api::SetScale(b, {api::Scale(b).x, 2.0f});
        api::SetTexture(b, kBossBeam);
        boss::SetAnimating(b, true);
        const Engine::vec2 d{std::cos(angle * kDegrees), std::sin(angle * kDegrees)};
        for (Engine::GameObj* bird : boss::BirdsOnSegment(api::Position(owner), d, kReach, {0.0f, 0.0f}))
            birds::Bird::Of(bird).KillUnlessProtected(true);
        return;
    }
    if (fireTimer >= -8.0f) {
        api::SetColor(b, 0x00FFFFFF);
        return;
    }
    boss::SetAnimating(b, false);
    boss::SheetFrames(b, 1, 1, 0.1f);
    api::SetTexture(b, kLockOn);
    fireTimer = 0.0f;
    locked = false;
}

void LaserHazardBehaviour::Scan(float dt) {
    Engine::GameObj* b = beam.Get();
    api::SetScale(b, {api::Scale(b).x, 0.5f});
    api::SetColor(b, 0x64FFFFFF);
    if (angle < minAngle) {
        sweepUp = true;
        sweepSpeed = DrawSweepSpeed();
        api::Play(kScanDown);
    } else if (angle > maxAngle) {
        sweepUp = false;
        sweepSpeed = DrawSweepSpeed();
        api::Play(kScanUp);
    }
    angle += sweepUp ? sweepSpeed * dt : -sweepSpeed * dt;
    PlaceBeam();
    const Engine::vec2 d{std::cos(angle * kDegrees), std::sin(angle * kDegrees)};
    if (boss::BirdsOnSegment(api::Position(owner), d, kReach, {0.0f, 0.0f}).empty()) return;
    locked = true;
    boss::SheetFrames(b, 1, 5, 0.1f);
    boss::SetAnimating(b, false);
    api::Play(right_ ? kCannonLaser : kCannonLaser2);
}

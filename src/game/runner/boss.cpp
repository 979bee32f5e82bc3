#include "game/runner/boss.h"

#include <algorithm>

#include "api/bodies.h"
#include "api/drawing.h"
#include "game/birds/bird.h"
#include "game/runner/boss_bullet.h"
#include "game/runner/runner_hud.h"

REGISTER_SCRIPT("Boss", Boss);

namespace {
const api::ObjectName kPlayer{"Player"};
const api::ObjectName kPlayer2{"Player2"};
const api::ObjectName kDung{"Dung"};
const api::ObjectName kSoundScream{"SoundScream"};
const api::ObjectName kLightningBall{"LightningBall"};
const api::ObjectName kFartBomb{"FartBomb"};
const api::ArchetypeName kBossBalls{"BossBalls"};
const api::ArchetypeName kUltimateCollider{"UltimateCollider"};
const api::ArchetypeName kAlertFeedback{"AlertFeedback"};
const api::ArchetypeName kPortal{"Portal"};
const api::SoundEvent kPortalSound{"event:/Portal"};
const api::SoundEvent kBarrierSound{"event:/Boss_Barrier"};
const api::SoundEvent kMoveSound{"event:/Boss_Move"};
const api::SoundEvent kFourWaySound{"event:/Boss_4Way"};
const api::SoundEvent kHomingSound{"event:/Boss_Homing"};
const api::SoundEvent kArrowSound{"event:/Boss_Arrow"};
const api::SoundEvent kShitImpact{"event:/Shit_Impact"};
const api::SoundEvent kLightningHit{"event:/Myna_Lightning_Hit"};

constexpr uint32_t kWhite = 0xFFFFFFFF;
constexpr uint32_t kRed = 0xFF0000FF;
constexpr uint32_t kBlinkTint = 0xFF0045FF;
const api::vec2 kBallParking{345.0f, 225.0f};
const api::vec2 kColliderParking{-185.0f, -245.0f};
const api::vec2 kAlertParking{-195.0f, -245.0f};
const api::vec2 kPortalParking{-200.0f, 225.0f};

void Animate(Engine::GameObj* object, uint32_t lastCell, float frameTime) {
    if (!object) return;
    if (Engine::graphics::Animator* animator = object->GetAnimator()) {
        animator->frameTime = frameTime;
        animator->playing = true;
    }
    if (Engine::graphics::Renderable2D* sprite = object->GetSprite()) sprite->SetFrame(1, lastCell);
}

void DrawAtOrder(Engine::GameObj* object, int32_t order) {
    if (!object) return;
    object->transform->layer = order;
    if (Engine::graphics::Renderable2D* sprite = object->GetSprite()) sprite->order = order;
}
}  // namespace

Boss::Boss(Engine::GameObj* owner) : ScriptBase(owner) {
    if (!owner) return;  // the registry's prototype draws nothing
    attackDelay = 3.0f + static_cast<float>(api::Rand() % 4);
    nextAttack = api::Rand() % kAttackCount;
    moveDelay = 3.0f + static_cast<float>(api::Rand() % 4);
    moveUp = (api::Rand() & 1) != 0;
}

void Boss::Init() {
    player1 = api::Find(kPlayer);
    player2 = api::Find(kPlayer2);
    Animate(owner, 5, 0.1f);
    DrawAtOrder(owner, 0);
    balls.clear();
    for (int32_t i = 0; i < ballCount; ++i) {
        Engine::GameObj* ball = api::Spawn(kBossBalls, kBallParking.x, kBallParking.y);
        if (!ball) continue;
        api::SetPosition(ball, BossBullet::ParkingSpot(kBallParking, ball));
        api::SetVelocity(ball, {0.0f, 0.0f});
        if (Engine::RigidBody* body = api::Body(ball)) body->SetMotionType(Engine::kDynamicMotion);
        api::SetGravityScale(ball, 0.0f);
        Animate(ball, 5, 0.1f);
        balls.emplace_back(ball);
    }
    ultimateCollider = api::Spawn(kUltimateCollider, kColliderParking.x, kColliderParking.y);
    alert = api::Spawn(kAlertFeedback, kAlertParking.x, kAlertParking.y);
    portal = api::Spawn(kPortal, kPortalParking.x, kPortalParking.y);
    DrawAtOrder(portal.Get(), 0);
    for (Engine::GameObj* part : {ultimateCollider.Get(), alert.Get(), portal.Get()}) Animate(part, 5, 0.1f);
    runner::SortLayers();
    arrowRow = arrowBaseRow;
    home = api::Position(owner);
}

api::vec2 Boss::LeftEdge() const {
    const api::vec2 at = api::Position(owner);
    return {at.x - api::Scale(owner).x * 0.5f, at.y};
}

Engine::GameObj* Boss::PoolBall(int32_t index) const {
    if (index < 0 || index >= static_cast<int32_t>(balls.size())) return nullptr;
    return balls[static_cast<size_t>(index)].Get();
}

bool Boss::Fire(Engine::GameObj* ball, api::vec2 from, api::vec2 heading, bool homing) {
    BossBullet* bullet = api::ScriptOf<BossBullet>(ball);
    if (!bullet || bullet->fired) return false;
    api::SetPosition(ball, from);
    bullet->homing = homing;
    bullet->heading = heading;
    bullet->fired = true;
    ++ballsInFlight;
    return true;
}

void Boss::BallRecycled() { ballsInFlight = std::max(0, ballsInFlight - 1); }

void Boss::Update(float dt) {
    if (appearing) {
        Appear(dt);
    } else if (dead) {
        api::SetPosition(ultimateCollider.Get(), kAlertParking);
        api::SetPosition(alert.Get(), kAlertParking);
        ultimateArmed = false;
        barrierSoundPlayed = false;
    } else {
        Wait(dt);
        if (attackTimer > attackDelay && !inMove) RunAttack(dt);
        if (hitFlash) {
            hitFlashTimer += dt;
            if (hitFlashTimer < 0.1f) {
                api::SetColor(owner, kRed);
            } else {
                api::SetColor(owner, kWhite);
                hitFlashTimer = 0.0f;
                hitFlash = false;
            }
        }
        if (moveTimer > moveDelay && !attacking)
            inMove = true;
        else
            moveTimer += dt;
        KillZone(dt);
    }
    if (inMove && !attacking) Move(dt);
}

void Boss::Appear(float dt) {
    if (!portalSoundPlayed) {
        api::Play(kPortalSound);
        portalSoundPlayed = true;
    }
    appearTimer += dt;
    if (appearTimer < kAppearTime) {
        api::SetPosition(portal.Get(), api::Position(owner));
        if (Engine::graphics::Renderable2D* sprite = owner->GetSprite()) {
            const auto alpha = static_cast<uint32_t>(std::clamp(static_cast<int>(appearTimer * 51.0f), 0, 255));
            api::SetColor(owner, (sprite->color & 0x00FFFFFFu) | alpha << 24);
        }
        return;
    }
    api::Destroy(portal.Get());
    portal.Reset();
    api::SetColor(owner, kWhite);
    appearTimer = 0.0f;
    appearing = false;
}

void Boss::Wait(float dt) {
    if (attacking || ballsInFlight > 4) return;
    blinkTimer += dt;
    attackTimer += dt;
    if (attackTimer > attackDelay - 0.2f) blinkTimer = 0.0f;
    if (blinkTimer < 0.2f) {
        api::SetColor(owner, kWhite);
    } else {
        api::SetColor(owner, kBlinkTint);
        blinkTimer = 0.0f;
    }
}

void Boss::RunAttack(float dt) {
    attacking = true;
    switch (nextAttack) {
        case kFourWay: FourWayStep(dt); break;
        case kHoming: HomingStep(dt); break;
        default: ArrowStep(dt); break;
    }
}

void Boss::FourWayStep(float dt) {
    stepTimer += dt;
    const api::vec2 edge = LeftEdge();
    if (stepTimer > 1.5f && Fire(PoolBall(ballIndex), edge, {-1.2f, (ballIndex & 1) ? 0.8f : -0.8f})) {
        ++ballIndex;
        stepTimer = 0.0f;
        api::Play(kFourWaySound);
    }
    if (extraShots <= 10) {
        // The spread's extra balls come from the pool at large and fly like the
        // others, so they reach a bound and are recycled.
        if (Engine::GameObj* extra = api::Spawn(kBossBalls, edge.x, edge.y)) {
            api::SetPosition(extra, edge);
            if (Engine::RigidBody* body = api::Body(extra)) body->SetMotionType(Engine::kDynamicMotion);
            api::SetGravityScale(extra, 0.0f);
            Animate(extra, 4, 0.1f);
            Fire(extra, edge, {-1.5f, (extraShots & 1) ? 0.2f : -0.2f});
        }
        ++extraShots;
    }
    if (ballIndex > ballCount / 3 - 1) EndAttack();
}

void Boss::HomingStep(float dt) {
    if (stepTimer == 0.0f) api::Play(kHomingSound);
    stepTimer += dt;
    if (stepTimer > 1.5f && Fire(PoolBall(ballIndex), LeftEdge(), {-2.0f, 0.0f}, true)) {
        ++ballIndex;
        stepTimer = 0.0f;
    }
    if (ballIndex > ballCount / 5) EndAttack();
}

void Boss::ArrowStep(float dt) {
    if (stepTimer == 0.0f) api::Play(kArrowSound);
    stepTimer += dt;
    if (arrowShots > 4) {
        arrowShots = 0;
        arrowRow = arrowBaseRow;
    }
    if (stepTimer > 0.8f) {
        Engine::GameObj* ball = PoolBall(ballIndex);
        BossBullet* bullet = api::ScriptOf<BossBullet>(ball);
        // A ball still flying from an earlier attack is waited for, not fired twice.
        if (bullet && !bullet->fired) {
            const api::vec2 edge = LeftEdge();
            const bool odd = (arrowShots & 1) != 0;
            api::vec2 from = edge;
            if (arrowShots > 0 && odd) {
                from.y = edge.y + static_cast<float>(arrowRow + 1);
            } else if (arrowShots > 0) {
                ++arrowRow;
                from.y = edge.y - static_cast<float>(arrowRow);
            }
            Fire(ball, from, {-2.5f, 0.0f});
            if (!odd) stepTimer = 0.0f;
            ++arrowShots;
            ++ballIndex;
        }
    }
    if (ballIndex > ballCount / 2 - 1) EndAttack();
}

void Boss::EndAttack() {
    attackTimer = 0.0f;
    stepTimer = 0.0f;
    attackDelay = 3.0f + static_cast<float>(api::Rand() % 4);
    // Any of the three patterns can follow any other.
    nextAttack = api::Rand() % kAttackCount;
    blinkTimer = 0.0f;
    extraShots = 0;
    ballIndex = 0;
    attacking = false;
}

void Boss::KillZone(float dt) {
    if (api::Distance(owner, player1.Get()) < kKillZoneRange && player1) ultimateArmed = true;
    if (api::Distance(owner, player2.Get()) < kKillZoneRange && player2) ultimateArmed = true;
    if (!ultimateArmed || !ultimateCollider) return;
    ultimateTimer += dt;
    const api::vec2 at = api::Position(owner);
    const api::vec2 size = api::Scale(owner);
    if (ultimateTimer < 4.0f) {
        api::SetPosition(alert.Get(), {at.x - size.x / 3.0f, at.y + size.y / 3.0f});
    } else {
        if (!barrierSoundPlayed) {
            api::Play(kBarrierSound);
            barrierSoundPlayed = true;
        }
        api::SetPosition(ultimateCollider.Get(), at);
        api::SetPosition(alert.Get(), kAlertParking);
    }
    if (ultimateTimer > 6.0f) {
        ultimateTimer = 0.0f;
        ultimateArmed = false;
        barrierSoundPlayed = false;
        api::SetPosition(ultimateCollider.Get(), kColliderParking);
    }
}

void Boss::Move(float dt) {
    if (!moveSoundPlayed) {
        api::Play(kMoveSound);
        moveSoundPlayed = true;
    }
    api::vec2 at = api::Position(owner);
    bool finished = false;
    if (moveUp) {
        if (!turned && at.y <= kMoveTop) {
            at.y += 2.0f * dt;
        } else {
            turned = true;
            if (at.y >= home.y)
                at.y -= 2.0f * dt;
            else
                finished = true;
        }
    } else {
        if (!turned && at.y >= kMoveBottom) {
            at.y -= 2.0f * dt;
        } else {
            turned = true;
            if (at.y <= home.y)
                at.y += 2.0f * dt;
            else
                finished = true;
        }
    }
    api::SetPosition(owner, at);
    if (!finished) return;
    moveUp = !moveUp;
    inMove = false;
    moveSoundPlayed = false;
    turned = false;
    moveTimer = 0.0f;
}

void Boss::ScoreHit(Engine::GameObj* bird, int points) {
    birds::Bird::Of(bird).AddScore(points);
    hitFlash = true;
}

void Boss::OnCollisionEnter(Engine::GameObj* other) {
    if (!other) return;
    if (other->name == kDung.c_str()) {
        Engine::GameObj* bird = birds::Bird::ShooterOf(other).Object();
        if (!bird) return;
        api::SetPosition(other, {-50.0f, -50.0f});
        ScoreHit(bird, 5);
        api::Play(kShitImpact);
    } else if (other->name == kSoundScream.c_str() || other->name == kLightningBall.c_str() ||
               other->name == kFartBomb.c_str()) {
        ScoreHit(birds::Bird::ShooterOf(other).Object(), 5);
        if (other->name == kLightningBall.c_str()) api::Play(kLightningHit);
    }
}

void Boss::OnCollisionStay(Engine::GameObj* other) {
    if (birds::IsBirdObject(other) && birds::Bird::Of(other).IsPecking()) ScoreHit(other, 2);
}

void Boss::ResetBalls() {
    if (ballsReset) return;
    for (Engine::GameObj* ball : api::FindAll(kBossBalls)) {
        if (BossBullet* bullet = api::ScriptOf<BossBullet>(ball)) {
            bullet->fired = false;
            bullet->homing = false;
        }
        api::SetPosition(ball, BossBullet::ParkingSpot(kBallParking, ball));
        api::SetVelocity(ball, {0.0f, 0.0f});
    }
    ballsInFlight = 0;
    ballsReset = true;
}

#include "game/runner/l4_collidable.h"

#include <algorithm>

#include "api/bodies.h"
#include "api/drawing.h"
#include "game/birds/bird.h"
#include "game/runner/score_anchor.h"

REGISTER_SCRIPT("L4Collidable", L4Collidable);

namespace {
const api::ObjectName kPipe{"L4Pipe"};
const api::ObjectName kTunnel{"L4Section1"};
const api::ArchetypeName kLaser{"PipeLazer"};
const api::SoundEvent kPipeCleared{"event:/Pipe_Cleared"};
const api::vec2 kPrizeParking{165.0f, -100.0f};
constexpr uint32_t kPrizeWhite = 0xFFFFFFFF;

float Uniform(float range) { return static_cast<float>(api::Rand()) * range / 32767.0f; }

void AnimateCells(Engine::GameObj* object, float frameTime) {
    if (Engine::graphics::Renderable2D* sprite = object ? object->GetSprite() : nullptr) sprite->SetFrame(1, 5);
    if (Engine::graphics::Animator* animator = api::AnimatorOf(object)) {
        if (frameTime > 0.0f) animator->frameTime = frameTime;
        animator->playing = true;
    }
}

void SetLaserLength(Engine::GameObj* laser, float length) {
    length = std::max(0.0f, length);
    api::SetScale(laser, {api::Scale(laser).x, length});
    if (Engine::Collider* collider = api::ColliderOf(laser)) collider->height = length;
}
}  // namespace

void L4Collidable::Init() {
    isPipe = owner->name == kPipe.c_str();
    isTunnel = owner->name == kTunnel.c_str();
    speed = (isPipe || isTunnel) ? kSweepSpeed : 1.0f + Uniform(1.0f);
    AnimateCells(owner, isPipe ? 0.15f : 0.0f);
    if (!isPipe) return;
    const api::vec2 at = api::Position(owner);
    laser = api::Spawn(kLaser, at.x, at.y);
    if (Engine::GameObj* beam = laser.Get()) {
        AnimateCells(beam, 0.01f);
        SetLaserLength(beam, 4.0f + Uniform(2.0f));
    }
    pulsing = api::Rand() % 3 == 1;
    payout = std::make_unique<runner::FlyingPrize>(kPrizeParking, kPrizeWhite);
}

void L4Collidable::PulseLaser(float dt, float newX) {
    timer += dt;
    if (timer > 1.0f) {
        timer = 0.0f;
        flag = !flag;
    }
    Engine::GameObj* beam = laser.Get();
    if (!beam) return;
    const float y = api::Position(owner).y;
    const float s = api::Scale(beam).y;
    const bool above = y > 0.0f;
    const bool grow = above ? flag : !flag;
    SetLaserLength(beam, s + (grow ? 2.0f : -2.0f) * dt);
    api::SetPosition(beam, {newX, above ? y - s / 2.0f - 0.2f : y + s / 2.0f + 0.2f});
}

void L4Collidable::BobWithLaser(float dt, float newX) {
    timer += dt;
    if (timer > 0.4f) {
        timer = 0.0f;
        flag = !flag;
    }
    const float y0 = api::Position(owner).y;
    const bool above = y0 > 0.0f;
    const float step = (flag ? dt : -dt) * (above ? 1.0f : -1.0f);
    api::SetPosition(owner, {api::Position(owner).x, y0 + step});
    if (Engine::GameObj* beam = laser.Get()) {
        const float half = api::Scale(beam).y / 2.0f;
        api::SetPosition(beam, {newX, above ? y0 - half - 0.2f : y0 + half + 0.2f});
    }
}

void L4Collidable::Update(float dt) {
    if (api::Position(owner).y > 100.0f) speed = 0.0f;
    const float newX = api::Position(owner).x - speed * dt;
    if (isPipe) {
        if (pulsing)
            PulseLaser(dt, newX);
        else
            BobWithLaser(dt, newX);
    }
    api::SetPosition(owner, {newX, api::Position(owner).y});
    if (payout) payout->Update(dt);
}

void L4Collidable::OnCollisionEnter(Engine::GameObj* other) {
    if (!birds::IsBirdObject(other)) return;
    if (isTunnel) {
        if (!birds::Bird::Of(other).IsProtected()) birds::Bird::Of(other).KillWithPush();
        return;
    }
    birds::Bird::Of(other).AddScore(kPipePay);
    if (payout)
        payout->Launch(std::to_string(kPipePay), api::Position(other) + api::vec2{0.0f, 1.0f},
                       runner::ScoreAnchorOf(other));
    api::Play(kPipeCleared);
}

#include "game/runner/boss_bullet.h"

#include <algorithm>

#include "game/birds/bird.h"

REGISTER_SCRIPT("BossBullet", BossBullet);

namespace {
const api::ObjectName kPlayer{"Player"};
const api::ObjectName kPlayer2{"Player2"};
const api::ObjectName kBoss{"Boss"};
const api::ObjectName kUpBound{"UpBound"};
const api::ObjectName kDownBound{"DownBound"};
const api::ObjectName kLeftBound{"LeftBound"};
const api::ObjectName kRightBound{"RightBound"};
const api::vec2 kRecycled{365.0f, 225.0f};

bool IsBound(const Engine::GameObj* other) {
    return other->name == kUpBound.c_str() || other->name == kDownBound.c_str() ||
           other->name == kLeftBound.c_str() || other->name == kRightBound.c_str();
}

float Clamp10(float v) { return std::clamp(v, -10.0f, 10.0f); }
}  // namespace

api::vec2 BossBullet::ParkingSpot(api::vec2 base, const Engine::GameObj* ball) {
    const int slot = ball ? ball->id : 0;
    return base + api::vec2{2.0f * static_cast<float>(slot % 64), 2.0f * static_cast<float>((slot / 64) % 64)};
}

void BossBullet::Init() {
    player1 = api::Find(kPlayer);
    player2 = api::Find(kPlayer2);
    boss = api::Find(kBoss);
}

void BossBullet::Aim() {
    heading.x = -static_cast<float>(2 + api::Rand() % 4);
    Engine::GameObj* p1 = player1.Get();
    Engine::GameObj* p2 = player2.Get();
    // The nearer bird; on a tie, or with only one bird left, the second is taken.
    if (p1 && p2)
        target = api::Distance(p1, owner) < api::Distance(p2, owner) ? p1 : p2;
    else
        target = p2 ? p2 : p1;
    Engine::GameObj* aim = target.Get();
    if (!aim) return;
    const float dy = api::Position(aim).y - api::Position(owner).y;
    if (dy < 0.0f)
        heading.y = -static_cast<float>(1 + api::Rand() % 2);
    else if (dy > 0.0f)
        heading.y = static_cast<float>(1 + api::Rand() % 2);
}

void BossBullet::Update(float) {
    if (!fired) return;
    if (homing) Aim();
    api::SetVelocity(owner, {Clamp10(heading.x), Clamp10(heading.y)});
}

void BossBullet::Recycle() {
    homing = false;
    if (fired)
        if (BallThrower* thrower = api::ScriptOf<BallThrower>(boss)) thrower->BallRecycled();
    fired = false;
    api::SetPosition(owner, ParkingSpot(kRecycled, owner));
    api::SetVelocity(owner, {0.0f, 0.0f});
}

void BossBullet::OnCollisionEnter(Engine::GameObj* other) {
    if (!other) return;
    if (IsBound(other)) {
        Recycle();
    } else if (birds::IsBirdObject(other) && !birds::Bird::Of(other).IsProtected()) {
        birds::Bird::Of(other).Kill();
        Recycle();
    }
}

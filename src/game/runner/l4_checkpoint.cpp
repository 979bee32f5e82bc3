#include "game/runner/l4_checkpoint.h"

#include <string>

#include "api/drawing.h"
#include "game/birds/bird.h"
#include "game/runner/score_anchor.h"

REGISTER_SCRIPT("L4Checkpoint", L4Checkpoint);

namespace {
const api::ObjectName kPlayer{"Player"};
const api::ObjectName kPlayer2{"Player2"};
const api::ObjectName kLeftBound{"LeftBound"};
const api::ArchetypeName kEagleBottom{"CheckpointEagleBottom"};
const api::ArchetypeName kEagleTop{"CheckpointEagleTop"};
const api::SoundEvent kCleared{"event:/Checkpoint_Cleared"};

const api::vec2 kParking{165.0f, -100.0f};
const api::vec2 kResetParking{270.0f, -40.0f};
constexpr float kEagleBottomY = -8.3f;
constexpr float kEagleTopY = 7.5f;
constexpr uint32_t kPrizeGreen = 0xFF00FC7C;
constexpr uint32_t kClaimedTint = 0x99FFFFFF;

Engine::GameObj* SpawnEagle(const char* archetype) {
    Engine::GameObj* eagle = api::Spawn(archetype, kParking.x, kParking.y);
    if (!eagle) return nullptr;
    api::SetPosition(eagle, kParking);
    if (Engine::graphics::Animator* animator = api::AnimatorOf(eagle)) {
        animator->frameTime = 0.1f;
        animator->playing = true;
    }
    if (Engine::graphics::Renderable2D* sprite = eagle->GetSprite()) sprite->SetFrame(1, 5);
    return eagle;
}
}  // namespace

void L4Checkpoint::Init() {
    player1 = api::Find(kPlayer);
    player2 = api::Find(kPlayer2);
    payout = std::make_unique<runner::FlyingPrize>(kParking, kPrizeGreen);
    eagleBottom = SpawnEagle(kEagleBottom);
    eagleTop = SpawnEagle(kEagleTop);
}

void L4Checkpoint::Send(api::vec2 from, float newSpeed, int32_t newPrize) {
    api::SetPosition(owner, from);
    speed = newSpeed;
    prize = newPrize;
}

void L4Checkpoint::Update(float dt) {
    if (resetPending) {
        api::SetPosition(owner, kResetParking);
        speed = 0.0f;
        api::SetColor(owner, 0xFFFFFFFF);
        claimed = false;
        resetPending = false;
    } else {
        const api::vec2 at = api::Position(owner);
        api::SetPosition(eagleBottom.Get(), {at.x, kEagleBottomY});
        api::SetPosition(eagleTop.Get(), {at.x, kEagleTopY});
        api::SetPosition(owner, {at.x - speed * dt, at.y});
    }
    if (payout && payout->Update(dt)) birds::Bird::Of(claimer.Get()).AddScore(prize);
}

void L4Checkpoint::OnCollisionEnter(Engine::GameObj* other) {
    if (!other) return;
    if (other->name == kLeftBound.c_str()) {
        resetPending = true;
        return;
    }
    if (claimed || !birds::IsBirdObject(other)) return;
    claimed = true;
    claimer = other;
    api::SetColor(owner, kClaimedTint);
    if (payout) payout->Launch(std::to_string(prize), api::Position(owner), runner::ScoreAnchorOf(other));
    api::Play(kCleared);
}

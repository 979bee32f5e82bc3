#include "game/birds/power_up_tutorial_manager.h"

#include "api/script_api.h"
#include "game/birds/bird.h"
#include "game/birds/bird_looks.h"

REGISTER_SCRIPT("PowerUpTutorialManager", PowerUpTutorialManager);

namespace {
const api::ObjectName kPlayer{"Player"};
const api::ObjectName kPlayer2{"Player2"};
const api::ArchetypeName kCollected{"PowerUpCollectedFeedBack"};
const api::SoundEvent kPowerUpGet{"event:/PowerUp_Get"};
const api::SoundEvent kInvulnGet{"event:/Invuln_Get"};
const api::SoundEvent kLaxativeGet{"event:/Laxative_Get"};

// Colour of the pickup as it fades back in, by seconds since it was taken.
uint32_t FadeColour(float t) {
    if (t >= 3.0f) return 0xFFFFFFFF;
    if (t >= 2.5f) return 0xCCFFFFFF;
    if (t >= 2.0f) return 0x99FFFFFF;
    if (t >= 1.5f) return 0x66FFFFFF;
    if (t >= 1.0f) return 0x33FFFFFF;
    if (t >= 0.5f) return 0x11FFFFFF;
    return 0x00FFFFFF;
}
}  // namespace

void PowerUpTutorialManager::Init() {
    laxative = owner->name == "Laxative";
    immunity = owner->name == "Invulnerable";
    grantsUltimate = owner->name == "Ultimate";
}

void PowerUpTutorialManager::OnCollisionEnter(Engine::GameObj* other) {
    if (!other || !available) return;
    if (other->name != kPlayer.c_str() && other->name != kPlayer2.c_str()) return;
    if (birds::Bird::Of(other).PowerUpBusy()) return;
    const Engine::vec2 at = api::Position(owner);
    if (Engine::GameObj* shown = collectedFeedback.Get()) api::Destroy(shown);
    collectedFeedback = api::Spawn(kCollected, at.x, at.y);
    birds::PlaySheet(collectedFeedback.Get(), 0.1f, 5);
    feedbackTimer = 0.0f;
    toucher = other;
    grantPending = true;
    available = false;
    fadeTimer = 0.0f;
    api::SetColor(owner, 0x00FFFFFF);
    if (!grantsUltimate) {
        api::Play(kPowerUpGet);
        if (immunity) api::Play(kInvulnGet);
        if (laxative) api::Play(kLaxativeGet);
    }
}

void PowerUpTutorialManager::Update(float dt) {
    if (Engine::GameObj* shown = collectedFeedback.Get()) {
        feedbackTimer += dt;
        if (feedbackTimer > 1.0f) {
            api::Destroy(shown);
            collectedFeedback.Reset();
        }
    }
    if (grantPending) {
        grantPending = false;
        if (const birds::Bird bird = birds::Bird::Of(toucher)) {
            if (toucher->name == kPlayer.c_str()) {
                if (!bird.PowerUpBusy()) bird.SetPickup(immunity, laxative);
            } else {
                bird.Grant(immunity, false, laxative, false, grantsUltimate, false);
            }
        }
    }
    if (!available) {
        fadeTimer += dt;
        api::SetColor(owner, FadeColour(fadeTimer));
        if (fadeTimer > 3.2f) available = true;
    }
}

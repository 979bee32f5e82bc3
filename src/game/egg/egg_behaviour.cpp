#include "game/egg/egg_behaviour.h"

#include <algorithm>

#include "api/drawing.h"
#include "api/script_api.h"
#include "api/stage.h"

REGISTER_SCRIPT("EggBehaviour", EggBehaviour);

namespace {
const api::ArchetypeName kHealthBar{"HealthBar"};
const api::ArchetypeName kHealth{"Health"};
const api::ObjectName kLevelSettings{"GameLevelSettings"};
const api::TextureName kFlap{"EggEagleFlap"};
const api::TextureName kFlapCrack{"EggEagleFlapCrack"};
const api::TextureName kDestroyed{"EggDestroyed"};
const api::SoundEvent kEagleDeath{"event:/Eagle_Death"};
constexpr api::vec2 kBarOffset{0.0f, 2.0f};
constexpr int32_t kBarLayer = 6;
}  // namespace

void EggBehaviour::Init() {
    healthBar = api::SpawnParked(kHealthBar);
    healthFill = api::SpawnParked(kHealth);
    api::SetLayer(healthBar.Get(), kBarLayer);
    api::SetLayer(healthFill.Get(), kBarLayer + 1);
    levelSettings = api::Find(kLevelSettings);
    healthBarWidth = api::Scale(healthFill.Get()).x;
    deathSoundPlayed = false;
    currentTexture = kFlap.c_str();
}

void EggBehaviour::Update(float dt) {
    api::SetGravityScale(owner, 0.0f);
    api::SetLayer(owner, 0);
    Bob(dt);
    if (health < maxHealth) lowHealthAnim = true;
    ShowTexture();
    Blink(dt);
    if (health < 2) Break();
    PlaceHealthBar();
}

void EggBehaviour::Bob(float dt) {
    float& timer = bobbingUp ? upTimer : downTimer;
    timer += dt;
    if (timer > bobHalfPeriod) {
        // The frame that ends a phase keeps the velocity it had.
        timer = 0.0f;
        bobbingUp = !bobbingUp;
        return;
    }
    api::SetVelocity(owner, {0.0f, bobbingUp ? 0.5f : -0.5f});
}

void EggBehaviour::ShowTexture() {
    const bool hitJustEnded = wasShowingHit_ && !showingHit;
    wasShowingHit_ = showingHit;
    if (showingHit || health < 2) return;
    const char* wanted = health > 50 ? kFlap.c_str() : kFlapCrack.c_str();
    if (currentTexture == wanted && !hitJustEnded) return;
    api::SetTexture(owner, wanted);
    api::PlayAnimation(owner);
    currentTexture = wanted;
}

void EggBehaviour::Blink(float dt) {
    // The red blink shows for the whole low range, below 20; above it the egg is white.
    if (health >= kBlinkBelow) {
        blinkTimer = 0.0f;
        if (health >= 2) api::SetColor(owner, kWhite);
        return;
    }
    blinkTimer += dt;
    if (blinkTimer > 1.0f) blinkTimer = 0.0f;
    api::SetColor(owner, blinkTimer < 0.5f ? kRed : kWhite);
}

void EggBehaviour::Break() {
    // Once broken it stays broken until the egg is mended: restarting the
    // sheet every frame would hold it on its first picture.
    if (lowHealthAnim && currentTexture != kDestroyed.c_str()) {
        api::SetTexture(owner, kDestroyed);
        currentTexture = kDestroyed.c_str();
        if (Engine::graphics::Animator* animator = api::AnimatorOf(owner)) animator->frameTime = 0.5f;
        api::PlayAnimation(owner, true);
        lowHealthAnim = false;
    }
    if (health < 1 && !deathSoundPlayed) {
        api::Play(kEagleDeath);
        deathSoundPlayed = true;
    }
}

void EggBehaviour::PlaceHealthBar() {
    api::GameObj* bar = healthBar.Get();
    api::GameObj* fill = healthFill.Get();
    if (!bar || !fill) return;
    const api::vec2 at = api::Position(owner) + kBarOffset;
    const float share = maxHealth > 0 ? std::clamp(static_cast<float>(health) / static_cast<float>(maxHealth), 0.0f, 1.0f) : 0.0f;
    const float width = healthBarWidth * share;
    api::SetPosition(bar, at);
    api::SetScale(fill, {width, api::Scale(fill).y});
    api::SetPosition(fill, {at.x - (healthBarWidth - width) * 0.5f, at.y});
    api::SetColor(fill, share > 0.5f ? 0xFF4FD27Du : share > 0.2f ? 0xFF2FC2FFu : 0xFF3F3FEEu);
}

void EggBehaviour::HashState(Engine::StateHasher& hasher) const {
    hasher.Value(health);
    hasher.Value(maxHealth);
}

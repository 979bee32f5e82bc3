#pragma once
// The eagle's egg: bobs up and down, cracks below half health, blinks red when
// low, breaks when it reaches 0 and shows its health on a bar above it.

#include <cstdint>
#include <string>

#include "api/object_ref.h"
#include "api/script.h"
#include "game/birds/bird_links.h"

class EggBehaviour : public Engine::ScriptBase<EggBehaviour>, public EggTarget, public Engine::HashedState {
public:
    using ScriptBase::ScriptBase;

    static constexpr uint32_t kRed = 0xFF0000FF;
    static constexpr uint32_t kWhite = 0xFFFFFFFF;
    // Below this health the egg blinks red.
    static constexpr int32_t kBlinkBelow = 20;

    void Init() override;
    void Update(float dt) override;
    void HashState(Engine::StateHasher& hasher) const override;

    // EggTarget
    int32_t& EggHealth() override { return health; }
    int32_t EggMaxHealth() const override { return maxHealth; }
    bool& EggShowingHit() override { return showingHit; }

    bool bobbingUp = false;
    bool lowHealthAnim = false;
    bool deathSoundPlayed = false;
    float upTimer = 0.0f;
    float downTimer = 0.0f;
    float bobHalfPeriod = 1.0f;
    int32_t health = 100;
    int32_t maxHealth = 100;
    float healthBarWidth = 0.0f;
    float blinkTimer = 0.0f;
    api::ObjectRef healthBar;
    api::ObjectRef levelSettings;
    api::ObjectRef healthFill;
    api::ObjectRef staminaBar;
    bool showingHit = false;
    std::string currentTexture = "EggEagleFlap";

private:
    void Bob(float dt);
    void ShowTexture();
    void Blink(float dt);
    void Break();
    void PlaceHealthBar();
    bool wasShowingHit_ = false;
};

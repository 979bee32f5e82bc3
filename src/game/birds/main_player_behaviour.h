#pragma once
// The bird itself: reads its player's keys and pad every frame and turns them
// into flapping, walking, pecking, dropping dung, the skill and the ultimate;
// keeps stamina, cooldowns, stun, invulnerability, death and respawn and the
// player's heads-up icons; reacts to everything it touches.
//
// Other scripts work with a bird through `birds::Bird` (game/birds/bird.h),
// which this script answers as a `birds::BirdBody`; its state is its own.

#include <array>
#include <cstdint>
#include <map>
#include <string>

#include "api/controls.h"
#include "api/maths.h"
#include "api/object_ref.h"
#include "api/script.h"
#include "game/birds/bird.h"

class IndividualPlayerBehaviour;
class MatchRules;
struct BirdTestAccess;

// The body's state, in the order the game keeps it; private to the bird.
struct BirdBodyState {
    static constexpr float kParkedDungX = -20.0f;

    Engine::Gamepad pad{1};
    Engine::GamepadState padState;
    // Whether `pad` was connected at the last check, to notice unplugging once.
    bool padWasConnected = false;

    api::ObjectRef egg;
    api::ObjectRef teamIcon;
    api::ObjectRef dung;
    api::ObjectRef peckFeedback;
    api::ObjectRef otherPlayer;
    api::ObjectRef levelSettings;
    api::ObjectRef staminaBarBack;
    api::ObjectRef staminaBarFront;
    api::ObjectRef dungIcon;
    api::ObjectRef skillIcon;
    api::ObjectRef ultimateIcon;
    api::ObjectRef stunFeedback;
    api::ObjectRef deathAnim;

    bool dungIconPulse = false;
    bool skillIconFilling = false;
    bool dungReadyShown = false;
    bool dungPulseShrinking = false;
    bool skillPulseShrinking = false;
    Engine::vec2 dungIconScale;
    Engine::vec2 skillIconScale;
    Engine::vec2 ultimateIconScale;

    bool ultimateReady = false;
    Engine::vec2 pendingVelocity;

    bool hurtByPeck = false;
    bool padRebuilt = false;
    bool pecking = false;
    bool hurtReaction = false;
    bool eggHitThisPeck = false;
    bool actionAnimating = false;
    bool firstUpdate = true;
    bool stunned = false;
    bool facingRight = true;
    bool eggHitFeedback = false;
    bool notFlapping = true;
    bool dead = false;
    bool invulnerableAfterStun = false;
    bool stunSoundStarted = false;
    bool invulnerable = true;

    float invulnerableTimer = 0.0f;
    float ultimateChargeTimer = 3.0f;
    float blinkTimer = 0.0f;
    bool passiveUltimateCharge = false;
    float skillTimer = 0.0f;
    float skillCooldown = 3.0f;
    int32_t controllerNumber = 0;
    float actionAnimDuration = 0.5f;
    float actionAnimTimer = 0.0f;
    float dungTimer = 0.0f;
    float dungCooldown = 4.0f;
    float stunTimer = 0.0f;
    float hurtReactionTimer = 0.0f;
    float stamina = 100.0f;
    float maxStamina = 100.0f;
    float sinceLastFlap = 0.0f;
    float staminaBlinkTimer = 0.0f;
    float deathTimer = 0.0f;
    Engine::vec2 baseScale{1.0f, 1.0f};
    float staminaBarWidth = 0.0f;
    uint32_t staminaBarColour = 0xFFFFFFFF;
    float stunDuration = 0.0f;
    float flapStrength = 1.0f;
    float peckKnockback = 20.0f;

    bool skillRequested = false;
    bool deathReported = false;
    bool upgradesApplied = false;

    std::map<std::string, std::string> animationMap;
    std::array<std::string, 2> teamIconTextures;

    bool practiceHold = false;
    float practiceHoldTimer = 0.0f;

    std::map<std::string, Engine::VirtualKey> keyMap;
    std::string currentAnimation;
    float moveSpeed = 1.0f;
    bool invulnerableVisible = false;
    int32_t respawnCount = 0;
    float invulnerabilityDuration = 1.5f;
    int32_t ultimateCharge = 0;
    bool controlsLocked = false;
    bool dungReady = true;
    bool killedByHazard = false;
    bool holdInvulnerable = false;
    float respawnDelay = 1.5f;
};

class MainPlayerBehaviour : public Engine::ScriptBase<MainPlayerBehaviour>,
                            public Engine::HashedState,
                            public birds::BirdBody,
                            private BirdBodyState {
public:
    using ScriptBase::ScriptBase;

    void Init() override;
    void Update(float dt) override;
    void HashState(Engine::StateHasher& hasher) const override;
    void OnCollisionEnter(Engine::GameObj* other) override;
    void OnCollisionStay(Engine::GameObj* other) override;
    void OnCollisionExit(Engine::GameObj* other) override;

    // ---- The face (birds::BirdBody) ----
    bool Dead() const override { return dead; }
    bool Pecking() const override { return pecking; }
    bool Stunned() const override { return stunned; }
    bool ControlsLocked() const override { return controlsLocked; }
    bool FacingRight() const override { return facingRight; }
    bool Blinking() const override { return invulnerable; }
    int32_t UltimateCharge() const override { return ultimateCharge; }
    // The bird dies and respawns after its delay; `byHazard` also shows the
    // hazard death animation and moves the bird out of sight.
    void Kill(bool byHazard) override;
    // Stuns the bird for `duration` seconds; with `blinkAfter` it blinks
    // invulnerable for `invulnerabilityDuration` once the stun ends.
    void Stun(float duration, bool blinkAfter) override;
    // The stun ends on the next update.
    void EndStun() override { stunDuration = 0.0f; }
    // Adds `direction` x `strength` to the body's pending force; a zero
    // direction pushes nothing.
    void KnockBack(Engine::vec2 direction, float strength) override;
    // Switches to the animation of an action ("Idle", "Flap", "Injured", "Peck", "Shit").
    void SwitchAnimation(const std::string& action) override;
    void LockControls(bool locked) override { controlsLocked = locked; }
    void FaceRight(bool right) override { facingRight = right; }
    void ReadyUltimate() override { ultimateReady = true; }
    void AddUltimateCharge(int32_t amount) override;
    void SetDungReady(bool ready) override { dungReady = ready; }
    void EndSkill() override { skillRequested = false; }
    void SetRespawnBlink(float seconds) override { invulnerabilityDuration = seconds; }
    void ShowDeath(const api::ObjectRef& animation) override;
    void TakePad(const Engine::Gamepad* controllerPad) override;
    void HoldInvulnerable(bool hold) override { invulnerable = holdInvulnerable = hold; }
    void StartNewRound() override;
    bool FlapPressed() override;
    bool PeckTriggerPressed() override { return pad.IsRightTriggerTriggered(); }

    // Immune (power-up) or blinking invulnerable: harmful contacts are ignored.
    bool IsProtected() const;
    // Where the bird stands at the start and after a respawn.
    Engine::vec2 SpawnPoint() const;
    // Whether the action's key went down this frame (held, for "Left"/"Right").
    bool KeyAction(const std::string& action);

    // The state, for reading (the world hash, the tests).
    const BirdBodyState& State() const { return *this; }

private:
    friend struct BirdTestAccess;
    bool IsPlayerOne() const;
    // The bird's character script and round companion (null when missing).
    IndividualPlayerBehaviour* Character() const;
    birds::BirdRound* Round() const;
    bool IsAttacker() const;
    // The level's match rules on "GameLevelSettings", or null.
    MatchRules* Rules() const;
    void FirstUpdate();
    void ApplyUpgrades();
    void ChargeUltimate(float dt);
    void UpdateSkillIcon(float dt);
    void UpdateDungIcon(float dt);
    void UpdatePad();
    void UpdateTeamIcon();
    void UpdateHurtReaction(float dt);
    void UpdateHazardDeath();
    void UpdateStamina(float dt);
    void UpdateStaminaWarning(float dt);
    void UpdateBlinking(float dt);
    void UpdateStun(float dt);
    void HoldAtSpawn();
    void UpdateDeath(float dt);
    void UpdateControls(float dt);
    void UpdateStaminaBar();
    bool PulseIcon(Engine::GameObj* icon, Engine::vec2 initialScale, bool& shrinking, float dt);
    void PeckedBy(Engine::GameObj* pecker, bool landing);
    void PlayHitSound() const;
    Engine::GameObj* Self() const { return owner; }
};

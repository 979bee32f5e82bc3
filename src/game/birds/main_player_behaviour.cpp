#include "game/birds/main_player_behaviour.h"

#include <cmath>
#include <iostream>

#include "api/actions.h"
#include "api/bodies.h"
#include "api/controls.h"
#include "api/drawing.h"
#include "api/script_api.h"
#include "game/birds/bird.h"
#include "game/birds/bird_links.h"
#include "game/birds/bird_looks.h"
#include "game/birds/character_table.h"
#include "game/birds/individual_player_behaviour.h"
#include "game/levels/level_table.h"
#include "game/ultimates/ultimate.h"

REGISTER_SCRIPT("MainPlayerBehaviour", MainPlayerBehaviour);

namespace {
const api::ObjectName kPlayer{"Player"};
const api::ObjectName kPlayer2{"Player2"};
const api::ObjectName kEgg{"Egg"};
const api::ObjectName kLevelSettings{"GameLevelSettings"};
const api::ObjectName kP1DungIcon{"P1ShitCoolDown"}, kP1SkillIcon{"P1SecondarySkillCoolDown"},
    kP1UltimateIcon{"P1UltimateCoolDown"};
const api::ObjectName kP2DungIcon{"P2ShitCoolDown"}, kP2SkillIcon{"P2SecondarySkillCoolDown"},
    kP2UltimateIcon{"P2UltimateCoolDown"};
const api::ObjectName kP1BarBack{"Player1StaminaBarBack"}, kP1BarFront{"Player1StaminaBarFront"};
const api::ObjectName kP2BarBack{"Player2StaminaBarBack"}, kP2BarFront{"Player2StaminaBarFront"};

const api::ArchetypeName kDung{"Dung"};
const api::ArchetypeName kPeckFeedback{"PeckFeedback"};
const api::ArchetypeName kPeckUsedFeedback{"PeckUsedFeedback"};
const api::ArchetypeName kFeedbackTemplate{"FeedbackTemplate"};
const api::ArchetypeName kDeathByMeteorAnim{"DeathByMeteorAnim"};
const api::ArchetypeName kTeam1Icon{"Team1_Icon"};
const api::ArchetypeName kTeam2Icon{"Team2_Icon"};

const api::TextureName kCartoonShit{"CartoonShit"};
const api::TextureName kStunAnimated{"FeedbackStunAnimated"};
const api::TextureName kP1Attack{"P1_Attack"}, kP1Defend{"P1_Defend"}, kP2Attack{"P2_Attack"}, kP2Defend{"P2_Defend"};
const api::TextureName kEggHurt{"EggEagleHurt"}, kEggHurtCrack{"EggEagleHurtCrack"};

const api::SoundEvent kFlapSound{"event:/Bird_Flap"};
const api::SoundEvent kPeckSound{"event:/Bird_Peck"};
const api::SoundEvent kShitSound{"event:/Bird_Shit"};
const api::SoundEvent kShitImpact{"event:/Shit_Impact"};
const api::SoundEvent kPeckImpact{"event:/Peck_Impact"};
const api::SoundEvent kStunnedSound{"event:/Player_Stunned"};
const api::SoundEvent kCooldownComplete{"event:/Cooldown_Complete"};
const api::SoundEvent kDeathMeteor{"event:/Bird_Death_Meteor"};
const api::SoundEvent kUltiGet{"event:/Ulti_Get"};
const api::SoundEvent kEggHit{"event:/Egg_Hit"};
const api::SoundEvent kEagleHurt{"event:/Eagle_Hurt"};
const api::SoundEvent kCannonSkill{"event:/Zora_Cannon_Skill"};


constexpr uint32_t kOpaqueWhite = 0xFFFFFFFF;
constexpr uint32_t kInvisibleWhite = 0x00FFFFFF;
constexpr uint32_t kOpaqueRed = 0xFF0000FF;
constexpr uint32_t kOpaqueYellow = 0xFF00FFFF;

uint8_t AlphaFraction(float part, float whole) {
    if (!(whole > 0.0f)) return 255;
    const float value = part * 255.0f / whole;
    if (!(value > 0.0f)) return 0;
    return value >= 255.0f ? 255 : static_cast<uint8_t>(value);
}

}  // namespace

// ---- Lookups ----------------------------------------------------------------

bool MainPlayerBehaviour::IsPlayerOne() const { return owner->name == kPlayer.c_str(); }

IndividualPlayerBehaviour* MainPlayerBehaviour::Character() const {
    return api::ScriptOf<IndividualPlayerBehaviour>(owner);
}
birds::BirdRound* MainPlayerBehaviour::Round() const { return api::ScriptOf<birds::BirdRound>(owner); }
MatchRules* MainPlayerBehaviour::Rules() const { return api::ScriptOf<MatchRules>(levelSettings); }

Engine::vec2 MainPlayerBehaviour::SpawnPoint() const {
    const birds::BirdRound* round = Round();
    return round ? round->SpawnPoint() : api::Position(owner);
}

bool MainPlayerBehaviour::IsProtected() const {
    const birds::BirdRound* round = Round();
    return invulnerable || (round && round->Immune());
}
bool MainPlayerBehaviour::IsAttacker() const {
    const birds::BirdRound* round = Round();
    return round && round->Attacker();
}

// ---- Operations for other scripts ----------------------------------------------

void MainPlayerBehaviour::Stun(float duration, bool blinkAfter) {
    stunned = true;
    stunDuration = duration;
    if (blinkAfter) invulnerableAfterStun = true;
}

void MainPlayerBehaviour::Kill(bool byHazard) {
    dead = true;
    if (byHazard) killedByHazard = true;
}

void MainPlayerBehaviour::AddUltimateCharge(int32_t amount) { ultimateCharge = std::min(100, ultimateCharge + amount); }

void MainPlayerBehaviour::ShowDeath(const api::ObjectRef& animation) {
    api::Destroy(deathAnim.Get());
    deathAnim = animation;
    dead = true;
}

void MainPlayerBehaviour::TakePad(const Engine::Gamepad* controllerPad) {
    if (controllerPad) pad = *controllerPad;
    padWasConnected = pad.IsConnected();
}

void MainPlayerBehaviour::StartNewRound() {
    stamina = maxStamina;
    dead = false;
    pad.Vibrate(0.0f, 0.0f);
}

bool MainPlayerBehaviour::FlapPressed() { return KeyAction("Flap") || pad.IsButtonTriggered(Engine::kButtonA); }

void MainPlayerBehaviour::KnockBack(Engine::vec2 direction, float strength) {
    api::AddForce(owner, api::Normalized(direction) * strength);
}

void MainPlayerBehaviour::SwitchAnimation(const std::string& action) {
    const auto found = animationMap.find(action);
    if (found == animationMap.end() || found->second == currentAnimation) return;
    api::SetTexture(owner, found->second);
    birds::PlaySheet(owner, 0.1f, 5);
    currentAnimation = found->second;
}

bool MainPlayerBehaviour::KeyAction(const std::string& action) {
    const auto found = keyMap.find(action);
    if (found == keyMap.end()) return false;
    const bool held = action == "Left" || action == "Right";
    const bool pressed = held ? api::KeyDown(found->second) : api::KeyTriggered(found->second);
    if (pressed) api::NotePadUsed(IsPlayerOne() ? 1 : 2, false);
    return pressed;
}


// ---- Start ------------------------------------------------------------------

void MainPlayerBehaviour::Init() {
    ultimateChargeTimer = 3.0f;
    egg = api::Find(kEgg);
    levelSettings = api::Find(kLevelSettings);

    const bool one = IsPlayerOne();
    otherPlayer = api::Find(one ? kPlayer2 : kPlayer);
    if (birds::BirdRound* round = Round()) api::SetPosition(owner, round->RefreshSpawnPoint());
    dungIcon = api::Find(one ? kP1DungIcon : kP2DungIcon);
    skillIcon = api::Find(one ? kP1SkillIcon : kP2SkillIcon);
    ultimateIcon = api::Find(one ? kP1UltimateIcon : kP2UltimateIcon);
    dungIconScale = api::Scale(dungIcon.Get());
    skillIconScale = api::Scale(skillIcon.Get());
    ultimateIconScale = api::Scale(ultimateIcon.Get());
    if (const CharacterRow* row = FindCharacter(CharacterForObject(owner->name)))
        api::SetTexture(skillIcon.Get(), row->skillIcon);

    dung = api::Spawn(kDung, -20.0f, -20.0f);
    if (Engine::GameObj* d = dung.Get()) {
        if (Engine::RigidBody* body = api::Body(d)) body->SetMotionType(Engine::kDynamicMotion);
        api::SetGravityScale(d, 0.0f);
        api::AddForce(d, {0.0f, -9.81f});
        api::SetTexture(d, kCartoonShit);
    }

    peckFeedback = api::Spawn(kPeckFeedback, -20.0f, 40.0f);

    staminaBarBack = api::Find(one ? kP1BarBack : kP2BarBack);
    staminaBarFront = api::Find(one ? kP1BarFront : kP2BarFront);
    if (Engine::GameObj* front = staminaBarFront.Get()) {
        staminaBarColour = birds::ColorOf(front);
        staminaBarWidth = api::Scale(front).x;
    }
    if (!levels::CurrentBirdRules().staminaBar) {
        api::SetPosition(staminaBarBack.Get(), {-300.0f, -100.0f});
        api::SetPosition(staminaBarFront.Get(), {-120.0f, -120.0f});
    }

    if (levels::CurrentBirdRules().holdAtStart) practiceHold = true;

    stunFeedback = api::Spawn(kFeedbackTemplate, 120.0f, 120.0f);
    if (Engine::GameObj* stun = stunFeedback.Get()) {
        api::SetTexture(stun, kStunAnimated);
        birds::PlaySheet(stun, 0.08f, 5);
        birds::SetLayer(stun, 4);
    }
}

void MainPlayerBehaviour::FirstUpdate() {
    IndividualPlayerBehaviour* character = Character();
    if (character) {
        animationMap = character->animationMap;
        keyMap = character->keyMap;
        maxStamina = stamina = character->staminaFactor * 10.0f;
        peckKnockback = character->knockbackFactor * 20.0f;
        moveSpeed = character->moveSpeed;
        flapStrength = character->flapStrength;
        skillCooldown = character->skillCooldown;
    }
    const auto idle = animationMap.find("Idle");
    if (currentAnimation.empty() && idle != animationMap.end()) currentAnimation = idle->second;
    baseScale = api::Scale(owner);
    const int32_t team = character ? character->team : 1;
    const Engine::vec2 at = api::Position(owner) + Engine::vec2{0.0f, 1.0f};
    if (team == 1) {
        teamIcon = api::Spawn(kTeam1Icon, at.x, at.y);
        teamIconTextures = {kP1Attack, kP1Defend};
    } else if (team == 2) {
        teamIcon = api::Spawn(kTeam2Icon, at.x, at.y);
        teamIconTextures = {kP2Attack, kP2Defend};
    }
    firstUpdate = false;
}

// ---- Every frame ------------------------------------------------------------------

void MainPlayerBehaviour::Update(float dt) {
    if (firstUpdate) FirstUpdate();
    // Keys rebound from the pause menu take effect on the first frame after it.
    if (IndividualPlayerBehaviour* character = Character())
        if (character->RefreshBoundKeys()) keyMap = character->keyMap;
    ApplyUpgrades();
    ChargeUltimate(dt);
    UpdateSkillIcon(dt);
    birds::SetAlphaByte(ultimateIcon.Get(), ultimateReady ? 255 : 0);
    UpdateDungIcon(dt);

    if (controllerNumber != 0 && !padRebuilt) {
        pad = Engine::Gamepad(controllerNumber);
        padWasConnected = pad.IsConnected();
        padRebuilt = true;
    }
    if (!dead) {
        if (Engine::GameObj* anim = deathAnim.Get()) api::Destroy(anim);
        deathAnim.Reset();
        killedByHazard = false;
    }

    pendingVelocity = {0.0f, 0.0f};
    UpdatePad();
    const levels::BirdRules& here = levels::CurrentBirdRules();
    if (!here.staminaBar) {
        api::SetColor(staminaBarBack.Get(), kInvisibleWhite);
        api::SetColor(staminaBarFront.Get(), kInvisibleWhite);
    }
    UpdateTeamIcon();

    // Facing: the sign of the x scale.
    if (Engine::GameObj* self = owner) {
        const float width = std::fabs(self->transform->scale.x);
        self->transform->scale.x = facingRight ? width : -width;
    }

    UpdateHurtReaction(dt);
    UpdateHazardDeath();
    UpdateStamina(dt);
    if (here.staminaWarning) UpdateStaminaWarning(dt);
    UpdateBlinking(dt);

    if (skillRequested) {
        if (IndividualPlayerBehaviour* character = Character())
            character->RunSkill(dt);
        else
            skillRequested = false;
        skillTimer = 0.0f;
    }

    const MatchRules* rules = Rules();
    if (stunned) {
        UpdateStun(dt);
    } else if (rules && rules->InCountdown()) {
        HoldAtSpawn();
    } else if (practiceHold) {
        practiceHoldTimer += dt;
        HoldAtSpawn();
        if (practiceHoldTimer > 2.0f) practiceHold = false;
    } else if (dead) {
        UpdateDeath(dt);
    } else {
        api::SetGravityScale(owner, 1.0f);
        UpdateControls(dt);
    }

    if (here.staminaBar) UpdateStaminaBar();
}

void MainPlayerBehaviour::ApplyUpgrades() {
    if (upgradesApplied) return;
    const BirdUpgrades* upgrades = api::ScriptOf<BirdUpgrades>(owner);
    if (!upgrades || !upgrades->UpgradesReady()) return;
    skillCooldown -= upgrades->StopwatchBonus();
    dungCooldown -= upgrades->PoopBonus();
    moveSpeed += upgrades->SpeedBonus();
    passiveUltimateCharge = upgrades->UltimateTier();
    upgradesApplied = true;
}

void MainPlayerBehaviour::ChargeUltimate(float dt) {
    if (!passiveUltimateCharge) return;
    ultimateChargeTimer -= dt;
    if (ultimateChargeTimer < 0.0f) {
        ultimateCharge += 3;
        ultimateChargeTimer = 3.0f;
    }
    if (ultimateCharge >= 100) {
        ultimateCharge = 100;
        ultimateReady = true;
    }
}

bool MainPlayerBehaviour::PulseIcon(Engine::GameObj* icon, Engine::vec2 initialScale, bool& shrinking, float dt) {
    if (!icon) return true;
    Engine::vec2& scale = icon->transform->scale;
    if (!shrinking) {
        scale = scale * (1.0f + 10.0f * dt);
        if (scale.x > 2.5f * initialScale.x) shrinking = true;
        return false;
    }
    scale = scale * (1.0f - 10.0f * dt);
    if (scale.x >= initialScale.x) return false;
    scale = initialScale;
    shrinking = false;
    return true;
}

void MainPlayerBehaviour::UpdateSkillIcon(float dt) {
    skillTimer += dt;
    if (skillTimer <= skillCooldown) {
        birds::SetAlphaByte(skillIcon.Get(), AlphaFraction(skillTimer, skillCooldown));
        skillIconFilling = true;
        return;
    }
    if (!skillIconFilling) return;
    birds::SetAlphaByte(skillIcon.Get(), 255);
    if (PulseIcon(skillIcon.Get(), skillIconScale, skillPulseShrinking, dt)) {
        api::Play(kCooldownComplete);
        birds::EmitOnce(skillIcon.Get());
        skillIconFilling = false;
        skillPulseShrinking = false;
    }
}

void MainPlayerBehaviour::UpdateDungIcon(float dt) {
    birds::SetAlphaByte(dungIcon.Get(), dungReady ? 255 : AlphaFraction(dungTimer, dungCooldown));
    if (!dungIconPulse || !dungReady) return;
    if (PulseIcon(dungIcon.Get(), dungIconScale, dungPulseShrinking, dt)) {
        api::Play(kCooldownComplete);
        birds::EmitOnce(dungIcon.Get());
        dungIconPulse = false;
        dungPulseShrinking = false;
        dungReadyShown = true;
    }
}

void MainPlayerBehaviour::UpdatePad() {
    const bool connected = pad.IsConnected();
    if (padWasConnected && !connected) {
        std::cout << owner->name << ": gamepad " << pad.userIndex + 1 << " unplugged, the keyboard still plays"
                  << std::endl;
        // Forget what the pad held so a stick or button held at the unplug does not stick.
        pad = Engine::Gamepad(pad.userIndex + 1);
    }
    padWasConnected = connected;
    if (connected) pad.Poll();
}

void MainPlayerBehaviour::UpdateTeamIcon() {
    Engine::GameObj* icon = teamIcon.Get();
    if (!icon) return;
    api::SetPosition(icon, api::Position(owner) + Engine::vec2{0.0f, 1.0f});
    bool attack;
    if (levels::CurrentBirdRules().teamIconByPlayer)
        attack = IsPlayerOne();
    else
        attack = IsAttacker();
    const std::string& texture = attack ? teamIconTextures[0] : teamIconTextures[1];
    if (!texture.empty() && api::TextureOf(icon) != texture) api::SetTexture(icon, texture);
}

void MainPlayerBehaviour::UpdateHurtReaction(float dt) {
    if (!hurtReaction) return;
    hurtReactionTimer += dt;
    Engine::GameObj* eggObject = egg.Get();
    EggTarget* eggTarget = api::ScriptOf<EggTarget>(eggObject);
    if (eggHitFeedback && eggObject) {
        api::SetPosition(peckFeedback.Get(), api::Position(eggObject));
        birds::SetLayer(peckFeedback.Get(), 3);
        if (eggTarget && !eggTarget->EggShowingHit()) {
            const std::string texture = eggTarget->EggHealth() > 50 ? kEggHurt : kEggHurtCrack;
            if (api::TextureOf(eggObject) != texture) api::SetTexture(eggObject, texture);
            birds::PlaySheet(eggObject, 0.1f, 5);
            eggTarget->EggShowingHit() = true;
        }
    }
    if (!IsProtected() && hurtByPeck) {
        api::SetPosition(peckFeedback.Get(), api::Position(owner));
        birds::SetLayer(peckFeedback.Get(), 4);
        SwitchAnimation("Injured");
    }
    if (hurtReactionTimer > 0.2f || dead) {
        hurtReaction = false;
        eggHitFeedback = false;
        if (eggTarget) eggTarget->EggShowingHit() = false;
        hurtByPeck = false;
        api::SetPosition(peckFeedback.Get(), {-20.0f, -40.0f});
        birds::SetLayer(peckFeedback.Get(), 4);
        api::SetPosition(stunFeedback.Get(), {-200.0f, -40.0f});
        hurtReactionTimer = 0.0f;
        SwitchAnimation("Idle");
    }
}

void MainPlayerBehaviour::UpdateHazardDeath() {
    if (!killedByHazard || deathAnim) return;
    const Engine::vec2 at = api::Position(owner);
    deathAnim = api::Spawn(kDeathByMeteorAnim, at.x, at.y);
    if (Engine::GameObj* anim = deathAnim.Get()) {
        birds::PlaySheet(anim, 0.2f, 7);
        birds::SetLayer(anim, 6);
    }
    api::Play(kDeathMeteor);
    api::SetPosition(owner, {-100.0f, -100.0f});
}

void MainPlayerBehaviour::UpdateStamina(float dt) {
    if (notFlapping)
        sinceLastFlap += dt;
    else
        sinceLastFlap = 0.0f;
    if (sinceLastFlap > 1.0f && stamina <= maxStamina) {
        stamina += 50.0f * dt;
        if (levels::CurrentBirdRules().staminaBar) api::SetColor(staminaBarFront.Get(), staminaBarColour);
    }
    if (stamina > maxStamina) stamina = maxStamina;
}

void MainPlayerBehaviour::UpdateStaminaWarning(float dt) {
    const float percent = maxStamina > 0.0f ? 100.0f * stamina / maxStamina : 100.0f;
    Engine::GameObj* front = staminaBarFront.Get();
    if (percent < 15.0f) {
        api::SetColor(front, kOpaqueRed);
        staminaBlinkTimer = 0.0f;
    } else if (percent < 40.0f) {
        staminaBlinkTimer += dt;
        if (staminaBlinkTimer < 0.2f) {
            api::SetColor(front, kOpaqueRed);
        } else {
            api::SetColor(front, kOpaqueYellow);
            staminaBlinkTimer = 0.0f;
        }
    } else {
        api::SetColor(front, staminaBarColour);
        staminaBlinkTimer = 0.0f;
    }
}

void MainPlayerBehaviour::UpdateBlinking(float dt) {
    if (!invulnerable) return;
    invulnerableVisible = true;
    invulnerableTimer += dt;
    blinkTimer += dt;
    if (blinkTimer > 0.4f) {
        api::SetColor(owner, kOpaqueWhite);
        blinkTimer = 0.0f;
    } else if (blinkTimer > 0.2f) {
        api::SetColor(owner, kInvisibleWhite);
    }
    if (!holdInvulnerable && invulnerableTimer >= invulnerabilityDuration) {
        api::SetColor(owner, kOpaqueWhite);
        invulnerable = false;
        invulnerableVisible = false;
        invulnerableAfterStun = false;
        invulnerableTimer = 0.0f;
        blinkTimer = 0.0f;
    }
}

void MainPlayerBehaviour::UpdateStun(float dt) {
    if (!stunSoundStarted) {
        api::Play(kStunnedSound);
        api::SetParameter(kStunnedSound, "Recover", 0.0f);
        stunSoundStarted = true;
    }
    stunTimer += dt;
    if (!IsProtected()) api::SetPosition(stunFeedback.Get(), api::Position(owner));
    if (stunTimer > stunDuration) {
        stunned = false;
        stunSoundStarted = false;
        api::SetParameter(kStunnedSound, "Recover", 1.0f);
        stunTimer = 0.0f;
        SwitchAnimation("Idle");
        if (invulnerableAfterStun) invulnerable = true;
        api::SetPosition(stunFeedback.Get(), {-200.0f, -40.0f});
    }
}

void MainPlayerBehaviour::HoldAtSpawn() {
    api::SetPosition(owner, SpawnPoint());
    api::SetVelocity(owner, {0.0f, 0.0f});
    facingRight = IsPlayerOne();
    SwitchAnimation("Idle");
}

void MainPlayerBehaviour::UpdateDeath(float dt) {
    deathTimer += dt;
    if (const MatchRules* rules = Rules())
        if (rules->EggMode()) respawnDelay = IsAttacker() ? 3.0f : 1.0f;
    api::SetVelocity(owner, {0.0f, 0.0f});
    SwitchAnimation("Injured");
    birds::BirdRound* round = Round();
    if (!deathReported) {
        if (round) round->BirdDied();
        deathReported = true;
    }
    if (deathTimer <= respawnDelay) {
        pad.Vibrate(0.3f, 0.3f);
        return;
    }
    pad.Vibrate(0.0f, 0.0f);
    SwitchAnimation("Idle");
    api::SetColor(owner, kOpaqueWhite);
    if (round) round->ResetPowerUps();
    const MatchRules* rules = Rules();
    const levels::BirdRules::Start start = levels::CurrentBirdRules().start;
    if ((rules && rules->EggMode()) || start == levels::BirdRules::Start::Corners) {
        api::SetPosition(owner, SpawnPoint());
        facingRight = IsPlayerOne();
    } else if (start == levels::BirdRules::Start::ArenaSides) {
        api::SetPosition(owner, IsPlayerOne() ? Engine::vec2{-10.0f, 2.0f} : Engine::vec2{10.0f, 2.0f});
        facingRight = IsPlayerOne();
    } else {
        api::SetPosition(owner, {-16.0f, -20.0f});
        facingRight = true;
        if (round) round->StartWalkIn();
        invulnerabilityDuration = 5.0f;
    }
    respawnCount += 1;
    deathTimer = 0.0f;
    deathReported = false;
    dead = false;
    invulnerable = true;
}

void MainPlayerBehaviour::UpdateControls(float dt) {
    // 1. The flap or peck animation runs its course even while controls are locked.
    if (actionAnimating) {
        actionAnimTimer += dt;
        if (actionAnimTimer < actionAnimDuration) {
            SwitchAnimation(pecking ? "Peck" : "Flap");
        } else {
            SwitchAnimation("Idle");
            actionAnimating = false;
            pecking = false;
            eggHitThisPeck = false;
            actionAnimTimer = 0.0f;
            owner->transform->scale.y = baseScale.y;
        }
    }
    if (controlsLocked) return;

    // The pad controls the player bound: went down, or for walking, held.
    const int player = IsPlayerOne() ? 1 : 2;
    const auto PadAction = [this, player](Engine::Action action) {
        const int control = api::Actions().PadOf(player, action);
        const bool held = action == Engine::Action::kWalkLeft || action == Engine::Action::kWalkRight;
        const bool pressed = held ? Engine::PadControlDown(pad, control) : Engine::PadControlTriggered(pad, control);
        if (pressed) api::NotePadUsed(player, true);
        return pressed;
    };

    // 2. Flap.
    const bool flap = KeyAction("Flap") || PadAction(Engine::Action::kFlap);
    if (flap) {
        notFlapping = false;
        const bool free = !levels::CurrentBirdRules().flapsCostStamina;
        if (free || stamina > 3.0f) {
            api::AddForce(owner, {0.0f, 8.0f * flapStrength});
            if (!free) stamina -= 4.0f;
            actionAnimating = true;
            actionAnimTimer = 0.0f;
        }
        api::Play(kFlapSound);
    } else {
        notFlapping = true;
    }

    // 3. Walk; "Left" wins when both are held.
    const bool right = KeyAction("Right") || PadAction(Engine::Action::kWalkRight);
    const bool left = KeyAction("Left") || PadAction(Engine::Action::kWalkLeft);
    const float vy = api::Velocity(owner).y;
    if (left) {
        pendingVelocity = {-2.0f * moveSpeed, vy};
        facingRight = false;
    } else if (right) {
        pendingVelocity = {2.0f * moveSpeed, vy};
        facingRight = true;
    }

    // 4. Peck.
    if (KeyAction("Peck") || PadAction(Engine::Action::kPeck)) {
        const CharacterRow* row = FindCharacter(Character() ? Character()->characterId : 0);
        if (row) api::Play(row->peckSound);
        api::Play(kPeckSound);
        pecking = true;
        if (!actionAnimating) {
            api::SetVelocity(owner, {owner->transform->scale.x < 0.0f ? -1.0f : 1.0f, 0.0f});
            actionAnimating = true;
            actionAnimTimer = 0.0f;
        }
        const Engine::vec2 scale = api::Scale(owner);
        const Engine::vec2 at = api::Position(owner) + Engine::vec2{scale.x * 0.5f, scale.y * 0.5f};
        if (Engine::GameObj* used = api::Spawn(kPeckUsedFeedback, at.x, at.y)) {
            birds::PlaySheet(used, 0.2f, 4);
            if (scale.x < 0.0f) used->transform->scale.x = -std::fabs(used->transform->scale.x);
            if (api::Body(used)) api::SetVelocity(used, {2.0f * api::Velocity(owner).x, 0.0f});
            birds::SetLayer(used, api::Layer(owner) + 1);
        }
    }

    // 5. Skill.
    if ((KeyAction("Skill") || PadAction(Engine::Action::kSkill)) && skillTimer > skillCooldown)
        skillRequested = true;

    // 6. Ultimate.
    if ((KeyAction("Ulti") || PadAction(Engine::Action::kUltimate)) && ultimateReady) {
        if (auto* ultimate = api::ScriptOf<ultimates::Ultimate>(owner)) ultimate->activate = true;
        ultimateReady = false;
        ultimateChargeTimer = 3.0f;
        if (passiveUltimateCharge) ultimateCharge = 1;
    }

    // 7. Dung.
    if ((KeyAction("Shit") || PadAction(Engine::Action::kDung)) && dungReady) {
        dungIconPulse = true;
        dungReadyShown = false;
        if (Engine::GameObj* d = dung.Get()) {
            api::SetPosition(d, api::Position(owner) - Engine::vec2{0.0f, 1.0f});
            birds::SetEmitting(d, true);
            api::SetVelocity(d, {0.0f, -9.81f});
            d->shooter = owner;
        }
        const std::string before = currentAnimation;
        SwitchAnimation("Shit");
        if (currentAnimation != before) api::Play(kShitSound);
        invulnerabilityDuration = 1.5f;
        dungReady = false;
    }

    // 8. Dung cooldown.
    if (!dungReady) {
        dungTimer += dt;
        if (dungTimer >= 1.0f) SwitchAnimation("Idle");
        if (dungTimer > dungCooldown) {
            dungReady = true;
            birds::SetEmitting(dung.Get(), false);
            dungTimer = 0.0f;
        }
    }

    // 9. Walking velocity.
    if (pendingVelocity.x != 0.0f) api::SetVelocity(owner, pendingVelocity);
}

void MainPlayerBehaviour::UpdateStaminaBar() {
    Engine::GameObj* back = staminaBarBack.Get();
    Engine::GameObj* front = staminaBarFront.Get();
    if (!back || !front || !(maxStamina > 0.0f)) return;
    const float width = stamina / maxStamina * staminaBarWidth;
    front->transform->scale.x = width;
    const float shift = (staminaBarWidth - width) / 2.0f;
    front->transform->position.x = api::Position(back).x + (IsPlayerOne() ? -shift : shift);
}

// ---- Contacts -----------------------------------------------------------------

void MainPlayerBehaviour::PlayHitSound() const {
    const IndividualPlayerBehaviour* character = Character();
    api::Play(HitSoundOf(character ? character->characterId : 0));
}

void MainPlayerBehaviour::PeckedBy(Engine::GameObj* pecker, bool landing) {
    if (landing) {
        if (levels::CurrentBirdRules().pecksScore) birds::Bird::Of(pecker).AddScore(1);
        birds::Bird::Of(pecker).AddUltimateCharge(2);
    }
    // Birds standing on the same spot have no direction between them: no push then.
    const float d = api::Distance(pecker, owner);
    if (d < 3.0f * api::Length(api::Scale(pecker))) {
        api::AddForce(owner, api::DirectionTo(pecker, owner) * peckKnockback);
        api::Play(kPeckImpact);
        PlayHitSound();
    }
    hurtReaction = true;
    hurtByPeck = true;
    Stun(0.5f, false);
}

void MainPlayerBehaviour::OnCollisionEnter(Engine::GameObj* other) {
    if (!other) return;
    const std::string& name = other->name;
    const bool isProtected = IsProtected();

    const levels::BirdRules& here = levels::CurrentBirdRules();
    if (name == "LeftBound" && here.leftEdgeKills && !isProtected) {
        api::SetPosition(owner, {100.0f, 100.0f});
        if (!deathAnim) {
            deathAnim = api::Spawn(kDeathByMeteorAnim, 100.0f, 100.0f);
            birds::PlaySheet(deathAnim.Get(), 0.2f, 7);
        }
        api::Play(kDeathMeteor);
    }
    if ((name == "LeftBound" || name == "RightBound" || name == "LaserBeltRight" || name == "LaserBeltLeft") &&
        here.arenaEdgesKill && !isProtected) {
        const Engine::vec2 at = api::Position(owner);
        if (!deathAnim) deathAnim = api::Spawn(kDeathByMeteorAnim, at.x, at.y);
        api::SetPosition(deathAnim.Get(), at);
        api::SetPosition(owner, {100.0f, 100.0f});
        birds::PlaySheet(deathAnim.Get(), 0.2f, 7);
        api::Play(kDeathMeteor);
    }
    if (name == "MeteorLevel1" && !isProtected) {
        dead = true;
        const Engine::vec2 at = api::Position(owner);
        if (!deathAnim) {
            deathAnim = api::Spawn(kDeathByMeteorAnim, at.x, at.y);
            birds::PlaySheet(deathAnim.Get(), 0.2f, 7);
        }
        api::Play(kDeathMeteor);
        api::SetPosition(owner, {100.0f, -100.0f});
    }
    if ((name == "L4Debris" || name == "L4Pipe" || name == "UltimateCollider" || name == "BossBalls" ||
         name == "PipeLazer") &&
        !isProtected) {
        const Engine::vec2 at = api::Position(owner);
        if (!deathAnim) {
            deathAnim = api::Spawn(kDeathByMeteorAnim, at.x, at.y);
            birds::PlaySheet(deathAnim.Get(), 0.2f, 7);
        }
        api::SetPosition(owner, {100.0f, 100.0f});
        api::Play(kDeathMeteor);
    }
    if (name == "Dung" && other->shooter != owner && !isProtected) {
        api::SetPosition(other, {-50.0f, -50.0f});
        api::SetVelocity(other, {0.0f, 0.0f});
        const auto injured = animationMap.find("Injured");
        const bool alreadyInjured = injured != animationMap.end() && currentAnimation == injured->second;
        if (!alreadyInjured) {
            SwitchAnimation("Injured");
            Stun(1.0f, true);
            api::SetParameter(kCannonSkill, "Target_Hit", 1.0f);
            api::Play(kShitImpact);
            PlayHitSound();
        }
    }
    if (other != owner && birds::IsBirdName(name) && !isProtected && !dead)
        if (const MainPlayerBehaviour* pecker = api::ScriptOf<MainPlayerBehaviour>(other))
            if (pecker->pecking && !pecker->dead) PeckedBy(other, true);
    if (name == "Spiky" && !isProtected) {
        dead = true;
        api::SetColor(owner, kInvisibleWhite);
        api::SetPosition(owner, {-200.0f, 100.0f});
        api::Play(kPeckImpact);
        PlayHitSound();
    }
    if (name == "Platform" && api::Position(owner).y > api::Position(other).y)
        api::SetVelocity(owner, {0.0f, api::Velocity(owner).y});
    const UltimateGiver* giver = api::ScriptOf<UltimateGiver>(other);
    if ((name == "Bug" || name == "Ultimate") && giver && giver->GrantsUltimate()) {
        ultimateReady = true;
        ultimateCharge = 100;
        birds::EmitOnce(ultimateIcon.Get());
        api::Play(kUltiGet);
    }
}

void MainPlayerBehaviour::OnCollisionStay(Engine::GameObj* other) {
    if (!other) return;
    if (other->name == kEgg.c_str() && IsAttacker() && pecking && !eggHitThisPeck) {
        if (EggTarget* target = api::ScriptOf<EggTarget>(other)) {
            int32_t& health = target->EggHealth();
            health -= 5;
            if (health > 100) health = 100;
        }
        hurtReaction = true;
        eggHitThisPeck = true;
        eggHitFeedback = true;
        api::Play(kEggHit);
        api::Play(kEagleHurt);
    }
    // A dead bird neither pecks nor is pecked: two birds killed together while
    // pecking are parked on the same spot, and a stun renewed by each other's
    // frozen peck every frame would hold both dead for ever.
    if (other != owner && birds::IsBirdName(other->name) && !IsProtected() && !dead)
        if (const MainPlayerBehaviour* pecker = api::ScriptOf<MainPlayerBehaviour>(other))
            if (pecker->pecking && !pecker->dead) PeckedBy(other, false);
}

void MainPlayerBehaviour::OnCollisionExit(Engine::GameObj*) {}

void MainPlayerBehaviour::HashState(Engine::StateHasher& hasher) const {
    for (bool flag : {dead, stunned, invulnerable, pecking, ultimateReady, skillRequested, dungReady})
        hasher.Flag(flag);
    for (float value : {stamina, skillTimer, dungTimer, stunTimer, invulnerableTimer, deathTimer}) hasher.Value(value);
    hasher.Value(ultimateCharge);
    hasher.Value(respawnCount);
}

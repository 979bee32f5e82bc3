#pragma once
// A bird's identity: which of the four characters it plays, its animations,
// size, statistics, default key bindings, skill objects and ultimate. The
// bird's MainPlayerBehaviour takes the animations, bindings and statistics
// from it on its first update; the character skill runs from here
// (RunSkill, dispatching to the routines in game/skills/skills.h).

#include <array>
#include <cstdint>
#include <map>
#include <string>

#include "api/controls.h"
#include "api/object_ref.h"
#include "api/script.h"

class MainPlayerBehaviour;
class RoundPlayerBehaviour;
struct CharacterRow;

class IndividualPlayerBehaviour : public Engine::ScriptBase<IndividualPlayerBehaviour>, public Engine::TeamMember {
public:
    using ScriptBase::ScriptBase;

    // Action names, in the order of `keyCodes` and of the key map.
    static constexpr const char* kActions[7] = {"Left", "Right", "Flap", "Peck", "Shit", "Ulti", "Skill"};
    // Animation names, in the order of the animation lists.
    static constexpr const char* kAnimationNames[5] = {"Idle", "Flap", "Injured", "Peck", "Shit"};
    // Default bindings of "Player" and "Player2", in the order of kActions.
    static constexpr std::array<Engine::VirtualKey, 7> kPlayer1Keys = {0x41, 0x44, 0x57, 0x46, 0x47, 0xA0, 0x48};
    static constexpr std::array<Engine::VirtualKey, 7> kPlayer2Keys = {0x25, 0x27, 0x26, 0xBF, 0xBE, 0xA1, 0xBC};

    void Init() override;
    void Update(float dt) override;
    // Applies the other bird's skill hits to this bird.
    void OnCollisionEnter(Engine::GameObj* other) override;

    // One frame of this character's skill; the bird calls it every frame while
    // its `skillRequested` is set, and the routine clears that when the skill ends.
    void RunSkill(float dt);

    // The bird object, its other scripts and its character row (null when missing).
    Engine::GameObj* Object() const { return owner; }
    MainPlayerBehaviour* Bird() const;
    RoundPlayerBehaviour* Round() const;
    const CharacterRow* Row() const;
    // The other bird's object and scripts, or null.
    Engine::GameObj* Opponent() const { return otherPlayer.Get(); }
    MainPlayerBehaviour* OpponentBird() const;
    IndividualPlayerBehaviour* OpponentCharacter() const;

    int32_t characterId = 1;
    bool skillStarted = false;
    bool bombLaunched = false;
    std::array<std::string, 5> currentAnimations;
    std::array<std::string, 5> mynaAnimations;
    std::array<std::string, 5> zuvaAnimations;
    std::array<std::string, 5> zoraAnimations;
    std::array<std::string, 5> rureAnimations;
    api::ObjectRef portrait1;
    api::ObjectRef portrait2;
    api::ObjectRef ownPortrait;
    api::ObjectRef attackDefendBanner1;
    api::ObjectRef attackDefendBanner2;
    std::string portraitTexture;
    // Skill objects, spawned by SpawnSkillObjects (game/skills) when the bird starts.
    api::ObjectRef screamObject;
    api::ObjectRef fartBomb;
    api::ObjectRef lightningBall1;
    api::ObjectRef lightningBall2;
    api::ObjectRef cannonBall;
    api::ObjectRef finalFartFeedback;
    api::ObjectRef otherPlayer;
    std::array<float, 2> ballVelocities{};
    float ballSpeedX = 0.0f;
    float skillElapsed = 0.0f;
    std::array<Engine::VirtualKey, 7> keyCodes{};
    // The player whose bindings `keyCodes` follows (0: none, the keys stay as set).
    int boundPlayer = 0;
    int32_t team = 1;
    // team2Flag comes from Engine::TeamMember, written by the controller script.
    std::map<std::string, std::string> animationMap;
    std::map<std::string, Engine::VirtualKey> keyMap;
    float knockbackFactor = 1.0f;
    float staminaFactor = 1.0f;
    float moveSpeed = 1.0f;
    float flapStrength = 1.0f;
    float skillCooldown = 3.0f;

    // Takes the player's bindings again; true when they changed since the last
    // look (the controls were rebound while the match was paused).
    bool RefreshBoundKeys();

private:
    const std::array<std::string, 5>& AnimationsOf(int32_t id) const;
};

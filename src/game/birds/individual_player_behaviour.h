#pragma once
// A bird's identity: which of the four characters it plays, its animations,
// size, statistics, default key bindings, skill objects and ultimate. The
// bird's MainPlayerBehaviour takes the animations, bindings and statistics
// from it on its first update; the character's skill (game/skills/skills.h)
// is set up and run from here.

#include <array>
#include <cstdint>
#include <map>
#include <string>

#include "api/controls.h"
#include "api/object_ref.h"
#include "api/script.h"
#include "game/skills/skill_user.h"

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
    // its skill is requested, and the skill ends the request when it is over.
    void RunSkill(float dt);

    // The bird object and its character row (null when missing).
    Engine::GameObj* Object() const { return owner; }
    const CharacterRow* Row() const;
    // The other bird's object, or null.
    Engine::GameObj* Opponent() const { return otherPlayer.Get(); }
    IndividualPlayerBehaviour* OpponentCharacter() const;

    int32_t characterId = 1;
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
    // The skill's objects and its state between frames (game/skills).
    skills::SkillState skill;
    api::ObjectRef otherPlayer;
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
    skills::SkillUser SkillUser();
    // Spawns the skill's objects and adds the character's ultimate script.
    void AttachSkillAndUltimate(const CharacterRow* row);
};

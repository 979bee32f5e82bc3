#pragma once
// The four birds: their looks, sizes, statistics and sounds, one row each.

#include <array>
#include <cstdint>
#include <string>

#include "api/maths.h"

struct CharacterRow {
    int32_t characterId;
    const char* name;  // "RoziDoro", ...
    Engine::vec2 scale;
    Engine::vec2 collider;
    float knockbackFactor;
    float staminaFactor;
    float moveSpeed;
    float flapStrength;
    float skillCooldown;
    // Idle, Flap, Injured, Peck, Shit
    std::array<const char*, 5> animations;
    const char* portrait;
    const char* skillIcon;
    const char* peckSound;
    const char* hitSound;
    const char* ultimateScript;
};

constexpr int32_t kRoziDoro = 1;
constexpr int32_t kVadozaVaza = 2;
constexpr int32_t kDovaDizavov = 3;
constexpr int32_t kDoruZuvo = 4;

// The row of character 1..4, or null for any other id.
const CharacterRow* FindCharacter(int32_t characterId);
// The character a bird object of that name plays: the players' choices for
// "Player" and "Player2", RoziDoro for "Player3"/"Player4", DovaDizavov otherwise.
int32_t CharacterForObject(const std::string& objectName);
// The hit sound of the character, "event:/Bird_Hit" outside 1..4.
const char* HitSoundOf(int32_t characterId);

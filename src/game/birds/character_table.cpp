#include "game/birds/character_table.h"

const CharacterRow* FindCharacter(int32_t) { return nullptr; }
int32_t CharacterForObject(const std::string&) { return 3; }
const char* HitSoundOf(int32_t) { return "event:/Bird_Hit"; }

#include "game/birds/character_table.h"

#include "api/script_api.h"
#include "game/game_values.h"

namespace {
const api::TextureName kRoziIdle{"RoziDoro_Idle"}, kRoziFlap{"RoziDoro_Flap"}, kRoziHurt{"RoziDoro_Hurt"},
    kRoziPeck{"RoziDoro_Peck"}, kRoziShit{"RoziDoro_Shit"};
const api::TextureName kVadoIdle{"VadozaVaza_Idle"}, kVadoFlap{"VadozaVaza_Flap"}, kVadoHurt{"VadozaVaza_Hurt"},
    kVadoPeck{"VadozaVaza_Peck"}, kVadoShit{"VadozaVaza_Shit"};
const api::TextureName kDovaIdle{"DovaDizavov_Idle"}, kDovaFlap{"DovaDizavov_Flap"}, kDovaHurt{"DovaDizavov_Hurt"},
    kDovaPeck{"DovaDizavov_Peck"}, kDovaShit{"DovaDizavov_Shit"};
const api::TextureName kDoruIdle{"DoruZuvo_Idle"}, kDoruFlap{"DoruZuvo_Flap"}, kDoruHurt{"DoruZuvo_Hurt"},
    kDoruPeck{"DoruZuvo_Peck"}, kDoruShit{"DoruZuvo_Shit"};
const api::TextureName kRoziPortrait{"RoziDoro_Portrait"}, kVadoPortrait{"VadozaVaza_Portrait"},
    kDovaPortrait{"DovaDizavov_Portrait"}, kDoruPortrait{"DoruZuvo_Portrait"};
const api::TextureName kOrbIcon{"OrbSkillIcon"}, kScreamIcon{"SoundScreamSkillIcon"}, kCannonIcon{"CannonSkillIcon"},
    kBigShitIcon{"BigShitSkillIcon"};
const api::SoundEvent kMynaPeck{"event:/Myna_Peck"}, kZuvaPeck{"event:/Zuva_Peck"}, kZoraPeck{"event:/Zora_Peck"},
    kRurePeck{"event:/Rure_Peck"};
const api::SoundEvent kMynaHit{"event:/Myna_Hit"}, kZuvaHit{"event:/Zuva_Hit"}, kZoraHit{"event:/Zora_Hit"},
    kRureHit{"event:/Rure_Hit"}, kBirdHit{"event:/Bird_Hit"};

const std::array<CharacterRow, 4>& Table() {
    static const std::array<CharacterRow, 4> table = {{
        {kRoziDoro, "RoziDoro", {2.0f, 1.5f}, {2.0f, 1.5f}, 3.5f, 3.0f, 3.0f, 2.0f, 3.0f,
         {kRoziIdle, kRoziFlap, kRoziHurt, kRoziPeck, kRoziShit}, kRoziPortrait, kOrbIcon, kMynaPeck, kMynaHit,
         "MynaUlti"},
        {kVadozaVaza, "VadozaVaza", {3.0f, 2.0f}, {2.5f, 1.0f}, 1.0f, 3.0f, 3.0f, 2.0f, 7.0f,
         {kVadoIdle, kVadoFlap, kVadoHurt, kVadoPeck, kVadoShit}, kVadoPortrait, kScreamIcon, kZuvaPeck, kZuvaHit,
         "DropTheBeat"},
        {kDovaDizavov, "DovaDizavov", {2.5f, 1.5f}, {1.5f, 1.0f}, 1.0f, 3.0f, 3.0f, 1.75f, 3.0f,
         {kDovaIdle, kDovaFlap, kDovaHurt, kDovaPeck, kDovaShit}, kDovaPortrait, kCannonIcon, kZoraPeck, kZoraHit,
         "JackPirateShip"},
        {kDoruZuvo, "DoruZuvo", {3.0f, 2.5f}, {2.0f, 1.5f}, 3.0f, 3.0f, 2.75f, 1.75f, 4.0f,
         {kDoruIdle, kDoruFlap, kDoruHurt, kDoruPeck, kDoruShit}, kDoruPortrait, kBigShitIcon, kRurePeck, kRureHit,
         "BigBirdShit"},
    }};
    return table;
}
}  // namespace

const CharacterRow* FindCharacter(int32_t characterId) {
    if (characterId < 1 || characterId > 4) return nullptr;
    return &Table()[static_cast<size_t>(characterId - 1)];
}

int32_t CharacterForObject(const std::string& objectName) {
    if (objectName == "Player") return Game::player1Character;
    if (objectName == "Player2") return Game::player2Character;
    if (objectName == "Player3" || objectName == "Player4") return kRoziDoro;
    return kDovaDizavov;
}

const char* HitSoundOf(int32_t characterId) {
    const CharacterRow* row = FindCharacter(characterId);
    return row ? row->hitSound : kBirdHit.c_str();
}

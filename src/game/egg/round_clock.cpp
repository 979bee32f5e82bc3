#include "game/egg/round_clock.h"

#include "api/script_api.h"
#include "game/birds/round_player_behaviour.h"
#include "game/egg/egg_behaviour.h"
#include "game/round/game_mode.h"

namespace EggLevel {

DelayInputs ReadDelayInputs(const api::ObjectRef& egg, const api::ObjectRef& levelSettings, bool useTime) {
    DelayInputs in;
    in.useTime = useTime;
    if (const EggBehaviour* eggScript = api::ScriptOf<EggBehaviour>(egg)) {
        in.health = static_cast<float>(eggScript->health);
        in.maxHealth = static_cast<float>(eggScript->maxHealth);
    }
    if (const GameMode* mode = api::ScriptOf<GameMode>(levelSettings)) {
        in.timeLeft = mode->timeLeft;
        in.roundTime = mode->roundTime;
        // The armour that counts is the defender's: only a defender collects it.
        if (const RoundPlayerBehaviour* defender = mode->RoundOf(mode->Defender())) in.armor = defender->armorPieces;
    }
    return in;
}

}  // namespace EggLevel

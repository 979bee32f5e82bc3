#include "game/egg/round_clock.h"

#include "api/script_api.h"
#include "game/birds/bird.h"
#include "game/egg/egg_behaviour.h"
#include "game/egg/round_state.h"

namespace EggLevel {

DelayInputs ReadDelayInputs(const api::ObjectRef& egg, const api::ObjectRef& levelSettings, bool useTime) {
    DelayInputs in;
    in.useTime = useTime;
    if (const EggBehaviour* eggScript = api::ScriptOf<EggBehaviour>(egg)) {
        in.health = static_cast<float>(eggScript->health);
        in.maxHealth = static_cast<float>(eggScript->maxHealth);
    }
    if (const RoundState* round = api::ScriptOf<RoundState>(levelSettings)) {
        in.timeLeft = round->TimeLeft();
        in.roundTime = round->RoundTime();
        // The armour that counts is the defender's: only a defender collects it.
        if (const birds::Bird defender = birds::Bird::Of(round->DefendingBird())) in.armor = defender.Armour();
    }
    return in;
}

}  // namespace EggLevel

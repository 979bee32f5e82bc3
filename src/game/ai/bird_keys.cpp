#include "game/ai/bird_keys.h"

#include "api/actions.h"

namespace ai {

BirdKeys KeysOfPlayer(int player) {
    // Whatever the player has bound now, so a computer player presses what a
    // person in its seat would.
    using Engine::Action;
    return {api::ActionKey(player, Action::kWalkLeft), api::ActionKey(player, Action::kWalkRight),
            api::ActionKey(player, Action::kFlap),     api::ActionKey(player, Action::kPeck),
            api::ActionKey(player, Action::kDung),     api::ActionKey(player, Action::kUltimate),
            api::ActionKey(player, Action::kSkill)};
}

}  // namespace ai

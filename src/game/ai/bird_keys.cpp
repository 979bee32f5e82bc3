#include "game/ai/bird_keys.h"

#include "game/birds/individual_player_behaviour.h"

namespace ai {

BirdKeys KeysOfPlayer(int player) {
    const auto& keys =
        player == 2 ? IndividualPlayerBehaviour::kPlayer2Keys : IndividualPlayerBehaviour::kPlayer1Keys;
    // kActions: Left, Right, Flap, Peck, Shit, Ulti, Skill.
    return {keys[0], keys[1], keys[2], keys[3], keys[4], keys[5], keys[6]};
}

}  // namespace ai

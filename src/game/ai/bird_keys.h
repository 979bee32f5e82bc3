#pragma once
// The one place that knows which keys play a bird: a player's bird actions
// mapped to that player's keys. The computer players press only these, so what
// they send is exactly "this frame's keys of player N".

#include "api/controls.h"

namespace ai {

// One player's keys, in the bird scripts' order of actions.
struct BirdKeys {
    Engine::VirtualKey left, right, flap, peck, dung, ultimate, skill;
};

// The keys player 1 or 2 has bound now (by default player 1: A D W F G, left
// Shift, H; player 2: the arrows, / . right Shift ,).
BirdKeys KeysOfPlayer(int player);

}  // namespace ai

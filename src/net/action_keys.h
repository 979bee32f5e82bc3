#pragma once
// The one place that turns keys and pads into the actions sent between the two
// machines, and the actions of each player back into the keys the game reads.
// On each machine its own person plays with player 1's keys or the first pad;
// the frame the game then runs holds player 1's actions on player 1's keys and
// player 2's actions on player 2's keys (A D W F G H left-Shift, and the arrows
// / . , right-Shift), so both machines run the same frame whoever sits where.

#include "input/input_frame.h"
#include "input/key_state_source.h"
#include "net/lockstep_session.h"
#include "net/player_actions.h"

namespace Engine::net {

// What this machine's person does in `local`: player 1's keys or pad slot 0.
PlayerActions ActionsFromLocalInput(const InputFrame& local);

// What player `player` (0 or 1) does on that player's own keys in `keys`: the
// hands of a computer player that plays this machine's seat.
PlayerActions ActionsFromPlayerKeys(const KeyStateSource& keys, int player);

// The frame both games run: each player's actions pressed on that player's keys,
// nothing else (no pads, no mouse), so nothing of either machine's own leaks in.
InputFrame LockstepInputFrame(const FrameInputs& inputs);

}  // namespace Engine::net

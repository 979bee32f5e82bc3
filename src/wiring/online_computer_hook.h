#pragma once
// `tolvex --host/--join ... --computer STRENGTH`: this machine's seat in an online
// match is played by a computer player, which lives in the game above this
// folder. The game registers the maker from a static initialiser; the online run
// only calls it. The computer player reads this machine's copy of the shared
// world and presses that player's keys on a keyboard of its own, which the run
// turns into this machine's actions: the shared game never sees who pressed.

#include <memory>
#include <string>

#include "input/computer_keys.h"

namespace Engine {

// A thinker playing player `player` (1 or 2) at `strength` ("easy", "normal",
// "hard") with its own random numbers from `seed`; null for an unknown strength.
using OnlineComputerMaker = std::unique_ptr<KeyThinker> (*)(int player, const std::string& strength, unsigned seed);

// Returns true, so a registration can initialise a static.
bool RegisterOnlineComputer(OnlineComputerMaker maker);
// The registered maker, or null when the program has no game linked in.
OnlineComputerMaker RegisteredOnlineComputer();

}  // namespace Engine

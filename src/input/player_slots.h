#pragma once
// The four player gamepad slots: which controller belongs to which player.
// Co-op selection points them at controllers 1..4 when it is built and polls
// them; the controller scripts on the birds (logic/player_controller.h) copy
// their slot and set the bird's team from it:
//
//     gamepad = *Engine::PlayerSlot(slot);
//     member->team2Flag = Engine::PlaysForTeamTwo(gamepad);

#include "input/gamepad.h"

namespace Engine {

constexpr int kPlayerSlotCount = 4;

// Slot `playerNumber` (1..4), or null for any other number. The slots exist
// from first use, each reading its own controller, so they are safe to touch
// from static initialisation.
Gamepad* PlayerSlot(int playerNumber);

// Points slot N back at controller N (user index N - 1) with fresh edge state.
void ResetPlayerSlots();

// Controllers on odd user indices (the second and fourth) play for team two.
bool PlaysForTeamTwo(const Gamepad& pad);

}  // namespace Engine

#pragma once
// What a player holds: virtual keys, gamepads and their state, the pad's
// buttons for the game's actions, the action map players rebind, the team a
// bird plays for, the four players' pad slots, and the controller scripts
// that hand a bird its pad and its team.

#include "input/action_map.h"
#include "input/gamepad.h"
#include "input/gamepad_state.h"
#include "input/pad_controls.h"
#include "input/player_slots.h"
#include "input/team_member.h"
#include "input/virtual_keys.h"
#include "logic/player_controller.h"

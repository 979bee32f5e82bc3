#pragma once
// A pad control (action_map.h) asked of one gamepad: buttons by their index,
// the triggers, and the left stick pushed beyond 0.8 in one direction.

#include "input/action_map.h"
#include "input/gamepad.h"

namespace Engine {

constexpr float kStickActionThreshold = 0.8f;

bool PadControlDown(const Gamepad& pad, int control);
// Went down since the last poll; buttons and triggers consume their edge, the
// stick directions (held controls) answer whether they are held.
bool PadControlTriggered(Gamepad& pad, int control);

}  // namespace Engine

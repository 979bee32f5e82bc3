#pragma once
// The players' actions as scripts ask for them: what a player pressed for an
// action this frame (key or pad), the key a computer player should press for
// it, and the names prompts show. The bindings themselves live in the input
// system's ActionMap and are kept in the settings file.
//
//   if (api::ActionTriggered(1, Engine::Action::kPeck, pad)) Peck();
//   label = "Peck: " + api::ControlName(1, Engine::Action::kPeck);

#include <string>

#include "input/action_map.h"
#include "input/gamepad.h"

namespace api {

// The current bindings (the defaults when no input system runs).
Engine::ActionMap Actions();
// Replaces the bindings (the controls screen, when it is left with a change).
void SetActions(const Engine::ActionMap& actions);

// The key a person presses for player N's action: what a computer player presses.
Engine::VirtualKey ActionKey(int player, Engine::Action action);

// Key held or pad control down (`pad` may be null for keys only).
bool ActionHeld(int player, Engine::Action action, const Engine::Gamepad* pad);
// Key went down this frame or pad control went down since the pad's last poll.
bool ActionTriggered(int player, Engine::Action action, Engine::Gamepad* pad);

// Whether the player's last action came from a pad; prompts then show pad controls.
bool PadLastUsed(int player);
void NotePadUsed(int player, bool pad);
// The name of what the player presses for the action: the pad control for a
// player who last used a pad, the key otherwise ("W", "Left Shift", "RT").
std::string ControlName(int player, Engine::Action action);

// For rebinding: the first key that went down this frame (asking every key the
// game knows, so each one's edge is taken), or 0.
Engine::VirtualKey AnyKeyTriggered();
// The first pad control that went down since the pad's last poll, or kPadNone.
int AnyPadControlTriggered(Engine::Gamepad& pad);

}  // namespace api

#pragma once
// How the story and result screens use the level's wipe ("TransitionBird"):
// they wait for it to open the screen and leave through it. A level without a
// wipe counts as open and is left at once, so no screen waits forever.

#include <string>

#include "api/object_ref.h"

class Transition;

namespace Story {

// The current level's wipe object, to keep as a handle.
api::ObjectRef FindWipe();
// The wipe's script, or null when the object is gone or carries none.
Transition* WipeOf(const api::ObjectRef& wipe);
// Whether the screen is open: the wipe has opened it, or there is no wipe.
bool Opened(const api::ObjectRef& wipe);
// Covers the screen and then loads the level under `key`; without a wipe it
// loads it at once. `key` must be a real key of the level-path table.
void Leave(const api::ObjectRef& wipe, const std::string& key);

}  // namespace Story

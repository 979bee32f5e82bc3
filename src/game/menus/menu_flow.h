#pragma once
// How screens leave: through the wipe of the current level when it has one.

#include <string>

class Transition;

namespace MenuFlow {

// The wipe of the current level: the Transition of "TransitionBird", or null.
Transition* FindWipe();

// Covers the screen and then loads `key` when the level has a wipe; loads it at
// once otherwise. A key with no readable level keeps the current screen (one
// printed line, no closed wipe) and answers false.
bool LeaveTo(Transition* wipe, const std::string& key);

}  // namespace MenuFlow

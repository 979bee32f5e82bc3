#pragma once
// How menus find their objects and change screens.

#include <string>

namespace Engine {
class GameObj;
}
class Transition;

namespace MenuFlow {

// Marks a text as a level-path-table key where it is not passed straight to
// LoadLevelByKey, LeaveTo or Transition::Start, so the content check finds it.
constexpr const char* LevelKey(const char* key) { return key; }

// The first object of the current level with that name (released pooled objects
// keep their old names, so only active ones count), or null.
Engine::GameObj* FindLevelObject(const std::string& name);
// The last such object, for levels that place a name more than once.
Engine::GameObj* FindLastLevelObject(const std::string& name);
// The wipe of the current level: the Transition of "TransitionBird", or null.
Transition* FindWipe();

// Loads the level registered under `key` in the level-path table at once. A key
// without a readable level prints one line and keeps the current level (false).
bool LoadLevelByKey(const std::string& key);
// Covers the screen and then loads `key` when the level has a wipe; loads it at
// once otherwise. A key without a readable level prints one line, starts no
// wipe and answers false: the player stays on this screen.
bool LeaveTo(Transition* wipe, const std::string& key);

}  // namespace MenuFlow

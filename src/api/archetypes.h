#pragma once
// The archetypes: loading the archetype list's files (the loading screen does
// it ten a frame) and reading a loaded archetype's own values.

#include <string>
#include <vector>

#include "objects/game_obj.h"

namespace api {

// The archetype files the archetype list names, in list order (one line for
// each entry without a file name, or for a list that does not read).
std::vector<std::string> ArchetypeListFiles(const char* path);
// Loads one archetype file (its archetypes replace any of the same name).
void LoadArchetype(const std::string& file);
// The loaded archetype of this name (to read, never to change), or null.
const Engine::GameObj* Archetype(const std::string& name);

}  // namespace api

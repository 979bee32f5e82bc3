#pragma once
// The archetype list ("Objects\\ArchetypeList.xml"): the archetype files the
// game loads before its first level, one entry each.

#include <string>
#include <vector>

namespace Engine {

constexpr const char* kArchetypeList = "Objects\\ArchetypeList.xml";

// The archetype files the list names, in list order (one line for each entry
// without a file name, or for a list that does not read).
std::vector<std::string> ArchetypeListFiles(const char* path = kArchetypeList);

}  // namespace Engine

#pragma once

#include <map>
#include <string>

namespace Engine {

// Reads a level-path file into `table`; a later key replaces an earlier one.
// Returns false (and says so on standard output) when the file cannot be read.
bool ReadLevelPaths(const std::string& path, std::map<std::string, std::string>& table);

// Rewrites the file from `table` in key order, but only if the file as it stands
// can be read: a file that cannot be read is left alone rather than replaced.
// The new content goes to a temporary file that then replaces the old one.
bool WriteLevelPaths(const std::string& path, const std::map<std::string, std::string>& table);

}  // namespace Engine

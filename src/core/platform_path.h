#pragma once

#include <string>

namespace Engine {

// Data files name paths with either separator ("Objects\Player.xml",
// "MapData//Level1.xml"); the file system here only knows '/'.
std::string PlatformPath(const std::string& path);

}  // namespace Engine

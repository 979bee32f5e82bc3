#pragma once

#include <string>

namespace Engine {

// The folder two levels above the executable's folder, with a trailing '/'.
// For /opt/tolvex/build/release/tolvex this is /opt/tolvex/.
std::string BaseDirectoryFromExecutable(const std::string& executablePath);

}  // namespace Engine

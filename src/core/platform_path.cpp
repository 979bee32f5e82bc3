#include "core/platform_path.h"

#include <algorithm>

namespace Engine {

std::string PlatformPath(const std::string& path) {
    std::string converted = path;
    std::replace(converted.begin(), converted.end(), '\\', '/');
    return converted;
}

}  // namespace Engine

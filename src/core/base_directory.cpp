#include "core/base_directory.h"

namespace Engine {

std::string BaseDirectoryFromExecutable(const std::string& executablePath) {
    // Cut before the last separator twice: the executable's name, then its folder.
    std::string path = executablePath;
    for (int i = 0; i < 2; ++i) {
        const size_t cut = path.find_last_of('/');
        if (cut != std::string::npos) path = path.substr(0, cut);
    }
    const size_t last = path.find_last_of('/');
    if (last == std::string::npos) return std::string();
    return path.substr(0, last + 1);
}

}  // namespace Engine

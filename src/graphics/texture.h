#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>

namespace Engine::graphics {

// One entry of the texture list: an image and its sprite-sheet grid.
struct Texture {
    std::string name;
    std::string path;
    unsigned id = 0;
    int32_t width = 0;
    int32_t height = 0;
    int32_t rows = 1;
    int32_t columns = 1;
    int32_t frames = 1;
};

// Texture name -> texture. A lookup of an unknown name inserts an empty entry.
extern std::map<std::string, std::unique_ptr<Texture>> textureRegistry;
Texture* FindTexture(const std::string& name);

}  // namespace Engine::graphics

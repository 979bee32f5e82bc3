#pragma once
// The texture list file: entries read a few at a time into the registry, and the
// registry written back in name order.

#include <string>

namespace Engine::graphics {

struct TextureRegistry;

constexpr const char* kTextureListPath = "Objects/Textures/Texture.xml";

// Reads up to `count` further entries of the list at `path` into the registry
// (images are decoded and uploaded only when `upload`). True once the list is exhausted.
bool LoadTextureBatch(TextureRegistry& registry, int count, bool upload,
                      const std::string& path = kTextureListPath);

// Rewrites the list at `path` from the registry, atomically. Nothing is written
// when the existing file does not load.
void SaveTextureList(const TextureRegistry& registry, const std::string& path = kTextureListPath);

}  // namespace Engine::graphics

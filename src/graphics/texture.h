#pragma once
// Textures by name: one per entry of the texture list, with its sprite-sheet grid.

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "core/maths.h"
#include "graphics/texture_atlas.h"

namespace Engine::graphics {

struct Texture {
    Texture() = default;
    // Stores the fields and loads the image; with `upload` false (no GL context)
    // the image is not read and the texture stays without GL name or size.
    Texture(const std::string& path, int32_t columns, int32_t rows, int32_t frames, bool upload);
    // A texture drawn from its rectangle on an atlas page, which the atlas owns.
    Texture(const std::string& path, int32_t columns, int32_t rows, int32_t frames, const AtlasPlacement& placement);
    ~Texture();
    Texture(const Texture&) = delete;
    Texture& operator=(const Texture&) = delete;

    std::string name;  // left empty: the registry key carries the name
    std::string path;
    unsigned id = 0;   // GL texture name, 0 when not loaded
    int32_t width = 0;
    int32_t height = 0;
    int32_t rows = 1;
    int32_t columns = 1;
    int32_t frames = 1;
    // Where the image lies in the GL texture `id`: texture coordinates in 0..1 of
    // the image map to uvOrigin + uv * uvScale. The whole texture unless packed.
    vec2 uvOrigin{0.0f, 0.0f};
    vec2 uvScale{1.0f, 1.0f};
    // False when `id` is an atlas page, which outlives its textures.
    bool ownsId = true;

    // Takes over `other`'s image (GL name, size, rectangle, grid, path); `other`
    // gets this one's old image, to be freed with it.
    void TakeImageOf(Texture& other);

    // One sprite-sheet cell as a fraction of the image. A sheet with no columns or
    // rows counts as a single cell.
    float cellWidth() const { return columns > 0 ? 1.0f / static_cast<float>(columns) : 1.0f; }
    float cellHeight() const { return rows > 0 ? 1.0f / static_cast<float>(rows) : 1.0f; }
};

// The textures read from the texture list; the graphics system owns one.
struct TextureRegistry {
    // Declared before the textures, so that it goes after them.
    TextureAtlas atlas;
    // Texture name -> texture, ordered by name. An entry may hold no texture.
    std::map<std::string, std::unique_ptr<Texture>> textures;
    // Entries of the texture list read so far, entries the list held when it was
    // last opened, and whether the list is exhausted.
    int loaded = 0;
    int listed = 0;
    bool allLoaded = false;

    // The texture of that name, or null. An unknown name gets an empty entry.
    Texture* Find(const std::string& name) { return textures[name].get(); }
    void Clear() {
        textures.clear();
        loaded = 0;
        listed = 0;
        allLoaded = false;
        atlas.Clear();
    }
};

// The published graphics system's texture of that name, or null (also without a
// graphics system). An unknown name gets an empty registry entry.
Texture* FindTexture(const std::string& name);

}  // namespace Engine::graphics

#include "graphics/texture.h"

#include <GL/glew.h>
#include <SOIL/SOIL.h>

#include <iostream>
#include <utility>

#include "graphics/graphics.h"
#include "graphics/image_upload.h"

namespace Engine::graphics {

Texture* FindTexture(const std::string& name) {
    Graphics* g = Graphics::instance;
    return g ? g->textures.Find(name) : nullptr;
}

Texture::Texture(const std::string& path_, int32_t columns_, int32_t rows_, int32_t frames_, bool upload)
    : path(path_), rows(rows_), columns(columns_), frames(frames_) {
    if (!upload) return;
    int w = 0, h = 0, channels = 0;
    unsigned char* pixels = SOIL_load_image(path.c_str(), &w, &h, &channels, SOIL_LOAD_RGBA);
    if (!pixels) {
        std::cout << "Failed to load texture : " << path << std::endl;
        return;
    }
    width = w;
    height = h;
    id = UploadRgbaImage(pixels, w, h).release();
    SOIL_free_image_data(pixels);
}

Texture::Texture(const std::string& path_, int32_t columns_, int32_t rows_, int32_t frames_,
                 const AtlasPlacement& placement)
    : path(path_),
      id(placement.page),
      width(placement.width),
      height(placement.height),
      rows(rows_),
      columns(columns_),
      frames(frames_),
      uvOrigin(placement.uvOrigin),
      uvScale(placement.uvScale),
      ownsId(false) {}

Texture::~Texture() {
    if (id && ownsId) glDeleteTextures(1, &id);
}

void Texture::TakeImageOf(Texture& other) {
    std::swap(id, other.id);
    std::swap(ownsId, other.ownsId);
    path = other.path;
    width = other.width;
    height = other.height;
    columns = other.columns;
    rows = other.rows;
    frames = other.frames;
    uvOrigin = other.uvOrigin;
    uvScale = other.uvScale;
}

}  // namespace Engine::graphics

#include "graphics/texture.h"

#include <GL/glew.h>
#include <SOIL/SOIL.h>

#include <iostream>

#include "graphics/graphics.h"

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
    glGenTextures(1, &id);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, id);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_BORDER);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_BORDER);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    // Core profiles have no texture environment; the shaders multiply the texel by
    // the vertex colour, which is what modulate mode did.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
    glBindTexture(GL_TEXTURE_2D, 0);
    SOIL_free_image_data(pixels);
}

Texture::~Texture() {
    if (id) glDeleteTextures(1, &id);
}

}  // namespace Engine::graphics

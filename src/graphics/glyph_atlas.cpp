#include "graphics/glyph_atlas.h"

#include <algorithm>
#include <cstring>

namespace Engine::graphics {

GlyphAtlas::GlyphAtlas() : pixels_(static_cast<size_t>(kSize) * kSize, 0) {}

bool GlyphAtlas::Reserve(int w, int h, int& x, int& y) {
    if (w + 2 > kSize || h + 2 > kSize) return false;
    if (shelfX_ + w + 1 > kSize) {
        shelfY_ += shelfHeight_ + 1;
        shelfX_ = 1;
        shelfHeight_ = 0;
    }
    if (shelfY_ + h + 1 > kSize) return false;
    x = shelfX_;
    y = shelfY_;
    shelfX_ += w + 1;
    shelfHeight_ = std::max(shelfHeight_, h);
    return true;
}

void GlyphAtlas::Write(int x, int y, int w, int h, const uint8_t* bitmap, int pitch) {
    for (int row = 0; row < h; ++row)
        std::memcpy(&pixels_[static_cast<size_t>(y + row) * kSize + x], bitmap + static_cast<ptrdiff_t>(row) * pitch,
                    static_cast<size_t>(w));
    if (w > 0 && h > 0) changed_ = true;
}

GLuint GlyphAtlas::Texture() {
    if (!texture_) {
        texture_.reset(GenTexture());
        glBindTexture(GL_TEXTURE_2D, texture_.get());
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        // Coverage is the alpha of white texels, so text takes the vertex colour.
        const GLint swizzle[4] = {GL_ONE, GL_ONE, GL_ONE, GL_RED};
        glTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_SWIZZLE_RGBA, swizzle);
        changed_ = true;
    } else if (changed_) {
        glBindTexture(GL_TEXTURE_2D, texture_.get());
    }
    if (changed_) {
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_R8, kSize, kSize, 0, GL_RED, GL_UNSIGNED_BYTE, pixels_.data());
        glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
        glBindTexture(GL_TEXTURE_2D, 0);
        changed_ = false;
    }
    return texture_.get();
}

}  // namespace Engine::graphics

#pragma once
// A square single-channel texture that glyph bitmaps are packed into, row by row
// on shelves. The pixels live in memory; the GL copy is refreshed when they change.

#include <GL/glew.h>

#include <cstdint>
#include <vector>

#include "graphics/gl_handles.h"

namespace Engine::graphics {

class GlyphAtlas {
public:
    static constexpr int kSize = 512;

    GlyphAtlas();

    // Finds room for a w x h bitmap (with a one-texel gap around it); false when full.
    bool Reserve(int w, int h, int& x, int& y);
    // Copies a bitmap of `pitch` bytes per row into the reserved region.
    void Write(int x, int y, int w, int h, const uint8_t* bitmap, int pitch);

    // The GL texture, created on first call and uploaded again after a change.
    // Needs a current GL context.
    GLuint Texture();

    const std::vector<uint8_t>& pixels() const { return pixels_; }
    bool changed() const { return changed_; }

private:
    std::vector<uint8_t> pixels_;
    int shelfX_ = 1, shelfY_ = 1, shelfHeight_ = 0;
    bool changed_ = true;
    GlTexture texture_;
};

}  // namespace Engine::graphics

#pragma once
// A font face at one pixel size with its own glyph atlas. Glyphs are rendered
// into the atlas the first time they are asked for.

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "graphics/glyph_atlas.h"

namespace Engine::graphics {

struct Glyph {
    uint32_t code = 0;
    unsigned index = 0;        // the face's glyph index, for kerning
    int offsetX = 0;           // left bearing, pixels
    int offsetY = 0;           // top bearing above the baseline, pixels
    int width = 0, height = 0; // bitmap size, pixels
    float advanceX = 0.0f;     // pixels
    float s0 = 0, t0 = 0, s1 = 0, t1 = 0;  // atlas coordinates (t grows downwards)
};

class Font {
public:
    // Opens `file` (relative to the working directory) at `size` pixels. A file that
    // cannot be opened gives a font without glyphs and one line on standard output.
    Font(const std::string& name, const std::string& file, unsigned size);
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    // The glyph for a character code, or null when the face has none (or no room is left).
    const Glyph* GetGlyph(uint32_t code);
    // Horizontal kerning in pixels between the previous character and `glyph`.
    float Kerning(const Glyph& glyph, uint32_t previousCode) const;
    // The atlas texture, uploaded when glyphs were added. Needs a current GL context.
    GLuint AtlasTexture() { return atlas_.Texture(); }
    GlyphAtlas& atlas() { return atlas_; }
    bool loaded() const { return face_ != nullptr; }

    // Text is a byte string: each byte, sign-extended to a 16-bit code, is a character.
    static uint32_t CodeOfByte(char byte) {
        return static_cast<uint16_t>(static_cast<int16_t>(static_cast<signed char>(byte)));
    }

    unsigned size;
    std::string file;
    std::string name;

private:
    struct FaceDeleter {
        void operator()(void* face) const;
    };
    void* face_ = nullptr;  // FT_Face, freed by the destructor
    GlyphAtlas atlas_;
    std::map<uint32_t, std::unique_ptr<Glyph>> glyphs_;
};

}  // namespace Engine::graphics

#include "graphics/font.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>
#include <iostream>

namespace Engine::graphics {

namespace {

// One FreeType library for the process, made on first use.
FT_Library Library() {
    struct Holder {
        FT_Library library = nullptr;
        Holder() {
            if (FT_Init_FreeType(&library) != 0) library = nullptr;
        }
        ~Holder() {
            if (library) FT_Done_FreeType(library);
        }
    };
    static Holder holder;
    return holder.library;
}

}  // namespace

void Font::FaceDeleter::operator()(void* face) const { FT_Done_Face(static_cast<FT_Face>(face)); }

Font::Font(const std::string& name_, const std::string& file_, unsigned size_) : size(size_), file(file_), name(name_) {
    FT_Library library = Library();
    FT_Face face = nullptr;
    if (!library || FT_New_Face(library, file.c_str(), 0, &face) != 0) {
        std::cout << "Failed to load font : " << file << std::endl;
        return;
    }
    if (FT_Set_Pixel_Sizes(face, 0, size) != 0) {
        std::cout << "Failed to load font : " << file << " at size " << size << std::endl;
        FT_Done_Face(face);
        return;
    }
    face_ = face;
}

Font::~Font() {
    if (face_) FaceDeleter()(face_);
}

const Glyph* Font::GetGlyph(uint32_t code) {
    auto found = glyphs_.find(code);
    if (found != glyphs_.end()) return found->second.get();
    if (!face_) return nullptr;
    auto face = static_cast<FT_Face>(face_);
    const FT_UInt index = FT_Get_Char_Index(face, code);
    // A code the face lacks is remembered as absent rather than drawn as the
    // missing-glyph box.
    if (index == 0 || FT_Load_Glyph(face, index, FT_LOAD_RENDER) != 0) {
        glyphs_[code] = nullptr;
        return nullptr;
    }
    const FT_GlyphSlot slot = face->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    auto glyph = std::make_unique<Glyph>();
    glyph->code = code;
    glyph->index = index;
    glyph->offsetX = slot->bitmap_left;
    glyph->offsetY = slot->bitmap_top;
    glyph->width = static_cast<int>(bitmap.width);
    glyph->height = static_cast<int>(bitmap.rows);
    glyph->advanceX = static_cast<float>(slot->advance.x) / 64.0f;
    int x = 0, y = 0;
    if (!atlas_.Reserve(glyph->width, glyph->height, x, y)) {
        std::cout << "Glyph atlas of font " << name << " " << size << " is full" << std::endl;
        glyphs_[code] = nullptr;
        return nullptr;
    }
    atlas_.Write(x, y, glyph->width, glyph->height, bitmap.buffer, bitmap.pitch);
    const float texel = 1.0f / GlyphAtlas::kSize;
    glyph->s0 = static_cast<float>(x) * texel;
    glyph->t0 = static_cast<float>(y) * texel;
    glyph->s1 = static_cast<float>(x + glyph->width) * texel;
    glyph->t1 = static_cast<float>(y + glyph->height) * texel;
    const Glyph* result = glyph.get();
    glyphs_[code] = std::move(glyph);
    return result;
}

float Font::Kerning(const Glyph& glyph, uint32_t previousCode) const {
    if (!face_) return 0.0f;
    auto face = static_cast<FT_Face>(face_);
    if (!FT_HAS_KERNING(face)) return 0.0f;
    const FT_UInt previous = FT_Get_Char_Index(face, previousCode);
    if (previous == 0) return 0.0f;
    FT_Vector kerning{};
    FT_Get_Kerning(face, previous, glyph.index, FT_KERNING_DEFAULT, &kerning);
    return static_cast<float>(kerning.x) / 64.0f;
}

}  // namespace Engine::graphics

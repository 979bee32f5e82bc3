#include "graphics/screen_notes.h"

#include <GL/glew.h>

#include "graphics/font.h"
#include "graphics/graphics.h"
#include "graphics/label.h"
#include "graphics/layer.h"
#include "graphics/shader.h"

namespace Engine::graphics {

namespace {

// How each place looks: font size (font pixels; 1/30 unit each, 40 screen
// pixels a unit at 1280 x 720), the baseline's height, the band's half height
// and colours (alpha, blue, green, red).
struct Look {
    int fontSize;
    float baseline;
    float bandHalfHeight;
    float bandMargin;
    uint32_t ink;
    uint32_t band;
};
constexpr Look kLooks[ScreenNotes::kPlaceCount] = {
    {18, -7.95f, 0.34f, 0.35f, 0xFFE8F4FFu, 0xC0201008u},  // readout: small, just above a level's foot line
    {34, -0.22f, 0.85f, 0.9f, 0xFF40E0FFu, 0xD0180C06u},   // banner: across the middle, amber
};
constexpr const char* kFont = "Arial";
// drawString starts its pen 1.5 units left of the label and its baseline 0.25 below.
constexpr float kPenLeft = 1.5f;
constexpr float kBaselineDrop = 0.25f;
constexpr float kUnitsPerFontPixel = 1.0f / 30.0f;

float TextWidth(Font& font, const std::string& text) {
    float width = 0.0f;
    for (const char byte : text)
        if (const Glyph* glyph = font.GetGlyph(Font::CodeOfByte(byte))) width += glyph->advanceX;
    return width * kUnitsPerFontPixel;
}

}  // namespace

ScreenNotes::ScreenNotes() = default;
ScreenNotes::~ScreenNotes() { Drop(); }

void ScreenNotes::Drop() {
    // The layer first: it lets go of the labels it lists.
    layer_.reset();
    for (auto& label : labels_) label.reset();
}

bool ScreenNotes::Empty() const {
    for (const std::string& text : texts_)
        if (!text.empty()) return false;
    return true;
}

void ScreenNotes::Render(Shader* shader, const mat4& screen) {
    if (Empty() || !shader) return;
    if (!layer_) {
        layer_ = std::make_unique<TileLayer>(shader, screen, true);
        for (int place = 0; place < kPlaceCount; ++place) {
            // The font at the note's size first, so the label finds it.
            Graphics* g = Graphics::instance;
            const auto size = static_cast<unsigned>(kLooks[place].fontSize);
            if (Font* base = g ? g->getFont(kFont) : nullptr; base && !g->getFont(kFont, size))
                g->AddFont(kFont, base->file, size);
            // A label joins the world layer when made; it belongs to this layer instead.
            labels_[place] = std::make_unique<Label>(0.0f, 0.0f, kFont, kLooks[place].fontSize, kLooks[place].ink, "");
            if (Layer* world = g ? g->worldLayer() : nullptr) world->Forget(labels_[place].get());
            layer_->Add(labels_[place].get());
        }
    }
    layer_->lines.clear();
    for (int place = 0; place < kPlaceCount; ++place) {
        Label& label = *labels_[place];
        const Look& look = kLooks[place];
        label.text = texts_[place];
        label.hidden = label.text.empty() || !label.font;
        if (label.hidden) continue;
        const float width = TextWidth(*label.font, label.text);
        label.position = {-width * 0.5f + kPenLeft, look.baseline + kBaselineDrop, 0.0f};
        // The band: one thick segment under the text, a margin wider on each side.
        const float middle = look.baseline + look.bandHalfHeight * 0.62f;
        const float half = width * 0.5f + look.bandMargin;
        layer_->AddLine(-half, middle, half, middle, look.band, look.bandHalfHeight);  // thickness: half the band
    }
    shader->UseFixedView(screen.elements);
    layer_->Render();
}

}  // namespace Engine::graphics

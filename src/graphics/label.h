#pragma once
// A line of text drawn with one of the graphics system's fonts.

#include <string>

#include "graphics/renderable2d.h"

namespace Engine::graphics {

class Font;

class Label : public Renderable2D {
public:
    static constexpr int32_t kKind = kLabelKind;

    // Finds the font by name and size (falling back to "Arial"), adds itself to the
    // world layer, and makes the font at `fontSize` when it does not exist yet.
    Label(float x, float y, const std::string& fontName, int fontSize, uint32_t color, const std::string& text);

    // Copies font, text, the two spare values and the position.
    Components* CopyInto(Components* target) override;
    void Submit(Renderer2D* renderer) override;
    void SetFontSize(int size);

    Font* font = nullptr;
    std::string text;
    int32_t spareA = 0;
    int32_t spareB = 0;
    // The renderer reads the text position through this.
    vec3* positionRef = nullptr;
};

}  // namespace Engine::graphics

#pragma once

#include <string>

#include "graphics/renderable2d.h"

namespace Engine::graphics {

// A line of text in a render layer.
class Label : public Renderable2D {
public:
    static constexpr int32_t kKind = kLabelKind;

    Label(float x, float y, const std::string& fontName, int fontSize, uint32_t color, const std::string& text);

    Components* CopyInto(Components* target) override;
    void SetFontSize(int size) { fontSize = size; }

    std::string fontName;
    int fontSize = 32;
    std::string text;
};

}  // namespace Engine::graphics

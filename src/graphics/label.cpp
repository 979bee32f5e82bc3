#include "graphics/label.h"

namespace Engine::graphics {

Label::Label(float x, float y, const std::string& fontName_, int fontSize_, uint32_t color_, const std::string& text_)
    : Renderable2D({x, y, 0.0f}, {1.0f, 1.0f}, color_), fontName(fontName_), text(text_) {
    kind = kLabelKind;
    SetFontSize(fontSize_);
}

Components* Label::CopyInto(Components* target) {
    Renderable2D::CopyInto(target);
    if (auto* other = dynamic_cast<Label*>(target)) {
        other->text = text;
        other->fontName = fontName;
        other->fontSize = fontSize;
    }
    return target;
}

}  // namespace Engine::graphics

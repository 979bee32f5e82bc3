#include "graphics/label.h"

#include <iostream>

#include "graphics/font.h"
#include "graphics/graphics.h"
#include "graphics/renderer2d.h"

namespace Engine::graphics {

Label::Label(float x, float y, const std::string& fontName, int fontSize, uint32_t color_, const std::string& text_)
    : Renderable2D({0.0f, 0.0f, 0.0f}, {1.0f, 1.0f}, 0xFFFFFFFF) {
    Graphics* g = Graphics::instance;
    font = g ? g->getFont(fontName, static_cast<unsigned>(fontSize)) : nullptr;
    text = text_;
    position = {x, y, 0.0f};
    positionRef = &position;
    kind = kLabelKind;
    color = color_;
    if (!font) {
        std::cout << "Null font! Font= " << fontName << std::endl;
        font = g ? g->getFont("Arial") : nullptr;
    }
    if (g) g->AddRenderable(this);
    SetFontSize(fontSize);
}

Components* Label::CopyInto(Components* target) {
    if (auto* other = dynamic_cast<Label*>(target)) {
        other->font = font;
        other->text = text;
        other->spareA = spareA;
        other->spareB = spareB;
        other->position = position;
    }
    return target;
}

void Label::Submit(Renderer2D* renderer) { renderer->drawString(text, *positionRef, font, color); }

void Label::SetFontSize(int size) {
    Graphics* g = Graphics::instance;
    if (!font || !g || size <= 0) return;
    const auto pixels = static_cast<unsigned>(size);
    if (!g->getFont(font->name, pixels)) g->AddFont(font->name, font->file, pixels);
    if (Font* sized = g->getFont(font->name, pixels)) font = sized;
}

}  // namespace Engine::graphics

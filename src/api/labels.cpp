#include "api/labels.h"

#include <iostream>

#include "graphics/font.h"
#include "graphics/graphics.h"
#include "graphics/label.h"

namespace api {

void SetFont(Engine::GameObj* object, const std::string& fontName, int size) {
    Engine::graphics::Label* label = object ? object->GetLabel() : nullptr;
    Engine::graphics::Graphics* graphics = Engine::graphics::Graphics::instance;
    if (!label || !graphics) return;
    Engine::graphics::Font* font = graphics->getFont(fontName);
    if (!font) {
        std::cout << "Null font! Font= " << fontName << std::endl;
        return;
    }
    label->font = font;
    label->SetFontSize(size);
}

void SetLabelLayer(Engine::GameObj* object, int32_t layer) {
    Engine::graphics::Label* label = object ? object->GetLabel() : nullptr;
    if (!label || label->order == layer) return;
    label->order = layer;
    if (Engine::graphics::Graphics* graphics = Engine::graphics::Graphics::instance) graphics->SortLayers();
}

}  // namespace api

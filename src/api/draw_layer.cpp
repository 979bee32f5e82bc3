#include "api/draw_layer.h"

#include "graphics/graphics.h"
#include "graphics/renderable2d.h"

namespace api {

void SetDrawLayer(Engine::GameObj* object, int32_t layer) {
    if (!object) return;
    object->transform->layer = layer;
    Engine::graphics::Renderable2D* sprite = object->GetSprite();
    if (!sprite || sprite->order == layer) return;
    sprite->order = layer;
    if (Engine::graphics::Graphics::instance) Engine::graphics::Graphics::instance->SortLayers();
}

}  // namespace api

#include "physics/collider_outline.h"

#include <memory>

#include "graphics/graphics.h"
#include "graphics/layer.h"
#include "graphics/renderable2d.h"
#include "physics/collider.h"

namespace Engine {

namespace {
constexpr uint32_t kOutlineRed = 0xFF0000FF;
constexpr float kOutlineThickness = 0.1f;
}  // namespace

void AddColliderOutline(Collider* collider) {
    graphics::Graphics* g = graphics::Graphics::instance;
    graphics::Layer* overlay = g ? g->overlayLayer() : nullptr;
    if (!collider || !overlay) return;
    const vec2 centre = collider->position ? *collider->position : vec2();
    // The overlay layer is never drawn. The pieces are marked hidden so that
    // clearing the layers leaves them to their collider, which frees them.
    auto marker = std::make_unique<graphics::Sprite>(centre.x, centre.y);
    marker->hidden = true;
    overlay->Adopt(std::move(marker));
    for (int side = 0; side < 4; ++side) {
        auto edge = std::make_unique<graphics::Renderable2D>(vec3(centre.x, centre.y, 0.0f), vec2(0.0f, 0.0f),
                                                             kOutlineRed);
        edge->hidden = true;
        overlay->Adopt(std::move(edge));
    }
    // Newest first: the four edges, then the centre marker.
    const auto& list = overlay->renderables;
    for (size_t i = 0; i < 5; ++i) collider->outline.push_back(list[list.size() - 1 - i]);
}

void PlaceColliderOutline(Collider* collider) {
    if (!collider || collider->outline.size() < 4) return;
    const vec4& box = collider->box;  // min x, min y, max x, max y
    const float width = box.z - box.x, height = box.w - box.y;
    const float midX = (box.x + box.z) * 0.5f, midY = (box.y + box.w) * 0.5f;
    // Bottom, top, left, right: centres on the edges, sized to the edge.
    const vec3 centres[4] = {{midX, box.y, 0}, {midX, box.w, 0}, {box.x, midY, 0}, {box.z, midY, 0}};
    const vec2 sizes[4] = {{width, kOutlineThickness},
                           {width, kOutlineThickness},
                           {kOutlineThickness, height},
                           {kOutlineThickness, height}};
    for (int i = 0; i < 4; ++i) {
        graphics::Renderable2D* edge = collider->outline[static_cast<size_t>(i)];
        edge->SetSize(sizes[i].x, sizes[i].y);
        edge->SetPosition(centres[i]);
    }
}

void RemoveColliderOutline(Collider* collider) {
    if (!collider) return;
    graphics::Graphics* g = graphics::Graphics::instance;
    graphics::Layer* overlay = g ? g->overlayLayer() : nullptr;
    if (overlay)
        for (graphics::Renderable2D* piece : collider->outline) overlay->Remove(piece);
    collider->outline.clear();
}

}  // namespace Engine

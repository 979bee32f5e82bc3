#include "wiring/collider_outline.h"

#include <vector>

#include "graphics/graphics.h"
#include "graphics/layer.h"
#include "graphics/renderable2d.h"
#include "physics/collider.h"

namespace Engine {

namespace {

constexpr uint32_t kOutlineRed = 0xFF0000FF;
constexpr float kOutlineThickness = 0.1f;

class ColliderOutline final : public ColliderDecoration {
public:
    explicit ColliderOutline(std::vector<graphics::Renderable2D*> pieces) : pieces_(std::move(pieces)) {}

    // The pieces belong to the overlay layer, which frees them as they leave it.
    ~ColliderOutline() override {
        graphics::Graphics* g = graphics::Graphics::instance;
        graphics::Layer* overlay = g ? g->overlayLayer() : nullptr;
        if (overlay)
            for (graphics::Renderable2D* piece : pieces_) overlay->Remove(piece);
    }

    void Place(const vec4& box) override {
        if (pieces_.size() < 4) return;
        const float width = box.z - box.x, height = box.w - box.y;
        const float midX = (box.x + box.z) * 0.5f, midY = (box.y + box.w) * 0.5f;
        // Bottom, top, left, right: centres on the edges, sized to the edge.
        const vec3 centres[4] = {{midX, box.y, 0}, {midX, box.w, 0}, {box.x, midY, 0}, {box.z, midY, 0}};
        const vec2 sizes[4] = {{width, kOutlineThickness},
                               {width, kOutlineThickness},
                               {kOutlineThickness, height},
                               {kOutlineThickness, height}};
        for (size_t i = 0; i < 4; ++i) {
            pieces_[i]->SetSize(sizes[i].x, sizes[i].y);
            pieces_[i]->SetPosition(centres[i]);
        }
    }

private:
    // Newest first: the four edges, then the centre marker.
    std::vector<graphics::Renderable2D*> pieces_;
};

}  // namespace

std::unique_ptr<ColliderDecoration> MakeColliderOutline(const Collider& collider) {
    graphics::Graphics* g = graphics::Graphics::instance;
    graphics::Layer* overlay = g ? g->overlayLayer() : nullptr;
    if (!overlay) return nullptr;
    const vec2 centre = collider.position ? *collider.position : vec2();
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
    const auto& list = overlay->renderables;
    std::vector<graphics::Renderable2D*> pieces;
    for (size_t i = 0; i < 5; ++i) pieces.push_back(list[list.size() - 1 - i]);
    return std::make_unique<ColliderOutline>(std::move(pieces));
}

}  // namespace Engine

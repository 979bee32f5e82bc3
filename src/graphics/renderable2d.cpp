#include "graphics/renderable2d.h"

#include "core/color.h"
#include "graphics/graphics.h"
#include "graphics/texture.h"
#include "objects/transform.h"

namespace Engine::graphics {

Renderable2D::Renderable2D(const vec3& position_, const vec2& size_, uint32_t color_)
    : Components(kSpriteKind), position(position_), size(size_), color(color_) {}

Renderable2D::~Renderable2D() = default;

void Renderable2D::SetColor(const vec4& rgba) {
    colorRGBA = rgba;
    color = static_cast<uint32_t>(static_cast<int>(rgba.x * 255)) |
            static_cast<uint32_t>(static_cast<int>(rgba.y * 255)) << 8 |
            static_cast<uint32_t>(static_cast<int>(rgba.z * 255)) << 16 |
            static_cast<uint32_t>(static_cast<int>(rgba.w * 255)) << 24;
}

Components* Renderable2D::CopyInto(Components* target) {
    if (auto* other = dynamic_cast<Renderable2D*>(target)) {
        other->SetTexture(texture);
        other->colorRGBA = colorRGBA;
        other->color = color;
        other->rotation = rotation;
        other->SetRotation(rotation);
        other->startFrame = startFrame;
        other->endFrame = endFrame;
    }
    return target;
}

void Renderable2D::Update(float) {
    if (!owner) return;
    SetSize(owner->scale.x, owner->scale.y);
    position = {owner->position.x, owner->position.y, 0.0f};
}

Sprite::Sprite(float x, float y) : Renderable2D({x, y, 0.0f}, {0.0f, 0.1f}, 0x00FF00FF) {}

}  // namespace Engine::graphics

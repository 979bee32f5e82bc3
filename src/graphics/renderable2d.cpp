#include "graphics/renderable2d.h"

#include <algorithm>

#include "graphics/graphics.h"
#include "graphics/layer.h"
#include "graphics/renderer2d.h"
#include "graphics/texture.h"
#include "objects/transform.h"

namespace Engine::graphics {

Renderable2D::Renderable2D(const vec3& position_, const vec2& size_, uint32_t color_)
    : Components(kSpriteKind), position(position_), size(size_), color(color_) {}

Renderable2D::~Renderable2D() {
    if (layerEntries > 0)
        if (Graphics* g = Graphics::instance) g->ForgetRenderable(this);
}

void Renderable2D::SetColor(const vec4& rgba) {
    colorRGBA = rgba;
    color = static_cast<uint32_t>(static_cast<int>(rgba.x * 255)) |
            static_cast<uint32_t>(static_cast<int>(rgba.y * 255)) << 8 |
            static_cast<uint32_t>(static_cast<int>(rgba.z * 255)) << 16 |
            static_cast<uint32_t>(static_cast<int>(rgba.w * 255)) << 24;
}

void Renderable2D::SetColor(uint32_t& alpha, uint32_t& blue, uint32_t& green, uint32_t& red) {
    alpha = std::min(alpha, 255u);
    blue = std::min(blue, 255u);
    green = std::min(green, 255u);
    red = std::min(red, 255u);
    color = alpha << 24 | blue << 16 | green << 8 | red;
}

Components* Renderable2D::CopyInto(Components* target) {
    auto* other = dynamic_cast<Renderable2D*>(target);
    if (!other) return target;
    if (texture)
        other->SetTexture(texture);
    else
        other->texture = nullptr;
    other->colorRGBA = colorRGBA;
    other->color = color;
    other->rotation = rotation;
    other->SetRotation(rotation);
    other->startFrame = startFrame;
    other->endFrame = endFrame;
    return target;
}

void Renderable2D::Update(float) {
    if (!owner) return;
    SetSize(owner->scale.x, owner->scale.y);
    position = {owner->position.x, owner->position.y, 0.0f};
    UpdateModel();
}

void Renderable2D::Submit(Renderer2D* renderer) { renderer->submit(this); }

void Renderable2D::Destroy() {
    if (Graphics* g = Graphics::instance)
        if (Layer* world = g->worldLayer()) world->Remove(this);
}

void Renderable2D::SetPosition(const vec3& centre) {
    position = centre;
    UpdateModel();
}

void Renderable2D::SetRotation(float degrees) {
    rotation = degrees;
    if (owner) owner->rotation = degrees;
    // `position` holds the lower-left corner by now; UpdateModel reads a centre.
    // Turning a quad must not move it.
    position.x += size.x * 0.5f;
    position.y += size.y * 0.5f;
    UpdateModel();
}

void Renderable2D::UpdateModel() {
    const float angle = owner ? owner->rotation : rotation;
    rotationMatrix = mat4::rotationZ(angle);
    const Renderable2D& centreSource = pivot ? *pivot : *this;
    const vec2 centre(centreSource.position.x + centreSource.size.x * 0.5f,
                      centreSource.position.y + centreSource.size.y * 0.5f);
    const vec2 corner(centre.x - size.x * 0.5f, centre.y - size.y * 0.5f);
    // The product translation(corner) x rotation x translation(-position), written
    // out: every sprite runs this every frame, and two full 4x4 products were the
    // largest cost of a headless match.
    const float c = rotationMatrix.at(0, 0), s = rotationMatrix.at(1, 0);
    const float backX = -position.x, backY = -position.y;
    modelMatrix = rotationMatrix;
    modelMatrix.at(0, 3) = c * backX + -s * backY + corner.x;
    modelMatrix.at(1, 3) = s * backX + c * backY + corner.y;
    modelMatrix.at(2, 3) = position.z + position.z;
    position.x -= size.x * 0.5f;
    position.y -= size.y * 0.5f;
}

void Renderable2D::SetTexture(Texture* newTexture) {
    if (!newTexture) return;
    texture = newTexture;
    const float w = texture->cellWidth(), h = texture->cellHeight();
    uvs[0] = {0, 0};
    uvs[1] = {0, h};
    uvs[2] = {w, h};
    uvs[3] = {w, 0};
}

void Renderable2D::SetFrame(uint32_t first, uint32_t last) {
    if (!texture) return;
    endFrame = last;
    startFrame = std::min(first, last);
    const float w = texture->cellWidth(), h = texture->cellHeight();
    const vec2 cell = SheetCellOrigin(*texture, startFrame);
    uvs[0] = {cell.x, cell.y};
    uvs[1] = {cell.x, cell.y + h};
    uvs[2] = {cell.x + w, cell.y + h};
    uvs[3] = {cell.x + w, cell.y};
}

vec2 SheetCellOrigin(const Texture& texture, uint32_t cell) {
    const uint32_t columns = texture.columns > 0 ? static_cast<uint32_t>(texture.columns) : 1u;
    const float row = static_cast<float>(cell / columns);
    return {static_cast<float>(cell % columns) * texture.cellWidth(), row * texture.cellHeight()};
}

Sprite::Sprite(float x, float y) : Renderable2D({x, y, 0.0f}, {0.0f, 0.1f}, 0x00FF00FF) {}

}  // namespace Engine::graphics

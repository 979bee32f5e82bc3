#pragma once
// Everything drawn in a level: a quad in a render layer that follows its owner's
// transform and hands itself to the layer's renderer.

#include <cstdint>

#include "core/maths.h"
#include "objects/components.h"

namespace Engine {
class Transform;
}

namespace Engine::graphics {

struct Texture;
class Renderer2D;

class Renderable2D : public Components {
public:
    static constexpr int32_t kKind = kSpriteKind;

    // `position` is read as the quad's centre once the model is updated.
    Renderable2D(const vec3& position, const vec2& size, uint32_t color);
    // Leaves every layer that still lists it.
    ~Renderable2D() override;

    // Copies texture, colours, rotation and the frame range.
    Components* CopyInto(Components* target) override;
    // Follows the owner: its scale becomes the size, its position the centre.
    void Update(float dt) override;

    virtual void SetColor(uint32_t packed) { color = packed; }
    // Floats in 0..1, truncated to bytes.
    virtual void SetColor(const vec4& rgba);
    // Byte values in the order alpha, blue, green, red; each is clamped to 255 in place.
    virtual void SetColor(uint32_t& alpha, uint32_t& blue, uint32_t& green, uint32_t& red);
    // Queues the renderable with the renderer.
    virtual void Submit(Renderer2D* renderer);
    // Takes the renderable out of the world layer; the layer frees it when it owns it.
    virtual void Destroy();
    void Hide() override { hidden = true; }
    virtual void SetPosition(const vec3& centre);
    virtual void SetRotation(float degrees);
    virtual void SetSize(float w, float h) { size = {w, h}; }
    // Rebuilds the model matrix: rotation about the centre (or the pivot's centre),
    // and turns the stored centre into the quad's lower-left corner.
    virtual void UpdateModel();

    // Shows the first cell of the texture's sprite sheet. A null texture changes nothing.
    void SetTexture(Texture* newTexture);
    // Sets the animated cell range and shows its first cell (textured renderables only).
    void SetFrame(uint32_t first, uint32_t last);

    vec3 position;
    vec2 size;
    vec4 colorRGBA{1.0f, 1.0f, 1.0f, 1.0f};
    uint32_t color;
    float rotation = 0.0f;
    mat4 modelMatrix = mat4::identity();
    mat4 rotationMatrix = mat4::identity();
    Renderable2D* pivot = nullptr;
    vec2 uvs[4] = {{0, 0}, {0, 1}, {1, 1}, {1, 0}};
    Texture* texture = nullptr;
    int32_t order = 0;
    uint32_t startFrame = 1;
    uint32_t endFrame = 1;
    bool hidden = false;
    bool active = true;
    Transform* owner = nullptr;

    // How many layer lists hold this renderable (kept by the layers).
    int layerEntries = 0;
};

// A textured or coloured quad.
class Sprite : public Renderable2D {
public:
    Sprite(float x, float y);
};

// Top-left origin of sprite-sheet cell k: column k mod columns, row k / columns.
vec2 SheetCellOrigin(const Texture& texture, uint32_t cell);

}  // namespace Engine::graphics

#pragma once

#include <cstdint>

#include "core/maths.h"
#include "objects/components.h"

namespace Engine {
class Transform;
}

namespace Engine::graphics {

struct Texture;

// A quad in a render layer that follows its owner's transform.
class Renderable2D : public Components {
public:
    static constexpr int32_t kKind = kSpriteKind;

    Renderable2D(const vec3& position, const vec2& size, uint32_t color);
    ~Renderable2D() override;

    Components* CopyInto(Components* target) override;
    void Update(float dt) override;

    virtual void SetColor(uint32_t packed) { color = packed; }
    virtual void SetColor(const vec4& rgba);
    virtual void SetTexture(Texture* t) { texture = t; }
    virtual void SetFrame(uint32_t first, uint32_t last) {
        startFrame = first;
        endFrame = last;
    }
    virtual void SetSize(float w, float h) { size = {w, h}; }
    virtual void SetRotation(float degrees) { rotation = degrees; }

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
};

// A textured or coloured quad.
class Sprite : public Renderable2D {
public:
    Sprite(float x, float y);
};

}  // namespace Engine::graphics

#pragma once
// The interface every layer draws through, and its transformation stack.

#include <cstdint>
#include <string>
#include <vector>

#include "core/maths.h"
#include "graphics/vertex.h"

namespace Engine::graphics {

class Renderable2D;
class Font;
class Shader;

class Renderer2D {
public:
    Renderer2D() { transformationStack_.push_back(mat4::identity()); }
    virtual ~Renderer2D() = default;
    Renderer2D(const Renderer2D&) = delete;
    Renderer2D& operator=(const Renderer2D&) = delete;

    // One quad per glyph of `text`.
    virtual void drawString(const std::string& /*text*/, const vec3& /*position*/, Font* /*font*/,
                            uint32_t /*color*/) {}
    virtual void begin() {}
    // One quad for the renderable, with edge depth when the camera is zoomed.
    virtual void submit(const Renderable2D* renderable) = 0;
    // One quad, only when the renderable lies wholly inside the world view.
    virtual void submitCulled(const Renderable2D* renderable) = 0;
    virtual void drawLines(std::vector<Line> lines) = 0;
    virtual void end() {}
    virtual void flush() = 0;
    // The shader of the layer drawing through this renderer, whose variants a
    // renderer may pick per batch.
    virtual void setShader(Shader* /*shader*/) {}

    // Every vertex is multiplied by the top matrix. `combine` multiplies the new
    // matrix onto the current top instead of replacing it.
    void push(const mat4& matrix, bool combine = true) {
        transformationStack_.push_back(combine ? top() * matrix : matrix);
        topIsIdentity_ = false;
    }
    void pop() {
        if (transformationStack_.size() > 1) transformationStack_.pop_back();
        topIsIdentity_ = transformationStack_.size() == 1;
    }
    const mat4& top() const { return transformationStack_.back(); }

protected:
    // Lets the renderer skip a matrix product per quad in the usual case.
    bool topIsIdentity() const { return topIsIdentity_; }

private:
    std::vector<mat4> transformationStack_;
    bool topIsIdentity_ = true;
};

}  // namespace Engine::graphics

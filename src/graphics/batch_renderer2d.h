#pragma once
// Packs quads into one mapped vertex buffer and draws them with a single indexed
// call, binding up to 32 textures at a time.

#include <GL/glew.h>

#include <memory>
#include <vector>

#include "graphics/gl_handles.h"
#include "graphics/renderer2d.h"

namespace Engine::graphics {

// The fixed index list of the quad pattern, uploaded once.
class IndexBuffer {
public:
    IndexBuffer(const GLuint* indices, GLsizei count);
    void bind() const { glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, buffer_.get()); }
    void unbind() const { glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0); }
    GLsizei count() const { return count_; }

private:
    GlBuffer buffer_;
    GLsizei count_;
};

class BatchRenderer2D : public Renderer2D {
public:
    // Needs a current GL context.
    BatchRenderer2D();
    ~BatchRenderer2D() override;

    void drawString(const std::string& text, const vec3& position, Font* font, uint32_t color) override;
    void begin() override;
    void submit(const Renderable2D* renderable) override;
    void submitCulled(const Renderable2D* renderable) override;
    void drawLines(std::vector<Line> lines) override;
    void end() override;
    // Draws the batch; one with at most one texture uses the shader's
    // single-texture variant when it has one (see Shader::UseSingleTextureVariant),
    // the one that samples every quad when no quad lacks the texture.
    void flush() override;
    void setShader(Shader* shader) override { shader_ = shader; }

    GLuint vertexArray() const { return vertexArray_.get(); }
    GLuint vertexBuffer() const { return vertexBuffer_.get(); }
    bool mapped() const { return mapped_; }

    // Indices queued in the current batch (6 per quad).
    GLsizei indexCount = 0;
    // GL texture names of the current batch; slot i is sampler unit i.
    std::vector<GLuint> textureSlots;
    // Draw calls issued since construction, and how many of them used the
    // shader's single-texture variant.
    size_t drawCalls = 0;
    size_t singleTextureDraws = 0;
    // Of those, the draws whose every quad was textured.
    size_t everyQuadTexturedDraws = 0;
    // Texture slots bound by those draw calls, summed: with one draw a frame,
    // the textures (atlas pages, images of their own, glyph atlases) it used.
    size_t texturesBound = 0;

private:
    // Makes room for one more quad, drawing the full batch first when needed.
    void ReserveQuad();
    // The slot number (+1) of the texture in this batch, flushing when all 32 are taken.
    float TextureSlot(GLuint texture);
    void WriteRenderableQuad(const Renderable2D& r, float tid, bool edgeDepth);
    void Put(const vec3& position, const vec2& uv, float tid, uint32_t color) {
        Vertex* v = cursor_++;
        v->position = position;
        v->uv = uv;
        v->tid = tid;
        v->color = color;
    }

    Shader* shader_ = nullptr;
    GlVertexArray vertexArray_;
    GlBuffer vertexBuffer_;
    Vertex* cursor_ = nullptr;
    bool mapped_ = false;
    bool mapFailureReported_ = false;
    // Whether the current batch holds a quad without texture (tid 0), which
    // keeps it off the shader variant that samples every quad.
    bool untexturedQueued_ = false;
    std::vector<GLuint> indices_;
    std::unique_ptr<IndexBuffer> indexBuffer_;
};

}  // namespace Engine::graphics

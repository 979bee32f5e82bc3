#include "graphics/batch_renderer2d.h"

#include <cmath>
#include <cstdio>

#include "graphics/camera.h"
#include "graphics/font.h"
#include "graphics/renderable2d.h"
#include "graphics/shader.h"
#include "graphics/texture.h"

namespace Engine::graphics {

namespace {

constexpr GLuint kPositionAttribute = 0;
constexpr GLuint kUvAttribute = 1;
constexpr GLuint kTidAttribute = 2;
constexpr GLuint kColorAttribute = 3;

const void* Offset(size_t bytes) { return reinterpret_cast<const void*>(bytes); }

std::vector<GLuint> QuadIndices() {
    std::vector<GLuint> indices(kIndexCount);
    for (size_t q = 0; q < kMaxQuads; ++q) {
        const auto o = static_cast<GLuint>(q * 4);
        GLuint* i = &indices[q * 6];
        i[0] = o;
        i[1] = o + 1;
        i[2] = o + 2;
        i[3] = o + 2;
        i[4] = o + 3;
        i[5] = o;
    }
    return indices;
}

}  // namespace

const vec2* DefaultTextureCoordinates() {
    static const vec2 coordinates[4] = {{0, 0}, {0, 1}, {1, 1}, {1, 0}};
    return coordinates;
}

IndexBuffer::IndexBuffer(const GLuint* indices, GLsizei count) : buffer_(GenBuffer()), count_(count) {
    bind();
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLsizeiptr>(count) * sizeof(GLuint), indices, GL_STATIC_DRAW);
    unbind();
}

BatchRenderer2D::BatchRenderer2D() : vertexArray_(GenVertexArray()), vertexBuffer_(GenBuffer()) {
    glBindVertexArray(vertexArray_.get());
    glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer_.get());
    glBufferData(GL_ARRAY_BUFFER, kVertexBufferSize, nullptr, GL_DYNAMIC_DRAW);
    glEnableVertexAttribArray(kPositionAttribute);
    glEnableVertexAttribArray(kUvAttribute);
    glEnableVertexAttribArray(kTidAttribute);
    glEnableVertexAttribArray(kColorAttribute);
    glVertexAttribPointer(kPositionAttribute, 3, GL_FLOAT, GL_FALSE, kVertexSize, Offset(offsetof(Vertex, position)));
    glVertexAttribPointer(kUvAttribute, 2, GL_FLOAT, GL_FALSE, kVertexSize, Offset(offsetof(Vertex, uv)));
    glVertexAttribPointer(kTidAttribute, 1, GL_FLOAT, GL_FALSE, kVertexSize, Offset(offsetof(Vertex, tid)));
    glVertexAttribPointer(kColorAttribute, 4, GL_UNSIGNED_BYTE, GL_TRUE, kVertexSize, Offset(offsetof(Vertex, color)));
    glBindBuffer(GL_ARRAY_BUFFER, 0);

    indices_ = QuadIndices();
    indexBuffer_ = std::make_unique<IndexBuffer>(indices_.data(), static_cast<GLsizei>(indices_.size()));
    glBindVertexArray(0);
}

BatchRenderer2D::~BatchRenderer2D() {
    if (mapped_) end();
}

void BatchRenderer2D::begin() {
    glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer_.get());
    // Invalidating lets the driver hand out fresh storage instead of waiting for
    // the previous draw from this buffer to finish.
    void* memory = glMapBufferRange(GL_ARRAY_BUFFER, 0, kVertexBufferSize,
                                    GL_MAP_WRITE_BIT | GL_MAP_INVALIDATE_BUFFER_BIT);
    cursor_ = static_cast<Vertex*>(memory);
    mapped_ = memory != nullptr;
    if (!mapped_) {
        if (!mapFailureReported_) {
            std::printf("Failed to map the vertex buffer (OpenGL error %u): this layer is not drawn\n", glGetError());
            std::fflush(stdout);
            mapFailureReported_ = true;
        }
        glBindBuffer(GL_ARRAY_BUFFER, 0);
        return;
    }
    mapFailureReported_ = false;
}

void BatchRenderer2D::end() {
    if (mapped_) {
        glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer_.get());
        glUnmapBuffer(GL_ARRAY_BUFFER);
    }
    mapped_ = false;
    cursor_ = nullptr;
    glBindBuffer(GL_ARRAY_BUFFER, 0);
}

void BatchRenderer2D::flush() {
    if (indexCount > 0) {
        for (size_t i = 0; i < textureSlots.size(); ++i) {
            glActiveTexture(GL_TEXTURE0 + static_cast<GLenum>(i));
            glBindTexture(GL_TEXTURE_2D, textureSlots[i]);
        }
        // The variant samples slot 0 only; quads without texture need no slot.
        const bool everyQuadTextured = !untexturedQueued_ && textureSlots.size() == 1;
        const bool singleTexture =
            shader_ && textureSlots.size() <= 1 && shader_->UseSingleTextureVariant(everyQuadTextured);
        glBindVertexArray(vertexArray_.get());
        indexBuffer_->bind();
        glDrawElements(GL_TRIANGLES, indexCount, GL_UNSIGNED_INT, nullptr);
        ++drawCalls;
        texturesBound += textureSlots.size();
        if (singleTexture) {
            glUseProgram(shader_->program());
            ++singleTextureDraws;
            if (everyQuadTextured && shader_->everyQuadTexturedProgram()) ++everyQuadTexturedDraws;
        }
        indexBuffer_->unbind();
        glBindVertexArray(0);
        glActiveTexture(GL_TEXTURE0);
    }
    indexCount = 0;
    textureSlots.clear();
    untexturedQueued_ = false;
}

void BatchRenderer2D::ReserveQuad() {
    if (static_cast<size_t>(indexCount) < kIndexCount) return;
    // The buffer is full: draw it and start a new batch, as a texture overflow does.
    end();
    flush();
    begin();
}

float BatchRenderer2D::TextureSlot(GLuint texture) {
    for (size_t i = 0; i < textureSlots.size(); ++i)
        if (textureSlots[i] == texture) return static_cast<float>(i + 1);
    if (textureSlots.size() >= kMaxTextureSlots) {
        end();
        flush();
        begin();
    }
    textureSlots.push_back(texture);
    return static_cast<float>(textureSlots.size());
}

void BatchRenderer2D::WriteRenderableQuad(const Renderable2D& r, float tid, bool edgeDepth) {
    const float x = r.position.x, y = r.position.y, z = r.position.z;
    const float w = r.size.x, h = r.size.y;
    const mat4 transform = topIsIdentity() ? r.modelMatrix : top() * r.modelMatrix;
    const vec3 corners[4] = {{x, y, z}, {x, y + h, z}, {x + w, y + h, z}, {x + w, y, z}};
    const int uvIndex[4] = {1, 0, 3, 2};

    // Sprites keep their coordinates in their own image; a packed image lies in
    // a rectangle of its atlas page (the whole texture otherwise: origin 0, scale 1).
    const vec2 origin = r.texture ? r.texture->uvOrigin : vec2(0.0f, 0.0f);
    const vec2 scale = r.texture ? r.texture->uvScale : vec2(1.0f, 1.0f);

    bool clipRight = false, clipLeft = false;
    float halfW = 0.0f;
    if (edgeDepth) {
        const WorldView view = CurrentWorldView();
        halfW = view.halfWidth;
        clipRight = x + w > halfW;
        clipLeft = !clipRight && x < -halfW;
    }
    for (int i = 0; i < 4; ++i) {
        vec3 p = transform * corners[i];
        if (clipRight)
            p.z = (halfW - p.x) / w * 2.0f - 1.0f;
        else if (clipLeft)
            p.z = -1.0f - (-halfW - p.x) / w * 2.0f;
        const vec2& uv = r.uvs[uvIndex[i]];
        Put(p, {origin.x + uv.x * scale.x, origin.y + uv.y * scale.y}, tid, r.color);
    }
    indexCount += 6;
    untexturedQueued_ = untexturedQueued_ || tid == 0.0f;
}

void BatchRenderer2D::submit(const Renderable2D* renderable) {
    if (!renderable || !mapped_) return;
    ReserveQuad();
    if (!mapped_) return;
    const float tid = renderable->texture ? TextureSlot(renderable->texture->id) : 0.0f;
    if (!mapped_) return;
    const Camera* camera = Camera::main;
    const bool zoomed = camera && camera->zoom != 1.0f;
    WriteRenderableQuad(*renderable, tid, zoomed);
}

void BatchRenderer2D::submitCulled(const Renderable2D* renderable) {
    if (!renderable || !mapped_) return;
    const WorldView view = CurrentWorldView();
    const float x = renderable->position.x, y = renderable->position.y;
    const float w = renderable->size.x, h = renderable->size.y;
    if (x + w > view.halfWidth || x < -view.halfWidth || y < -view.halfHeight || y + h > view.halfHeight) return;
    ReserveQuad();
    if (!mapped_) return;
    const float tid = renderable->texture ? TextureSlot(renderable->texture->id) : 0.0f;
    if (!mapped_) return;
    WriteRenderableQuad(*renderable, tid, false);
}

void BatchRenderer2D::drawString(const std::string& text, const vec3& position, Font* font, uint32_t color) {
    if (!font || !mapped_) return;
    // Glyphs are added to the atlas on first use: add them all before the atlas
    // texture is uploaded and takes its slot.
    for (char byte : text) font->GetGlyph(Font::CodeOfByte(byte));
    const GLuint atlas = font->AtlasTexture();
    TextureSlot(atlas);

    const float s = 1.0f / 30.0f;
    float penX = position.x - 1.5f;
    const float baseY = position.y - 0.25f;
    for (size_t j = 0; j < text.size(); ++j) {
        const Glyph* glyph = font->GetGlyph(Font::CodeOfByte(text[j]));
        if (!glyph) continue;
        if (j > 0) penX += font->Kerning(*glyph, Font::CodeOfByte(text[j - 1])) * s;
        ReserveQuad();
        if (!mapped_) return;
        const float tid = TextureSlot(atlas);
        if (!mapped_) return;
        const float x0 = penX + static_cast<float>(glyph->offsetX) * s;
        const float y0 = baseY + static_cast<float>(glyph->offsetY) * s;
        const float x1 = x0 + static_cast<float>(glyph->width) * s;
        const float y1 = y0 - static_cast<float>(glyph->height) * s;
        const mat4& t = top();
        const bool plain = topIsIdentity();
        auto at = [&](float px, float py) { return plain ? vec3(px, py, 0.0f) : t * vec3(px, py, 0.0f); };
        Put(at(x0, y0), {glyph->s0, glyph->t0}, tid, color);
        Put(at(x0, y1), {glyph->s0, glyph->t1}, tid, color);
        Put(at(x1, y1), {glyph->s1, glyph->t1}, tid, color);
        Put(at(x1, y0), {glyph->s1, glyph->t0}, tid, color);
        indexCount += 6;
        penX += glyph->advanceX * s;
    }
}

void BatchRenderer2D::drawLines(std::vector<Line> lines) {
    if (!mapped_) return;
    const vec2* uv = DefaultTextureCoordinates();
    const float halfW = CurrentWorldView().halfWidth;
    const mat4& t = top();
    const bool plain = topIsIdentity();
    auto at = [&](const vec2& p) { return plain ? vec3(p.x, p.y, 0.0f) : t * vec3(p.x, p.y, 0.0f); };
    for (const Line& line : lines) {
        const vec2 start(line.startX, line.startY), end(line.endX, line.endY);
        const float length = std::sqrt((start.x - end.x) * (start.x - end.x) + (end.y - start.y) * (end.y - start.y));
        // A zero-length segment has no direction to be thick in.
        if (length == 0.0f) continue;
        ReserveQuad();
        if (!mapped_) return;
        const vec2 n((end.y - start.y) * line.thickness / length, (start.x - end.x) * line.thickness / length);
        vec3 first = at(start + n);
        if (first.x > halfW)
            first.z = (halfW - first.x) / (end.x - start.x) * 2.0f - 1.0f;
        else if (first.x < -halfW)
            first.z = -1.0f - (-halfW - first.x) / (end.x - start.x) * 2.0f;
        Put(first, uv[0], 0.0f, line.color);
        Put(at(end + n), uv[1], 0.0f, line.color);
        Put(at(end - n), uv[2], 0.0f, line.color);
        Put(at(start - n), uv[3], 0.0f, line.color);
        indexCount += 6;
        untexturedQueued_ = true;
    }
}

}  // namespace Engine::graphics

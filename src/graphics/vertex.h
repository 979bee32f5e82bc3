#pragma once
// The vertex the batch renderer writes and the line record layers queue.

#include <cstddef>
#include <cstdint>

#include "core/maths.h"

namespace Engine::graphics {

struct Vertex {
    vec3 position;   // world position; z also carries the edge depth
    vec2 uv;
    float tid;       // texture slot + 1; 0 means no texture
    uint32_t color;  // packed R (low byte), G, B, A
};
static_assert(sizeof(Vertex) == 28, "the vertex layout is shared with the shaders");
static_assert(offsetof(Vertex, uv) == 12 && offsetof(Vertex, tid) == 20 && offsetof(Vertex, color) == 24,
              "attribute offsets");

// A thick segment: stored end point first, as the layers queue it.
struct Line {
    float thickness;
    uint32_t color;
    float endX, endY;
    float startX, startY;
};

constexpr size_t kMaxQuads = 60000;
constexpr size_t kVertexSize = sizeof(Vertex);
constexpr size_t kVertexBufferSize = kMaxQuads * 4 * kVertexSize;
constexpr size_t kIndexCount = kMaxQuads * 6;
constexpr size_t kMaxTextureSlots = 32;

// (0, 0), (0, 1), (1, 1), (1, 0): the texture coordinates every quad starts with.
const vec2* DefaultTextureCoordinates();

}  // namespace Engine::graphics

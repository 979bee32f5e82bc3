#pragma once
// Packed colours: a 32-bit value whose bytes, least significant first, are R, G, B, A.
// 0xFFFFFFFF is opaque white, 0x00FFFFFF invisible white, 0xFF0000FF opaque red.

#include <cstdint>

#include "core/maths.h"

namespace Engine {

constexpr uint32_t PackColor(uint32_t r, uint32_t g, uint32_t b, uint32_t a) {
    return (r & 0xFFu) | ((g & 0xFFu) << 8) | ((b & 0xFFu) << 16) | ((a & 0xFFu) << 24);
}

// Floats in [0, 1] are clamped and rounded down to bytes, as a renderer expects.
uint32_t PackColor(const vec4& rgba);

constexpr uint32_t ColorRed(uint32_t c) { return c & 0xFFu; }
constexpr uint32_t ColorGreen(uint32_t c) { return (c >> 8) & 0xFFu; }
constexpr uint32_t ColorBlue(uint32_t c) { return (c >> 16) & 0xFFu; }
constexpr uint32_t ColorAlpha(uint32_t c) { return (c >> 24) & 0xFFu; }

vec4 UnpackColor(uint32_t c);

}  // namespace Engine

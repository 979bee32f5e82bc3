#include "core/color.h"

#include <algorithm>

namespace Engine {

namespace {
uint32_t ToByte(float f) { return static_cast<uint32_t>(std::clamp(f, 0.0f, 1.0f) * 255.0f); }
}  // namespace

uint32_t PackColor(const vec4& rgba) {
    return PackColor(ToByte(rgba.x), ToByte(rgba.y), ToByte(rgba.z), ToByte(rgba.w));
}

vec4 UnpackColor(uint32_t c) {
    return {ColorRed(c) / 255.0f, ColorGreen(c) / 255.0f, ColorBlue(c) / 255.0f, ColorAlpha(c) / 255.0f};
}

}  // namespace Engine

#pragma once

#include <cstdint>

#include "core/maths.h"

namespace Engine {

// Where an object is: centre position, size in world units, rotation in degrees and
// draw layer. The matrices are built once by the constructor; at run time everything
// reads and writes position, scale and rotation directly.
class Transform {
public:
    Transform(int32_t layer, float scaleX, float scaleY, float rotationDegrees, float x, float y);

    mat3 world;
    mat3 translation;
    mat3 rotationMatrix;
    mat3 scaleMatrix;
    vec2 position;
    int32_t layer = 0;
    vec2 scale{1.0f, 1.0f};
    float rotation = 0.0f;
};

}  // namespace Engine

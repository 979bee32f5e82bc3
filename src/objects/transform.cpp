#include "objects/transform.h"

#include <cmath>

namespace Engine {

Transform::Transform(int32_t layer_, float scaleX, float scaleY, float rotationDegrees, float x, float y)
    : position(x, y), layer(layer_), scale(scaleX, scaleY), rotation(rotationDegrees) {
    translation.m[0][2] = x;
    translation.m[1][2] = y;
    const float r = rotationDegrees * kDegreesToRadians;
    rotationMatrix.m[0][0] = std::cos(r);
    rotationMatrix.m[0][1] = -std::sin(r);
    rotationMatrix.m[1][0] = std::sin(r);
    rotationMatrix.m[1][1] = std::cos(r);
    scaleMatrix.m[0][0] = scaleX;
    scaleMatrix.m[1][1] = scaleY;
    world = translation * rotationMatrix * scaleMatrix;
}

}  // namespace Engine

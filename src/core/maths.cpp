#include "core/maths.h"

namespace Engine {

mat4 mat4::identity() {
    mat4 r;
    r.elements[0] = r.elements[5] = r.elements[10] = r.elements[15] = 1.0f;
    return r;
}

mat4 mat4::orthographic(float left, float right, float bottom, float top, float near, float far) {
    mat4 r = identity();
    r.elements[0] = 2.0f / (right - left);
    r.elements[5] = 2.0f / (top - bottom);
    r.elements[10] = 2.0f / (near - far);
    r.elements[12] = (left + right) / (left - right);
    r.elements[13] = (bottom + top) / (bottom - top);
    r.elements[14] = (far + near) / (far - near);
    return r;
}

mat4 mat4::translation(const vec3& t) {
    mat4 r = identity();
    r.elements[12] = t.x;
    r.elements[13] = t.y;
    r.elements[14] = t.z;
    return r;
}

mat4 mat4::rotationZ(float degrees) {
    mat4 r = identity();
    const float a = degrees * kDegreesToRadians;
    const float c = std::cos(a), s = std::sin(a);
    r.at(0, 0) = c;
    r.at(0, 1) = -s;
    r.at(1, 0) = s;
    r.at(1, 1) = c;
    return r;
}

mat4 mat4::scale(const vec3& s) {
    mat4 r = identity();
    r.elements[0] = s.x;
    r.elements[5] = s.y;
    r.elements[10] = s.z;
    return r;
}

mat4 mat4::operator*(const mat4& o) const {
    mat4 r;
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 4; ++col) {
            float sum = 0.0f;
            for (int k = 0; k < 4; ++k) sum += at(row, k) * o.at(k, col);
            r.at(row, col) = sum;
        }
    return r;
}

mat3 mat3::operator*(const mat3& o) const {
    mat3 r;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            float sum = 0.0f;
            for (int k = 0; k < 3; ++k) sum += m[i][k] * o.m[k][j];
            r.m[i][j] = sum;
        }
    return r;
}

}  // namespace Engine

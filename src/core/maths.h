#pragma once
// Small vector and matrix types shared by every subsystem.
// mat4 is column-major: element [col * 4 + row], translation in 12..14.

#include <cmath>
#include <cstdint>

namespace Engine {

struct vec2 {
    float x = 0.0f, y = 0.0f;
    constexpr vec2() = default;
    constexpr vec2(float x_, float y_) : x(x_), y(y_) {}
    constexpr vec2 operator+(const vec2& o) const { return {x + o.x, y + o.y}; }
    constexpr vec2 operator-(const vec2& o) const { return {x - o.x, y - o.y}; }
    constexpr vec2 operator*(float s) const { return {x * s, y * s}; }
    constexpr vec2 operator/(float s) const { return {x / s, y / s}; }
    vec2& operator+=(const vec2& o) { x += o.x; y += o.y; return *this; }
    vec2& operator-=(const vec2& o) { x -= o.x; y -= o.y; return *this; }
    constexpr bool operator==(const vec2& o) const { return x == o.x && y == o.y; }
    constexpr bool operator!=(const vec2& o) const { return !(*this == o); }
};

struct vec3 {
    float x = 0.0f, y = 0.0f, z = 0.0f;
    constexpr vec3() = default;
    constexpr vec3(float x_, float y_, float z_) : x(x_), y(y_), z(z_) {}
    constexpr vec3 operator+(const vec3& o) const { return {x + o.x, y + o.y, z + o.z}; }
    constexpr vec3 operator-(const vec3& o) const { return {x - o.x, y - o.y, z - o.z}; }
    constexpr vec3 operator*(float s) const { return {x * s, y * s, z * s}; }
    constexpr bool operator==(const vec3& o) const { return x == o.x && y == o.y && z == o.z; }
    constexpr bool operator!=(const vec3& o) const { return !(*this == o); }
};

struct vec4 {
    float x = 0.0f, y = 0.0f, z = 0.0f, w = 0.0f;
    constexpr vec4() = default;
    constexpr vec4(float x_, float y_, float z_, float w_) : x(x_), y(y_), z(z_), w(w_) {}
    constexpr bool operator==(const vec4& o) const { return x == o.x && y == o.y && z == o.z && w == o.w; }
    constexpr bool operator!=(const vec4& o) const { return !(*this == o); }
};

constexpr float kDegreesToRadians = 0.017453292f;

struct mat4 {
    float elements[16] = {};

    static mat4 identity();
    // Orthographic projection onto [-1, 1]^3 for the box left..right, bottom..top, near..far.
    static mat4 orthographic(float left, float right, float bottom, float top, float near, float far);
    static mat4 translation(const vec3& t);
    // Rotation about the z axis, counter-clockwise for positive degrees.
    static mat4 rotationZ(float degrees);
    static mat4 scale(const vec3& s);

    float& at(int row, int col) { return elements[col * 4 + row]; }
    float at(int row, int col) const { return elements[col * 4 + row]; }

    mat4 operator*(const mat4& o) const;
    vec4 operator*(const vec4& v) const;
    vec3 operator*(const vec3& v) const;  // point transform (w = 1)
};

// The vector products are inline: the renderer transforms four corners per
// quad, and a call per corner cost as much as the rest of the quad's writing.
inline vec4 mat4::operator*(const vec4& v) const {
    return {at(0, 0) * v.x + at(0, 1) * v.y + at(0, 2) * v.z + at(0, 3) * v.w,
            at(1, 0) * v.x + at(1, 1) * v.y + at(1, 2) * v.z + at(1, 3) * v.w,
            at(2, 0) * v.x + at(2, 1) * v.y + at(2, 2) * v.z + at(2, 3) * v.w,
            at(3, 0) * v.x + at(3, 1) * v.y + at(3, 2) * v.z + at(3, 3) * v.w};
}

inline vec3 mat4::operator*(const vec3& v) const {
    const vec4 r = *this * vec4(v.x, v.y, v.z, 1.0f);
    return {r.x, r.y, r.z};
}

// A 3x3 row-major matrix: the transform keeps its own.
struct mat3 {
    float m[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    mat3 operator*(const mat3& o) const;
};

}  // namespace Engine

#include "core/maths.h"

#include <gtest/gtest.h>

#include "core/color.h"

namespace {

using Engine::mat4;
using Engine::vec3;

void ExpectNear(const vec3& a, const vec3& b) {
    EXPECT_NEAR(a.x, b.x, 1e-5f);
    EXPECT_NEAR(a.y, b.y, 1e-5f);
    EXPECT_NEAR(a.z, b.z, 1e-5f);
}

TEST(Mat4, TranslationLivesInElementsTwelveToFourteen) {
    const mat4 t = mat4::translation({1, 2, 3});
    EXPECT_EQ(t.elements[12], 1.0f);
    EXPECT_EQ(t.elements[13], 2.0f);
    EXPECT_EQ(t.elements[14], 3.0f);
    ExpectNear(t * vec3(1, 1, 1), {2, 3, 4});
}

TEST(Mat4, RotationIsCounterClockwiseInDegrees) {
    ExpectNear(mat4::rotationZ(90) * vec3(1, 0, 0), {0, 1, 0});
    ExpectNear(mat4::rotationZ(-90) * vec3(1, 0, 0), {0, -1, 0});
}

TEST(Mat4, MultiplyAppliesRightHandSideFirst) {
    const mat4 m = mat4::translation({5, 0, 0}) * mat4::rotationZ(90);
    ExpectNear(m * vec3(1, 0, 0), {5, 1, 0});
    const mat4 identity = mat4::identity();
    for (int i = 0; i < 16; ++i) EXPECT_EQ((identity * m).elements[i], m.elements[i]);
}

TEST(Mat4, OrthographicMapsTheBoxOntoClipSpace) {
    const mat4 p = mat4::orthographic(-16, 16, -9, 9, -1, 1);
    ExpectNear(p * vec3(-16, -9, 0), {-1, -1, 0});
    ExpectNear(p * vec3(16, 9, 0), {1, 1, 0});
    ExpectNear(p * vec3(0, 0, 0), {0, 0, 0});
}

TEST(PackedColor, BytesRunFromRedToAlpha) {
    EXPECT_EQ(Engine::PackColor(255, 255, 255, 255), 0xFFFFFFFFu);
    EXPECT_EQ(Engine::PackColor(255, 0, 0, 255), 0xFF0000FFu);
    EXPECT_EQ(Engine::PackColor(255, 255, 255, 0), 0x00FFFFFFu);
    EXPECT_EQ(Engine::ColorAlpha(0x80000000u), 0x80u);
    EXPECT_EQ(Engine::PackColor(Engine::vec4(1.0f, 0.0f, 0.0f, 1.0f)), 0xFF0000FFu);
    EXPECT_EQ(Engine::PackColor(Engine::vec4(2.0f, -1.0f, 0.0f, 1.0f)), 0xFF0000FFu);
}

}  // namespace

// The picture keeps 16:9 in a window of any shape, and the mouse follows it.
#include "graphics/letterbox.h"

#include <gtest/gtest.h>

#include "graphics/camera.h"
#include "graphics/mouse_world.h"

namespace {

using Engine::graphics::LetterboxViewport;
using Engine::graphics::Viewport;

struct ViewportCase {
    const char* name;
    int width, height;
    Viewport expected;
};

TEST(Letterbox, ThePictureIsTheLargestCentred16By9Rectangle) {
    const ViewportCase cases[] = {
        {"exactly 16:9", 1280, 720, {0, 0, 1280, 720}},
        {"4:3 gets bars above and below", 1024, 768, {0, 96, 1024, 576}},
        {"21:9 gets bars left and right", 2560, 1080, {320, 0, 1920, 1080}},
        {"16:10", 1680, 1050, {0, 52, 1680, 945}},
        {"a tall phone-like window", 480, 960, {0, 345, 480, 270}},
        {"an odd leftover goes to the far bar", 1281, 720, {0, 0, 1280, 720}},
        {"the minimum window", 852, 480, {0, 0, 852, 479}},
        {"an empty area", 0, 720, {0, 0, 0, 0}},
        {"a negative size", 1280, -5, {0, 0, 0, 0}},
    };
    for (const ViewportCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Viewport v = LetterboxViewport(c.width, c.height);
        EXPECT_EQ(v.x, c.expected.x);
        EXPECT_EQ(v.y, c.expected.y);
        EXPECT_EQ(v.width, c.expected.width);
        EXPECT_EQ(v.height, c.expected.height);
        if (c.width > 0 && c.height > 0) {
            // Inside the client area, and 16:9 to the pixel.
            EXPECT_GE(v.x, 0);
            EXPECT_GE(v.y, 0);
            EXPECT_LE(v.x + v.width, c.width);
            EXPECT_LE(v.y + v.height, c.height);
            EXPECT_NEAR(double(v.width) / v.height, 16.0 / 9.0, 2.0 / v.height);
        }
    }
}

struct MouseCase {
    const char* name;
    int width, height;
    double pixelX, pixelY;  // y down from the top of the client area
    double worldX, worldY;
};

TEST(Letterbox, TheMouseMeetsTheWorldThroughTheBars) {
    Engine::graphics::Camera* saved = Engine::graphics::Camera::main;
    Engine::graphics::Camera::main = nullptr;  // a camera at the origin, zoom 1
    const MouseCase cases[] = {
        {"16:9 centre", 1280, 720, 640, 360, 0, 0},
        {"16:9 top-left corner", 1280, 720, 0, 0, -16, 9},
        // 1024 x 768: the picture is 1024 x 576 from y = 96 to y = 672.
        {"4:3 picture's top-left corner", 1024, 768, 0, 96, -16, 9},
        {"4:3 picture's bottom-right corner", 1024, 768, 1024, 672, 16, -9},
        {"4:3 centre", 1024, 768, 512, 384, 0, 0},
        {"4:3 in the top bar: above the picture", 1024, 768, 512, 48, 0, 10.5},
        // 2560 x 1080: the picture is 1920 x 1080 from x = 320 to x = 2240.
        {"21:9 a quarter in", 2560, 1080, 320 + 480, 270, -8, 4.5},
        {"21:9 in the left bar: left of the picture", 2560, 1080, 160, 540, -18.6666667, 0},
    };
    for (const MouseCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Engine::graphics::WorldPoint p = Engine::graphics::ClientToWorld(c.pixelX, c.pixelY, c.width, c.height);
        EXPECT_NEAR(p.x, c.worldX, 1e-4);
        EXPECT_NEAR(p.y, c.worldY, 1e-4);
    }
    Engine::graphics::Camera::main = saved;
}

}  // namespace

// A level file with "SpriteRenderer", "Animator" and "Label" objects, loaded by
// the object factory and drawn by the graphics system on a real GL window.

#include <gtest/gtest.h>

#include <memory>

#include "core/core.h"
#include "graphics/camera.h"
#include "graphics/graphics.h"
#include "graphics/label.h"
#include "graphics/renderable2d.h"
#include "logic/game_logic.h"
#include "objects/game_obj.h"
#include "objects/game_object_factory.h"
#include "level_scene.h"
#include "support/gl_window_fixture.h"
#include "test_images.h"

using namespace Engine;
using TestSupport::Near;
using namespace TestImages;

namespace {

constexpr const char* kLevel = R"(<Level Name="Fixture">
  <Object Name="Bird">
    <Instance>
      <Transform><Position X="-8" Y="4" Layer="1"/><Scale X="4" Y="4"/><Rotation R="0"/></Transform>
      <SpriteRenderer><Texture Name="Halves"/><Color R="255" G="255" B="255" A="255"/></SpriteRenderer>
      <Animator><AnimationFrameCount First="1" Last="2" Time="0.5" Frames="2"/></Animator>
    </Instance>
  </Object>
  <Object Name="Title">
    <Instance>
      <Transform><Position X="4" Y="-4" Layer="2"/><Scale X="1" Y="1"/><Rotation R="0"/></Transform>
      <Label><Text T="HHHH"/><Color R="255" G="0" B="0" A="255"/></Label>
    </Instance>
  </Object>
</Level>
)";

class LevelRenderTest : public LevelSceneTest {
protected:
    void SetUp() override {
        GlWindowTest::SetUp();
        if (IsSkipped()) return;
        // Two cells, each a left and a right half: red | green, blue | white.
        WriteImage("halves.tga", 8, 4, [](int x, int) {
            const TestSupport::Rgba quarters[4] = {kRed, kGreen, kBlue, kWhite};
            return quarters[x / 2];
        });
        StartScene("<Texture><Texture Name=\"Halves\"><File Path=\"halves.tga\"/><Column Column=\"2\"/>"
                   "<Row Row=\"1\"/><Frame Frame=\"2\"/></Texture></Texture>",
                   "MapData//Fixture.xml", kLevel);
    }
    int RedLabelPixels(float x0, float x1, float y0, float y1) const { return RedPixels(x0, x1, y0, y1, 128, 64); }
};

TEST_F(LevelRenderTest, ObjectsAppearAnimateAndFollowTheirTransforms) {
    graphics->DrawFrame(0.0f);
    // The bird covers (-10, 2)..(-6, 6) and shows cell 1 until its first step.
    EXPECT_TRUE(Near(window->WorldPixel(-9, 4), 0, 0, 255));
    EXPECT_TRUE(Near(window->WorldPixel(-7, 4), 255, 255, 255));
    EXPECT_TRUE(Near(window->WorldPixel(-11, 4), 0, 0, 0));
    // The label's lower-left corner is its centre minus half the scale; the text
    // starts 1.5 left of it with the baseline 0.25 below.
    EXPECT_GT(RedLabelPixels(1.9f, 6.0f, -4.8f, -3.8f), 20);

    graphics->DrawFrame(0.5f);
    EXPECT_TRUE(Near(window->WorldPixel(-9, 4), 255, 0, 0)) << "animated to cell 0";
    EXPECT_TRUE(Near(window->WorldPixel(-7, 4), 0, 255, 0));

    GameObj* bird = GameObj::FindObject("Bird");
    ASSERT_NE(bird, nullptr);
    bird->transform->position = {8.0f, -4.0f};
    GameObj* title = GameObj::FindObject("Title");
    ASSERT_NE(title, nullptr);
    title->transform->position = {-8.0f, 6.0f};
    graphics->DrawFrame(0.0f);
    EXPECT_TRUE(Near(window->WorldPixel(-9, 4), 0, 0, 0)) << "the bird has left";
    EXPECT_TRUE(Near(window->WorldPixel(7, -4), 255, 0, 0));
    EXPECT_GT(RedLabelPixels(-10.1f, -6.0f, 5.2f, 6.2f), 20);
    EXPECT_EQ(RedLabelPixels(1.9f, 6.0f, -4.8f, -3.8f), 0);
}

}  // namespace

// A level load that runs past the long-load threshold shows the loading picture
// with a bar that grows with the objects built; a quick load shows nothing.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/frame_clock.h"
#include "graphics/graphics.h"
#include "level_scene.h"
#include "support/gl_window_fixture.h"
#include "test_images.h"

using namespace Engine;

namespace {

constexpr int kObjects = 40;

std::string LevelOfSquares() {
    std::string level = "<Level Name=\"Squares\">\n";
    for (int i = 0; i < kObjects; ++i)
        level += "<Object Name=\"Square" + std::to_string(i) + "\"><Instance><Transform><Position X=\"" +
                 std::to_string(i % 8 * 2 - 8) + "\" Y=\"2\" Layer=\"1\"/><Scale X=\"1\" Y=\"1\"/><Rotation R=\"0\"/>"
                 "</Transform><SpriteRenderer><Color R=\"255\" G=\"0\" B=\"0\" A=\"255\"/></SpriteRenderer>"
                 "</Instance></Object>\n";
    return level + "</Level>\n";
}

// The bar's row at the foot of the 320 x 180 window (y = -7.75, 10 pixels a unit)
// and the pixels along it that show the fill's blue.
int FillPixelsOnBarRow(const TestSupport::GlWindow& window) {
    const int row = static_cast<int>((9.0f + 7.75f) * 10.0f);
    int count = 0;
    for (int x = 0; x < window.width; ++x)
        if (TestSupport::Near(window.Pixel(x, row), 60, 175, 200, 12)) ++count;
    return count;
}

class LongLoadScreenTest : public LevelSceneTest {
protected:
    void SetUp() override {
        GlWindowTest::SetUp();
        if (IsSkipped()) return;
        TestImages::WriteSolid("bird.tga", TestImages::kBlue);
        StartScene("<Texture><Texture Name=\"Bird\"><File Path=\"bird.tga\"/><Column Column=\"1\"/>"
                   "<Row Row=\"1\"/><Frame Frame=\"1\"/></Texture></Texture>",
                   "MapData//Squares.xml", LevelOfSquares());
        graphics->longLoad.clock = &clock;
        graphics->longLoad.SetPicture("Bird", {12.0f, -5.0f}, {2.0f, 2.0f});
        graphics->longLoad.onDrawn = [this](float progress) {
            drawn.push_back(progress);
            fillPixels.push_back(FillPixelsOnBarRow(*window));
            backdropIsWhite.push_back(TestSupport::Near(window->WorldPixel(0.0f, 4.0f), 255, 255, 255));
            pictureShown.push_back(TestSupport::Near(window->WorldPixel(12.0f, -5.0f), 0, 0, 255) &&
                                   TestSupport::Near(window->WorldPixel(10.5f, -5.0f), 255, 255, 255));
        };
    }
    // TearDown frees the systems, so the clock outlives every reading of it.
    ManualFrameClock clock;
    std::vector<float> drawn;
    std::vector<int> fillPixels;
    std::vector<bool> backdropIsWhite;
    std::vector<bool> pictureShown;  // the named picture in its place, the backdrop beside it
};

TEST_F(LongLoadScreenTest, SlowLoadShowsTheBarGrowingWithTheObjectsBuilt) {
    // Every clock reading is 10 ms later: the load passes the 100 ms threshold
    // after about ten objects, and every reading after that is a redraw's due.
    clock.SetStepPerRead(10'000'000);
    graphics->longLoad.intervalNs = 0;
    factory->LoadLevel("MapData//Squares.xml");

    const std::vector<float>& shown = graphics->longLoad.Shown();
    ASSERT_GE(shown.size(), 20u);
    EXPECT_EQ(drawn, shown);  // every decision to show was a picture drawn
    EXPECT_GT(shown.front(), 0.0f);
    EXPECT_LT(shown.front(), 0.5f);  // shown from the threshold on, not only at the end
    EXPECT_FLOAT_EQ(shown.back(), 1.0f);
    for (size_t i = 1; i < shown.size(); ++i) {
        EXPECT_GT(shown[i], shown[i - 1]);
        EXPECT_TRUE(backdropIsWhite[i]) << "picture " << i;
        EXPECT_TRUE(pictureShown[i]) << "picture " << i;
        // The fill is drawn 200 pixels wide when full; each picture's is its share of that.
        EXPECT_NEAR(fillPixels[i], 200.0f * shown[i], 3.0f) << "picture " << i;
        EXPECT_GT(fillPixels[i], fillPixels[i - 1]) << "picture " << i;
    }
}

TEST_F(LongLoadScreenTest, RedrawsWaitOutTheInterval) {
    clock.SetStepPerRead(10'000'000);
    graphics->longLoad.intervalNs = 95'000'000;  // one picture every ten readings at most
    factory->LoadLevel("MapData//Squares.xml");
    const size_t shown = graphics->longLoad.Shown().size();
    EXPECT_GE(shown, 2u);
    EXPECT_LE(shown, kObjects / 10u);
}

TEST_F(LongLoadScreenTest, QuickLoadShowsNothing) {
    clock.SetStepPerRead(1'000'000);  // the 40 objects take 40 ms in all
    factory->LoadLevel("MapData//Squares.xml");
    EXPECT_TRUE(graphics->longLoad.Shown().empty());
    EXPECT_TRUE(drawn.empty());
}

}  // namespace

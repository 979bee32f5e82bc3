// The screen notes are drawn over the picture, fixed to the screen wherever the
// camera looks, both in a frame and in a redraw of the still picture, and are
// gone once their text is cleared.

#include <gtest/gtest.h>

#include <memory>

#include "graphics/camera.h"
#include "graphics/graphics.h"
#include "graphics/renderable2d.h"
#include "support/gl_window_fixture.h"
#include "support/scratch_dir.h"

using namespace Engine;
using namespace Engine::graphics;
using TestSupport::Rgba;

namespace {

class ScreenNotesTest : public TestSupport::GlWindowTest {
protected:
    void SetUp() override {
        GlWindowTest::SetUp();
        if (IsSkipped()) return;
        TestSupport::PrepareRenderFiles(scratch);
        graphics = std::make_unique<Graphics>(window->handle(), kWidth, kHeight, "");
        graphics->showSetupFailure = nullptr;
        ASSERT_TRUE(graphics->Initialize());
        graphics->camera->ResetView();
        // A white world far bigger than the screen, so a moved camera still sees white.
        backdrop = std::make_unique<Sprite>(0.0f, 0.0f);
        backdrop->SetSize(400.0f, 400.0f);
        backdrop->color = 0xFFFFFFFF;
        backdrop->SetPosition({0.0f, 0.0f, 0.0f});
        graphics->AddRenderable(backdrop.get());
    }
    void TearDown() override {
        backdrop.reset();
        graphics.reset();
        GlWindowTest::TearDown();
    }
    // Pixels of the window's middle row (the banner's) that are not the white world.
    int DarkenedAcrossTheMiddle() const {
        int count = 0;
        for (int x = 0; x < kWidth; ++x) {
            const Rgba c = window->Pixel(x, kHeight / 2);
            count += (c.r < 200 || c.g < 200 || c.b < 200) ? 1 : 0;
        }
        return count;
    }
    // Amber ink pixels (the banner's text) in the band around the middle.
    int AmberInTheBand() const {
        int count = 0;
        for (int y = kHeight / 2 - 12; y < kHeight / 2 + 12; ++y)
            for (int x = 0; x < kWidth; ++x) {
                const Rgba c = window->Pixel(x, y);
                count += (c.r > 180 && c.g > 150 && c.b < 110) ? 1 : 0;
            }
        return count;
    }

    TestSupport::ScratchDir scratch;
    std::unique_ptr<Graphics> graphics;
    std::unique_ptr<Sprite> backdrop;
};

TEST_F(ScreenNotesTest, TheBannerShowsOverThePictureWhereverTheCameraLooksUntilCleared) {
    graphics->DrawFrame(0.0f);
    ASSERT_EQ(DarkenedAcrossTheMiddle(), 0) << "the world alone is white";

    graphics->notes.Set(ScreenNotes::kBanner, "Waiting for the other player...");
    graphics->DrawFrame(0.0f);
    const int band = DarkenedAcrossTheMiddle();
    EXPECT_GT(band, kWidth / 3) << "a dark band across the middle";
    EXPECT_LT(band, kWidth) << "the band is as wide as its text, not the whole screen";
    EXPECT_GT(AmberInTheBand(), 20) << "its text in amber";

    // The camera moves off; the banner stays where it was on the screen, in a
    // redraw of the still picture as in a frame.
    graphics->camera->SetPosition({7.0f, -5.0f, 0.0f});
    graphics->DrawStill();
    EXPECT_EQ(DarkenedAcrossTheMiddle(), band);

    graphics->notes.Set(ScreenNotes::kBanner, "");
    graphics->DrawStill();
    EXPECT_EQ(DarkenedAcrossTheMiddle(), 0) << "a cleared banner is gone";
    EXPECT_EQ(AmberInTheBand(), 0);
}

}  // namespace

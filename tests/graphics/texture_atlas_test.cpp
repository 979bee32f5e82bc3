// Textures drawn from an atlas page: a listed name resolves to its page and its
// rectangle there, sheet cells index inside the rectangle, nothing of a
// neighbour on the page shows at any scale, and an image the atlas does not hold
// still draws as its own texture.

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "drawing_fixture.h"
#include "graphics/texture.h"
#include "graphics/texture_atlas.h"
#include "graphics/texture_list.h"
#include "test_images.h"

using namespace Engine;
using namespace Engine::graphics;
using TestSupport::Near;
using TestSupport::Rgba;
using namespace TestImages;

namespace {

constexpr Rgba kMagenta{255, 0, 255, 255};
constexpr Rgba kClear{0, 0, 0, 0};

// A 32 x 16 page: the two-cell sheet "Sheet" (red | green, 8 x 4) at (2, 2) and
// the blue "Dot" (4 x 4) at (14, 2), each with a transparent margin of 2; the
// rest of the page is magenta, which must never show.
Rgba PagePixel(int x, int y) {
    const bool inSheet = x >= 2 && x < 10 && y >= 2 && y < 6;
    const bool inDot = x >= 14 && x < 18 && y >= 2 && y < 6;
    if (inSheet) return x < 6 ? kRed : kGreen;
    if (inDot) return kBlue;
    const bool nearSheet = x >= 0 && x < 12 && y >= 0 && y < 8;
    const bool nearDot = x >= 12 && x < 20 && y >= 0 && y < 8;
    return nearSheet || nearDot ? kClear : kMagenta;
}

std::string ListEntry(const std::string& name, const std::string& path, int columns) {
    return "<Texture Name=\"" + name + "\"><File Path=\"" + path + "\"/><Column Column=\"" + std::to_string(columns) +
           "\"/><Row Row=\"1\"/><Frame Frame=\"" + std::to_string(columns) + "\"/></Texture>";
}

class TextureAtlasTest : public TestSupport::DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        // The images as the art build draws them, and the page it packs them into.
        WriteImage("Sheet.tga", 8, 4, [](int x, int) { return x < 4 ? kRed : kGreen; });
        WriteImage("Dot.tga", 4, 4, [](int, int) { return kBlue; });
        WriteImage("Page0.tga", 32, 16, PagePixel);
        // An image added by hand to the list, which no page holds.
        WriteImage("Mine.tga", 4, 4, [](int, int) { return kWhite; });
        const auto bytes = [this](const char* file) { return std::to_string(scratch.Read(file).size()); };
        scratch.Write("Atlas.xml", "<Atlas Padding=\"2\">"
                                   "<Page Path=\"Page0.tga\" Width=\"32\" Height=\"16\" />"
                                   "<Image Name=\"Sheet\" Path=\"Sheet.tga\" Bytes=\"" + bytes("Sheet.tga") +
                                       "\" Page=\"0\" X=\"2\" Y=\"2\" Width=\"8\" Height=\"4\" />"
                                   "<Image Name=\"Dot\" Path=\"Dot.tga\" Bytes=\"" + bytes("Dot.tga") +
                                       "\" Page=\"0\" X=\"14\" Y=\"2\" Width=\"4\" Height=\"4\" />"
                                   "</Atlas>");
        scratch.Write("List.xml", "<Texture>" + ListEntry("Sheet", "Sheet.tga", 2) + ListEntry("Dot", "Dot.tga", 1) +
                                      ListEntry("Mine", "Mine.tga", 1) + "</Texture>");
        registry.atlas.indexPath = "Atlas.xml";
    }
    void TearDown() override {
        registry.Clear();  // its pages go while the context is there
        DrawingTest::TearDown();
    }

    Renderable2D* Quad(float x, float y, float w, float h, Texture* texture) {
        Renderable2D* quad = DrawingTest::Quad(x, y, w, h, 0xFFFFFFFF);
        quad->SetTexture(texture);
        return quad;
    }

    int MagentaPixels() const {
        return window->CountWorld(-16, 16, -9, 9, [](const Rgba& c) { return c.r > 40 && c.b > 40 && c.g < 100; },
                                  0.1f);
    }

    TextureRegistry registry;
};

TEST_F(TextureAtlasTest, PackedNameResolvesToItsPageAndRectangle) {
    ASSERT_TRUE(LoadTextureBatch(registry, 10, true, "List.xml"));
    Texture* sheet = registry.Find("Sheet");
    Texture* dot = registry.Find("Dot");
    ASSERT_TRUE(sheet && dot);
    EXPECT_EQ(registry.atlas.PagesLoaded(), 1u);
    EXPECT_NE(sheet->id, 0u);
    EXPECT_EQ(sheet->id, dot->id) << "both are drawn from the one page";
    EXPECT_FALSE(sheet->ownsId);
    EXPECT_FLOAT_EQ(sheet->uvOrigin.x, 2.0f / 32.0f);
    EXPECT_FLOAT_EQ(sheet->uvOrigin.y, 2.0f / 16.0f);
    EXPECT_FLOAT_EQ(sheet->uvScale.x, 8.0f / 32.0f);
    EXPECT_FLOAT_EQ(sheet->uvScale.y, 4.0f / 16.0f);
    EXPECT_FLOAT_EQ(dot->uvOrigin.x, 14.0f / 32.0f);
    EXPECT_EQ(sheet->width, 8) << "the image's own size, not the page's";
    EXPECT_EQ(sheet->height, 4);
    EXPECT_EQ(sheet->path, "Sheet.tga") << "the list keeps its file names";
    EXPECT_EQ(sheet->columns, 2);

    // The padding: the page around the rectangle is transparent for two texels,
    // so a sample at the rectangle's edge reads what the border gave an image of its own.
    const AtlasIndex index = ReadAtlasIndex("Atlas.xml");
    ASSERT_EQ(index.images.count("Sheet"), 1u);
    const AtlasImage& placed = index.images.at("Sheet");
    EXPECT_EQ(index.padding, 2);
    for (int y = placed.y - index.padding; y < placed.y + placed.height + index.padding; ++y)
        for (int x = placed.x - index.padding; x < placed.x + placed.width + index.padding; ++x) {
            const bool inside = x >= placed.x && x < placed.x + placed.width && y >= placed.y &&
                                y < placed.y + placed.height;
            if (!inside) {
                EXPECT_EQ(PagePixel(x, y).a, 0) << x << "," << y;
            }
        }
}

TEST_F(TextureAtlasTest, SheetCellsAndWholeImagesDrawFromTheirRectangleAtEveryScale) {
    ASSERT_TRUE(LoadTextureBatch(registry, 10, true, "List.xml"));
    Texture* sheet = registry.Find("Sheet");
    Texture* dot = registry.Find("Dot");
    Renderable2D* green = Quad(-10, 4, 6, 6, sheet);
    green->SetFrame(1, 1);  // cells count from 0: the second, green
    Quad(-2, 4, 6, 6, sheet)->SetFrame(0, 0);
    Quad(6, 4, 6, 6, dot);  // magnified 15 times
    // Minified: a cell in a few pixels, and the dot in less than one texel.
    Quad(-10, -5, 0.4f, 0.2f, sheet);
    Quad(-5, -5, 0.15f, 0.15f, dot);
    Quad(8, -5, 12, 4, sheet);  // its first cell, from x = 2 to 14

    graphics->DrawFrame(0.0f);

    EXPECT_TRUE(Near(window->WorldPixel(-10, 4), 0, 255, 0)) << "the packed sheet's second cell";
    EXPECT_TRUE(Near(window->WorldPixel(-2, 4), 255, 0, 0)) << "its first cell";
    EXPECT_TRUE(Near(window->WorldPixel(6, 4), 0, 0, 255));
    EXPECT_TRUE(Near(window->WorldPixel(5, -5), 255, 0, 0)) << "a sheet shows its first cell";
    EXPECT_TRUE(Near(window->WorldPixel(11, -5), 255, 0, 0)) << "and only that cell";
    EXPECT_EQ(MagentaPixels(), 0) << "the page around a rectangle never shows";
}

TEST_F(TextureAtlasTest, ImageOutsideTheAtlasDrawsAsItsOwnTexture) {
    // Dot's list entry now names another file: it is not the packed image any more.
    WriteImage("OtherDot.tga", 2, 2, [](int, int) { return kGreen; });
    scratch.Write("List.xml", "<Texture>" + ListEntry("Sheet", "Sheet.tga", 2) + ListEntry("Dot", "OtherDot.tga", 1) +
                                  ListEntry("Mine", "Mine.tga", 1) + "</Texture>");
    ASSERT_TRUE(LoadTextureBatch(registry, 10, true, "List.xml"));
    Texture* sheet = registry.Find("Sheet");
    Texture* mine = registry.Find("Mine");
    Texture* dot = registry.Find("Dot");
    ASSERT_TRUE(sheet && mine && dot);
    for (Texture* own : {mine, dot}) {
        EXPECT_NE(own->id, 0u);
        EXPECT_NE(own->id, sheet->id);
        EXPECT_TRUE(own->ownsId);
        EXPECT_EQ(own->uvOrigin.x, 0.0f);
        EXPECT_EQ(own->uvScale.x, 1.0f);
    }
    Quad(-8, 0, 4, 4, mine);
    Quad(0, 0, 4, 4, dot);
    Quad(8, 0, 4, 4, sheet)->SetFrame(1, 1);

    graphics->DrawFrame(0.0f);

    EXPECT_TRUE(Near(window->WorldPixel(-8, 0), 255, 255, 255)) << "the hand-added image";
    EXPECT_TRUE(Near(window->WorldPixel(0, 0), 0, 255, 0)) << "the file the list names, not the packed one";
    EXPECT_TRUE(Near(window->WorldPixel(8, 0), 0, 255, 0)) << "the packed sheet beside them";
}

TEST_F(TextureAtlasTest, ChangedFileOrMissingPageLoadsTheImageOnItsOwn) {
    // The file was drawn again after packing (its size differs from the index's).
    WriteImage("Dot.tga", 4, 2, [](int, int) { return kGreen; });
    ASSERT_TRUE(LoadTextureBatch(registry, 10, true, "List.xml"));
    EXPECT_TRUE(registry.Find("Dot")->ownsId);
    EXPECT_EQ(registry.Find("Dot")->height, 2);
    EXPECT_FALSE(registry.Find("Sheet")->ownsId);

    TextureRegistry withoutPage;
    withoutPage.atlas.indexPath = "Atlas.xml";
    std::remove("Page0.tga");
    testing::internal::CaptureStdout();
    ASSERT_TRUE(LoadTextureBatch(withoutPage, 10, true, "List.xml"));
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("Failed to load atlas page : Page0.tga"), std::string::npos) << out;
    EXPECT_EQ(out.find("Failed to load atlas page", out.find("Page0.tga") + 1), std::string::npos)
        << "one line for the page, not one per image: " << out;
    Texture* sheet = withoutPage.Find("Sheet");
    ASSERT_NE(sheet, nullptr);
    EXPECT_TRUE(sheet->ownsId);
    EXPECT_NE(sheet->id, 0u);
    EXPECT_EQ(sheet->width, 8);
    withoutPage.Clear();
}

}  // namespace

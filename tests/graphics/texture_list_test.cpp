// The texture list: batches, positional reading and the rewrite at exit.

#include <gtest/gtest.h>

#include <string>

#include "graphics/graphics.h"
#include "graphics/texture.h"
#include "graphics/texture_list.h"
#include "support/scratch_dir.h"

using namespace Engine::graphics;

namespace {

std::string Entry(const std::string& name, const std::string& path, int columns, int rows, int frames) {
    return "<Texture Name=\"" + name + "\"><File Path=\"" + path + "\"/><Column Column=\"" + std::to_string(columns) +
           "\"/><Row Row=\"" + std::to_string(rows) + "\"/><Frame Frame=\"" + std::to_string(frames) + "\"/></Texture>";
}

std::string ListOf(int count) {
    std::string xml = "<Texture>";
    for (int i = 0; i < count; ++i) xml += Entry("T" + std::to_string(100 - i), "t.png", 1, 1, 1);
    return xml + "</Texture>";
}

class TextureListTest : public ::testing::Test {
protected:
    TestSupport::ScratchDir scratch;
    // What the free functions read into when no graphics system is involved.
    TextureRegistry registry;
};

TEST_F(TextureListTest, TwentyThreeEntriesLoadInBatchesOfTenFiveFiveThree) {
    scratch.Write(kTextureListPath, ListOf(23));
    Graphics graphics(nullptr, 1280, 720, "");
    ASSERT_TRUE(graphics.Initialize());
    EXPECT_EQ(graphics.textures.loaded, 10);
    EXPECT_EQ(graphics.textures.listed, 23) << "the first batch already counts the whole list";
    EXPECT_FALSE(graphics.LoadTextureBatch(5));
    EXPECT_FALSE(graphics.LoadTextureBatch(5));
    EXPECT_TRUE(graphics.LoadTextureBatch(5));
    EXPECT_EQ(graphics.textures.loaded, 23);
    EXPECT_EQ(graphics.textures.textures.size(), 23u);
    EXPECT_TRUE(graphics.LoadTextureBatch(0)) << "a zero count reports the state";
}

TEST_F(TextureListTest, EntriesAreReadByPositionNotByName) {
    scratch.Write(kTextureListPath,
                  "<Anything><Entry Key=\"Sheet\"><Image P=\"sheet.png\"/><Row Row=\"3\"/><Column Column=\"5\"/>"
                  "<Frames F=\"15\"/></Entry></Anything>");
    EXPECT_TRUE(LoadTextureBatch(registry, 10, false));
    Texture* sheet = registry.Find("Sheet");
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->path, "sheet.png");
    EXPECT_EQ(sheet->columns, 3) << "the second child is the column count, whatever it is called";
    EXPECT_EQ(sheet->rows, 5);
    EXPECT_EQ(sheet->frames, 15);
}

TEST_F(TextureListTest, MissingListCountsAsExhaustedAndUnknownNamesGetEmptyEntries) {
    EXPECT_TRUE(LoadTextureBatch(registry, 10, false));
    EXPECT_EQ(registry.Find("Nowhere"), nullptr);
    EXPECT_EQ(registry.textures.count("Nowhere"), 1u);
}

TEST_F(TextureListTest, FullyReadListIsRewrittenInNameOrderAtExit) {
    scratch.Write(kTextureListPath, "<Texture>" + Entry("Zebra", "z.png", 2, 1, 2) + Entry("Apple", "a.png", 1, 3, 3) +
                                        "</Texture>");
    {
        Graphics graphics(nullptr, 1280, 720, "");
        ASSERT_TRUE(graphics.Initialize());
        FindTexture("Lookup of a missing name");
    }
    EXPECT_EQ(scratch.Read(kTextureListPath),
              "<Texture>\n"
              "    <Texture Name=\"Apple\">\n"
              "        <File Path=\"a.png\" />\n"
              "        <Column Column=\"1\" />\n"
              "        <Row Row=\"3\" />\n"
              "        <Frame Frame=\"3\" />\n"
              "    </Texture>\n"
              "    <Texture Name=\"Zebra\">\n"
              "        <File Path=\"z.png\" />\n"
              "        <Column Column=\"2\" />\n"
              "        <Row Row=\"1\" />\n"
              "        <Frame Frame=\"2\" />\n"
              "    </Texture>\n"
              "</Texture>\n");
}

TEST_F(TextureListTest, ListNotReadToTheEndIsLeftUnchanged) {
    const std::string original = ListOf(13);
    scratch.Write(kTextureListPath, original);
    {
        Graphics graphics(nullptr, 1280, 720, "");
        ASSERT_TRUE(graphics.Initialize());  // 10 read, 2 more at exit: 1 left
    }
    EXPECT_EQ(scratch.Read(kTextureListPath), original);
}

}  // namespace

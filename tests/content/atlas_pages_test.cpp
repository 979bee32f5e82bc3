// The atlas the build packs (tools/art/pack_atlas.py): every image of the
// texture list lies on a page, pixel for pixel as drawn, inside a transparent
// margin that no other image shares, so drawing from the page looks exactly
// like drawing the image on its own.
#include "texture_list_file.h"

#include <SOIL/SOIL.h>
#include <gtest/gtest.h>
#include <tinyxml.h>

#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "graphics/texture_atlas.h"

namespace fs = std::filesystem;
using Engine::graphics::AtlasImage;
using Engine::graphics::AtlasIndex;
using Engine::graphics::kAtlasIndexPath;
using Engine::graphics::ReadAtlasIndex;

namespace {

const fs::path kSourceDir = TOLVEX_SOURCE_DIR;

struct Image {
    int width = 0, height = 0;
    std::unique_ptr<unsigned char, void (*)(unsigned char*)> pixels{nullptr, SOIL_free_image_data};
    const unsigned char* At(int x, int y) const { return pixels.get() + (static_cast<size_t>(y) * width + x) * 4; }
};

Image Load(const fs::path& path) {
    Image image;
    int channels = 0;
    image.pixels.reset(SOIL_load_image(path.c_str(), &image.width, &image.height, &channels, SOIL_LOAD_RGBA));
    return image;
}

class AtlasPages : public ::testing::Test {
protected:
    void SetUp() override {
        index = ReadAtlasIndex((kSourceDir / kAtlasIndexPath).string());
        ASSERT_FALSE(index.pages.empty()) << "no atlas at " << kAtlasIndexPath << ": the build packs it";
        TiXmlDocument document((kSourceDir / "Objects/Textures/Texture.xml").string().c_str());
        ASSERT_TRUE(document.LoadFile());
        entries = content_test::readTextureList(document);
    }
    AtlasIndex index;
    std::vector<content_test::TextureEntry> entries;
};

TEST_F(AtlasPages, EveryListedImageIsPackedUnderItsNameAndFile) {
    for (const auto& entry : entries) {
        const auto found = index.images.find(entry.name);
        ASSERT_NE(found, index.images.end()) << entry.name << " is not on a page";
        EXPECT_EQ(found->second.path, entry.path) << entry.name;
        EXPECT_EQ(found->second.bytes, fs::file_size(kSourceDir / entry.path)) << entry.name;
    }
    EXPECT_EQ(index.images.size(), entries.size());
}

TEST_F(AtlasPages, PagesHoldEachImageExactlyInsideATransparentMarginOfItsOwn) {
    ASSERT_GE(index.padding, 1) << "linear filtering reads one texel past an image's edge";
    for (size_t number = 0; number < index.pages.size(); ++number) {
        const Image page = Load(kSourceDir / index.pages[number].path);
        ASSERT_TRUE(page.pixels) << index.pages[number].path;
        EXPECT_EQ(page.width, index.pages[number].width);
        EXPECT_EQ(page.height, index.pages[number].height);
        // Which image owns each texel, margin included: no two may meet.
        std::vector<const std::string*> owner(static_cast<size_t>(page.width) * page.height, nullptr);
        for (const auto& [name, placed] : index.images) {
            if (placed.page != static_cast<int>(number)) continue;
            const Image image = Load(kSourceDir / placed.path);
            ASSERT_TRUE(image.pixels) << placed.path;
            ASSERT_EQ(image.width, placed.width) << name;
            ASSERT_EQ(image.height, placed.height) << name;
            const int p = index.padding;
            ASSERT_TRUE(placed.x >= p && placed.y >= p && placed.x + placed.width + p <= page.width &&
                        placed.y + placed.height + p <= page.height)
                << name << " has no full margin on its page";
            int wrong = 0, opaqueMargin = 0;
            for (int y = placed.y - p; y < placed.y + placed.height + p; ++y)
                for (int x = placed.x - p; x < placed.x + placed.width + p; ++x) {
                    const std::string*& cell = owner[static_cast<size_t>(y) * page.width + x];
                    EXPECT_EQ(cell, nullptr) << name << " overlaps " << (cell ? *cell : "") << " at " << x << "," << y;
                    cell = &name;
                    const bool inside = x >= placed.x && x < placed.x + placed.width && y >= placed.y &&
                                        y < placed.y + placed.height;
                    if (inside)
                        wrong += std::memcmp(page.At(x, y), image.At(x - placed.x, y - placed.y), 4) != 0;
                    else
                        opaqueMargin += page.At(x, y)[3] != 0;
                }
            EXPECT_EQ(wrong, 0) << name << ": texels that differ from " << placed.path;
            EXPECT_EQ(opaqueMargin, 0) << name << ": margin texels that are not transparent";
        }
    }
}

}  // namespace

// Sprite-sheet cells, the animator's sequences and colour packing (no GL needed).

#include <gtest/gtest.h>

#include <vector>

#include "graphics/animator.h"
#include "graphics/renderable2d.h"
#include "graphics/texture.h"

using namespace Engine;
using namespace Engine::graphics;

namespace {

// The cell a sprite shows, from its first texture coordinate, and whether it is mirrored.
struct ShownCell {
    int cell;
    bool mirrored;
};

ShownCell Shown(const Renderable2D& sprite, const Texture& sheet) {
    const float w = sheet.cellWidth(), h = sheet.cellHeight();
    const bool mirrored = sprite.uvs[0].x > sprite.uvs[3].x;
    const float left = mirrored ? sprite.uvs[3].x : sprite.uvs[0].x;
    const int column = static_cast<int>(left / w + 0.5f);
    const int row = static_cast<int>(sprite.uvs[0].y / h + 0.5f);
    return {row * sheet.columns + column, mirrored};
}

std::vector<int> Play(Animator& animator, const Texture& sheet, int steps) {
    std::vector<int> cells;
    for (int i = 0; i < steps; ++i) {
        animator.Update(animator.frameTime);
        cells.push_back(Shown(*animator.sprite, sheet).cell);
    }
    return cells;
}

TEST(AnimatorTest, CellSequences) {
    struct Case {
        const char* what;
        int columns, rows;
        uint32_t start, end;
        bool once;
        std::vector<int> cells;
    };
    const Case cases[] = {
        {"loop 1..4 on a 4 x 1 sheet", 4, 1, 1, 4, false, {2, 3, 0, 1, 2, 3}},
        {"loop over the second row of a 3 x 2 sheet", 3, 2, 4, 6, false, {5, 3, 4, 5}},
        {"once 2..4 stops on cell 1", 4, 1, 2, 4, true, {2, 3, 1, 1, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Texture sheet("", c.columns, c.rows, c.columns * c.rows, false);
        Sprite sprite(0, 0);
        sprite.SetTexture(&sheet);
        sprite.startFrame = c.start;
        sprite.endFrame = c.end;
        Animator animator(&sprite);
        animator.frameTime = 0.25f;
        if (c.once) animator.PlayOnce();
        EXPECT_EQ(Play(animator, sheet, static_cast<int>(c.cells.size())), c.cells);
        if (c.once) {
            EXPECT_FALSE(animator.playing);
        }
    }
}

TEST(AnimatorTest, WaitsForTheFrameTime) {
    Texture sheet("", 4, 1, 4, false);
    Sprite sprite(0, 0);
    sprite.SetTexture(&sheet);
    sprite.SetFrame(1, 4);
    Animator animator(&sprite);
    animator.frameTime = 0.5f;
    animator.Update(0.3f);
    EXPECT_EQ(Shown(sprite, sheet).cell, 1) << "SetFrame shows the start cell until the first step";
    animator.Update(0.3f);
    EXPECT_EQ(Shown(sprite, sheet).cell, 2);
}

TEST(AnimatorTest, FacingLeftMirrorsEveryCellAndResetDoesNot) {
    Texture sheet("", 4, 1, 4, false);
    Sprite sprite(0, 0);
    sprite.SetTexture(&sheet);
    sprite.startFrame = 1;
    sprite.endFrame = 4;
    Animator animator(&sprite);
    animator.facing = false;
    for (int i = 0; i < 5; ++i) {
        animator.Update(0.0f);
        EXPECT_TRUE(Shown(sprite, sheet).mirrored);
    }
    animator.Reset();
    EXPECT_FALSE(Shown(sprite, sheet).mirrored);
    EXPECT_EQ(Shown(sprite, sheet).cell, 0);
}

TEST(AnimatorTest, UntexturedSpriteIsLeftAlone) {
    Sprite sprite(0, 0);
    Animator animator(&sprite);
    animator.Update(1.0f);
    animator.Reset();
    animator.ScrollU(1.0f);
    EXPECT_EQ(sprite.uvs[2], vec2(1, 1));
}

TEST(SpriteSheetTest, SetFrameKeepsTheSmallerFirstAndShowsIt) {
    Texture sheet("", 4, 2, 8, false);
    Sprite sprite(0, 0);
    sprite.SetTexture(&sheet);
    EXPECT_EQ(sprite.uvs[2], vec2(0.25f, 0.5f)) << "a new texture shows its first cell";
    sprite.SetFrame(5, 3);
    EXPECT_EQ(sprite.startFrame, 3u);
    EXPECT_EQ(sprite.endFrame, 3u);
    sprite.SetFrame(6, 7);
    EXPECT_EQ(sprite.uvs[0], vec2(0.5f, 0.5f)) << "cell 6: column 2 of the second row";
}

TEST(SpriteSheetTest, SheetWithoutColumnsOrRowsCountsAsOneCell) {
    Texture broken("", 0, 0, 0, false);
    Sprite sprite(0, 0);
    sprite.SetTexture(&broken);
    sprite.SetFrame(0, 0);
    EXPECT_EQ(sprite.uvs[2], vec2(1, 1)) << "no division by the zero image size";
}

TEST(RenderableTest, ColourPacking) {
    Sprite sprite(0, 0);
    uint32_t a = 255, b = 64, g = 64, r = 64;
    sprite.SetColor(a, b, g, r);
    EXPECT_EQ(sprite.color, 0xFF404040u);
    uint32_t big = 300, zero = 0;
    sprite.SetColor(big, zero, zero, zero);
    EXPECT_EQ(big, 255u) << "clamped in place";
    EXPECT_EQ(sprite.color, 0xFF000000u);
    sprite.SetColor(vec4(1.0f, 0.5f, 0.0f, 1.0f));
    EXPECT_EQ(sprite.color, 0xFF007FFFu);
}

TEST(RenderableTest, StoredCentreBecomesTheLowerLeftCornerAndRotatesAboutIt) {
    Sprite sprite(0, 0);
    sprite.SetSize(4, 2);
    sprite.SetRotation(90.0f);
    sprite.SetPosition({10, 20, 0});
    EXPECT_EQ(sprite.position, vec3(8, 19, 0));
    // The quad's lower-left corner turns about the centre (10, 20).
    const vec3 corner = sprite.modelMatrix * vec3(8, 19, 0);
    EXPECT_NEAR(corner.x, 11.0f, 1e-4);
    EXPECT_NEAR(corner.y, 18.0f, 1e-4);
}

}  // namespace

// The story map's pointer: its index comes round within the four places at
// both ends (also from a value already out of range), every place moves it and
// shows its picture, P starts the story from any place, and pad A enters only
// the forest.
#include <random>

#include "api/script_api.h"
#include "game/selection/ls_pointer.h"
#include "graphics/renderable2d.h"
#include "graphics/texture.h"
#include "support/menu_fixture.h"

namespace {

TEST(StepWithin, WrapsWithinItsRangeAtBothEnds) {
    const struct {
        int index, step, expected;
    } cases[] = {  // an index out of range counts as its wrapped value: 0 is 8, -5 is 3, 17 is 1
        {1, -1, 8}, {8, +1, 1}, {1, +1, 2}, {8, -1, 7}, {0, -1, 7}, {0, +1, 1}, {-5, -1, 2}, {17, +1, 2}};
    for (const auto& c : cases) EXPECT_EQ(StepWithin(c.index, c.step, 8), c.expected) << c.index << " " << c.step;
}

struct LsPointerTest : MenuFixture {
    LSPointer* pointer = nullptr;
    void SetUp() override {
        dir.Write("MapData/StartingCutScene.xml", "<Level><Marker Name=\"StoryReached\"><I/></Marker></Level>");
        Open("LevelSelector");
        pointer = Find("MapPointer")->GetScript<LSPointer>();
        ASSERT_NE(pointer, nullptr);
    }
};

TEST_F(LsPointerTest, LeftFromTheFirstPlaceComesRoundToTheLast) {
    Tap(Engine::VK_LEFT);
    EXPECT_EQ(pointer->index, LSPointer::kPlaces);
    EXPECT_FLOAT_EQ(Find("MapPointer")->transform->position.x, Find("BankMap")->transform->position.x);
    Tap(Engine::VK_RIGHT);
    EXPECT_EQ(pointer->index, 1);
    EXPECT_FLOAT_EQ(Find("MapPointer")->transform->position.x, Find("ForestMap")->transform->position.x);
    // A long walk never leaves the places: every press moves the pointer.
    std::mt19937 random(7);
    engine->pads().Plug(0);
    for (int i = 0; i < 60; ++i) {
        const Engine::vec2 before = Find("MapPointer")->transform->position;
        TapPad(random() % 2 ? Engine::PadBits::kDpadLeft : Engine::PadBits::kDpadRight);
        ASSERT_GE(pointer->index, 1);
        ASSERT_LE(pointer->index, LSPointer::kPlaces);
        ASSERT_NE(Find("MapPointer")->transform->position.x, before.x) << "press " << i;
    }
}

TEST_F(LsPointerTest, ThePlacesMoveThePointerAndShowTheirPicture) {
    const struct {
        const char* map;
        float dx, dy;
        const char* picture;
    } places[] = {{"KopitiamMap", 1, 1, "camera"}, {"AirportMap", 0, 1.5f, "camera"}, {"BankMap", 0, 1.5f, "camera"}};
    engine->pads().Plug(0);
    for (const auto& p : places) {
        Tap(Engine::VK_RIGHT);
        const Engine::GameObj* map = Find(p.map);
        EXPECT_FLOAT_EQ(Find("MapPointer")->transform->position.x, map->transform->position.x + p.dx) << p.map;
        EXPECT_FLOAT_EQ(Find("MapPointer")->transform->position.y, map->transform->position.y + p.dy) << p.map;
        EXPECT_EQ(api::TextureOf(Find("Blank")), p.picture);
        // A coming-soon place cannot be entered: A answers with the back sound.
        Played("event:/Menu_Return");
        TapPad(Engine::PadBits::kA);
        EXPECT_EQ(Level(), "MapData//LevelSelector.xml") << p.map;
        EXPECT_TRUE(Played("event:/Menu_Return")) << p.map;
    }
    Tap(Engine::VK_RIGHT);
    EXPECT_EQ(api::TextureOf(Find("Blank")), "RoostBG");
    TapPad(Engine::PadBits::kA);
    EXPECT_EQ(Level(), "MapData//StartingCutScene.xml") << "A enters the forest";
}

TEST_F(LsPointerTest, PStartsTheStoryFromAnyPlace) {
    Tap(Engine::VK_RIGHT);
    Tap(Engine::VK_RIGHT);
    ASSERT_EQ(pointer->index, 3);
    Tap('P');
    EXPECT_EQ(Level(), "MapData//StartingCutScene.xml");
}

TEST_F(LsPointerTest, EscapeOrPadBGoesBackToTheTitle) {
    Tap(Engine::VK_ESCAPE);
    EXPECT_EQ(Level(), "MapData//MainMenu_KR.xml");
    Open("LevelSelector");
    engine->pads().Plug(0);
    TapPad(Engine::PadBits::kB);
    EXPECT_EQ(Level(), "MapData//MainMenu_KR.xml");
}

}  // namespace

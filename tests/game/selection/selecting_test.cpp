// The co-op picker: two or four players, nine birds then eight levels one
// screen up, the draw, and entering player 1's level.
#include <map>
#include <string>

#include "api/camera_view.h"
#include "api/script_api.h"
#include "game/game_values.h"
#include "game/levels/level_table.h"
#include "game/selection/selecting.h"
#include "graphics/label.h"
#include "graphics/renderable2d.h"
#include "graphics/texture.h"
#include "support/menu_fixture.h"

namespace {

struct SelectingTest : MenuFixture {
    Selecting* picker = nullptr;
    void OpenPicker(int players) {
        Game::coopPlayerCount = players;
        Open("CoopSelection");
        picker = Find("CoopLogic")->GetScript<Selecting>();
        ASSERT_NE(picker, nullptr);
        engine->Step();
    }
    Engine::vec2 At(const char* name) { return Find(name)->transform->position; }
    // The level file of each picture the level table fills, by picture.
    static std::map<int, std::string> CoopLevels() {
        std::map<int, std::string> files;
        for (int i = 0; i < levels::RowCount(); ++i) {
            const levels::LevelRow& row = levels::Rows()[i];
            if (row.slots.coopPicker < 1) continue;
            EXPECT_LE(row.slots.coopPicker, Selecting::kLevelCount) << row.key.c_str() << " has no picture";
            EXPECT_EQ(files.count(row.slots.coopPicker), 0u) << "two rows on picture " << row.slots.coopPicker;
            // A level's key is its file's stem (MapData/LevelPaths.xml).
            files[row.slots.coopPicker] = std::string("MapData//") + row.key.c_str() + ".xml";
        }
        return files;
    }
};

TEST_F(SelectingTest, TwoPlayersHideTheOtherTwoAndSayHowManyPlay) {
    OpenPicker(2);
    for (const char* name : {"P3Tracker", "P3Pick", "P4SelectedMap"}) EXPECT_EQ(Find(name)->GetSprite()->color, 0u);
    for (const char* name : {"P3Label", "P4Label"}) EXPECT_EQ(Find(name)->GetLabel()->color, 0u) << name;
    EXPECT_NE(Find("P1Tracker")->GetSprite()->color, 0u);
    EXPECT_NE(Find("P2Label")->GetLabel()->color, 0u);
    EXPECT_EQ(api::TextOf(Find("CoopCountLabel")), "Total players = 2");
    OpenPicker(4);
    EXPECT_NE(Find("P4Tracker")->GetSprite()->color, 0u);
    EXPECT_EQ(api::TextOf(Find("CoopCountLabel")), "Total players = 4");
}

TEST_F(SelectingTest, BirdsThenLevelsThenTheDrawThenPlayerOnesLevel) {
    dir.Write("MapData/Level2.xml", "<Level><Marker Name=\"Level2Reached\"><I/></Marker></Level>");
    OpenPicker(2);
    // Birds: indices wrap within 1..9; player 1's A goes on, D back.
    Tap('D');
    EXPECT_EQ(picker->index[0], 9);
    Tap('A');
    Tap('A');
    EXPECT_EQ(picker->index[0], 2);
    Tap(Engine::VK_RIGHT);
    Tap(Engine::VK_RIGHT);
    Tap(Engine::VK_RIGHT);
    EXPECT_EQ(picker->index[1], 4);
    EXPECT_FLOAT_EQ(At("P1Tracker").x, At("B2").x);
    EXPECT_EQ(api::TextureOf(Find("P2Pick")), api::TextureOf(Find("B4")));

    Tap('X');
    EXPECT_EQ(picker->phase, 2);
    EXPECT_EQ(Game::coopBirdChoices[0], 2);
    EXPECT_EQ(Game::coopBirdChoices[1], 4);
    // The camera climbs one screen and stops there.
    engine->Step(60);
    EXPECT_GT(api::CameraPosition().y, 17.0f);
    EXPECT_LT(api::CameraPosition().y, 19.0f);
    const float top = api::CameraPosition().y;
    engine->Step(30);
    EXPECT_FLOAT_EQ(api::CameraPosition().y, top);

    // Levels wrap within 1..8.
    Tap('D');
    EXPECT_EQ(picker->index[0], 8);
    Tap('A');
    Tap('A');
    EXPECT_EQ(picker->index[0], 2);
    Tap(Engine::VK_LEFT);
    EXPECT_EQ(picker->index[1], 8);
    EXPECT_FLOAT_EQ(At("P1Tracker").y, At("Level2").y + 1.0f);
    // Picture 8 has no level yet: X waits until player 2 points at one that has.
    Played("event:/Menu_Return");
    Tap('X');
    EXPECT_EQ(picker->phase, 2);
    EXPECT_TRUE(Played("event:/Menu_Return"));
    for (int i = 0; i < 4; ++i) Tap(Engine::VK_LEFT);
    EXPECT_EQ(picker->index[1], 4);

    Tap('X');
    EXPECT_EQ(picker->phase, 3);
    ASSERT_EQ(picker->candidates.size(), 2u);
    EXPECT_EQ(picker->candidates[0].frame, 2u);
    EXPECT_EQ(picker->candidates[1].frame, 4u);
    EXPECT_NE(Game::coopTextureChoices[0], nullptr);
    EXPECT_EQ(Find("Blank")->GetSprite()->color, 0xFFFFFFFFu);
    EXPECT_TRUE(picker->drawing);
    engine->Step(200);
    EXPECT_FALSE(picker->drawing) << "the draw stops after three seconds";
    const uint32_t shown = Find("Blank")->GetSprite()->startFrame;
    EXPECT_TRUE(shown == 2u || shown == 4u) << shown;

    Tap('X');
    EXPECT_EQ(Level(), "MapData//Level2.xml") << "player 1's level, whatever the draw showed";
    EXPECT_FLOAT_EQ(api::CameraPosition().y, 0.0f) << "the next level starts with the camera at rest";
}

TEST_F(SelectingTest, EveryPictureWithoutALevelShowsComingSoonAndTheOthersTheirLevel) {
    OpenPicker(2);
    int open = 0;
    for (int i = 1; i <= Selecting::kLevelCount; ++i) {
        const std::string name = "Level" + std::to_string(i);
        const bool comingSoon = api::TextureOf(Find(name)) == "CoopLevelSoon";
        EXPECT_NE(comingSoon, Selecting::LevelOpen(i)) << name;
        open += Selecting::LevelOpen(i) ? 1 : 0;
    }
    EXPECT_EQ(open, static_cast<int>(CoopLevels().size())) << "the level table's co-op rows";
}

// Every level picture with the game's own level files: the pictures the level
// table gives a row are entered into that row's level (both players on it, X,
// the draw, X), the others show "coming soon" to both players and X leaves the
// picker where it is.
TEST_F(SelectingTest, EveryPictureEntersItsRowsLevelOrStaysComingSoon) {
    const std::map<int, std::string> levels = CoopLevels();
    ASSERT_FALSE(levels.empty());
    for (int picture = 1; picture <= Selecting::kLevelCount; ++picture) {
        SCOPED_TRACE("picture " + std::to_string(picture));
        OpenPicker(2);
        Tap('X');
        engine->Step(60);
        for (int step = 1; step < picture; ++step) {
            Tap('A');
            Tap(Engine::VK_RIGHT);
        }
        ASSERT_EQ(picker->index[0], picture);
        ASSERT_EQ(picker->index[1], picture);
        const auto level = levels.find(picture);
        const bool open = level != levels.end();
        for (const char* pick : {"P1SelectedMap", "P2SelectedMap"})
            EXPECT_EQ(api::TextureOf(Find(pick)) == "CoopLevelSoon", !open) << pick;
        if (!open) {
            testing::internal::CaptureStdout();
            Tap('X');
            EXPECT_EQ(testing::internal::GetCapturedStdout(), "") << "no line about a missing level";
            EXPECT_EQ(picker->phase, 2) << "a coming-soon picture was taken";
            EXPECT_EQ(Level(), "MapData//CoopSelection.xml");
            continue;
        }
        Tap('X');
        EXPECT_EQ(picker->phase, 3);
        engine->Step(200);
        Tap('X');
        EXPECT_EQ(Level(), level->second);
    }
}

TEST_F(SelectingTest, AComingSoonPictureCannotBeTakenAndSaysNothingOnTheConsole) {
    OpenPicker(2);
    Tap('X');
    engine->Step(60);
    Tap('A');
    Tap('A');  // picture 3: coming soon
    EXPECT_EQ(api::TextureOf(Find("P1SelectedMap")), "CoopLevelSoon");
    Played("event:/Menu_Return");
    testing::internal::CaptureStdout();
    for (int press = 0; press < 3; ++press) {
        Tap('X');
        engine->Step(10);
    }
    const std::string output = testing::internal::GetCapturedStdout();
    EXPECT_EQ(output, "");
    EXPECT_EQ(picker->phase, 2);
    EXPECT_FALSE(picker->drawing);
    EXPECT_TRUE(Played("event:/Menu_Return"));
    EXPECT_EQ(Level(), "MapData//CoopSelection.xml");
    EXPECT_GT(api::CameraPosition().y, 17.0f) << "the view stays on the levels";
    // One step back to the food court, and the levels can be taken.
    Tap('D');
    Tap('X');
    EXPECT_EQ(picker->phase, 3);
    Tap(Engine::VK_ESCAPE);
    EXPECT_EQ(Level(), "MapData//MainMenu_KR.xml");
    EXPECT_FLOAT_EQ(api::CameraPosition().y, 0.0f);
}

}  // namespace

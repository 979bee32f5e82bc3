// The versus screen: the chosen birds and level pictures, the slide-in, and the
// wait on the menu music, which never freezes on a missing or finished event.
#include <cmath>

#include "game/game_values.h"
#include "game/levels/level_table.h"
#include "game/selection/bird_table.h"
#include "game/selection/vs_screen.h"
#include "graphics/renderable2d.h"
#include "graphics/texture.h"
#include "input/input.h"
#include "logic/game_logic.h"
#include "sound/audio_engine.h"
#include "support/menu_fixture.h"

namespace {

constexpr const char* kMusic = "event:/Menu_BGM";

struct VsScreenTest : MenuFixture {
    VSscreen* screen = nullptr;

    // Each level the selection offers is a marker level, so entering it is seen.
    void SetUp() override {
        for (int i = 0; i < levels::RowCount(); ++i) {
            const std::string key = levels::Rows()[i].key.c_str();
            if (levels::Rows()[i].slots.levelSelection > 0)
                dir.Write("MapData/" + key + ".xml", "<Level><Marker Name=\"" + key + "Reached\"><I/></Marker></Level>");
        }
    }
    void OpenVs(int p1, int p2, int level) {
        Game::player1Character = p1;
        Game::player2Character = p2;
        Game::chosenLevel = level;
        if (Engine::Input::instance) Engine::Input::instance->active = true;
        Open("VSscreen");
        screen = Find("VersusLogic")->GetScript<VSscreen>();
        ASSERT_NE(screen, nullptr);
    }
    bool Shows(const char* object, const char* texture) {
        return Find(object)->GetSprite()->texture == Engine::graphics::FindTexture(texture) &&
               Engine::graphics::FindTexture(texture);
    }
    void StopMusic() {
        if (Engine::AudioEngine::instance)
            Engine::AudioEngine::instance->StopEvent(kMusic, Engine::StopMode::kImmediate);
    }
};

TEST_F(VsScreenTest, ShowsTheChosenBirdsAndTheLevelsPictures) {
    const struct {
        int p1, p2, level;
        const char *bird1, *bird2;
        float w1, h1, w2, h2;
        const char *red, *blue, *next;
        float blueW, blueH;
    } cases[] = {
        {1, 2, 1, "RoziDoro_Sprite", "VadozaVaza_Sprite", 16, 12, 20, 8, "LS_Vozedoreroz_Red", "LS_Vozedoreroz_Blue",
         "Level1", 8, 5},
        {3, 4, 2, "DovaDizavov_Sprite", "Doruzuvo_Sprite", 12, 8, 20, 16, "LS_Homecoming_Red", "LS_Homecoming_Blue",
         "Level4", 8, 4},
        {4, 3, 3, "Doruzuvo_Sprite", "DovaDizavov_Sprite", 20, 16, 12, 8, "Zurododavad_Player1",
         "Zurododavad_Player2", "Zurododavad", 11, 11},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.next);
        OpenVs(c.p1, c.p2, c.level);
        EXPECT_TRUE(Shows("Player1", c.bird1));
        EXPECT_TRUE(Shows("VS_Player", c.bird2));
        EXPECT_FLOAT_EQ(Find("Player1")->transform->scale.x, c.w1);
        EXPECT_FLOAT_EQ(Find("Player1")->transform->scale.y, c.h1);
        EXPECT_FLOAT_EQ(Find("VS_Player")->transform->scale.x, -c.w2) << "player 2 faces player 1";
        EXPECT_FLOAT_EQ(Find("VS_Player")->transform->scale.y, c.h2);
        EXPECT_TRUE(Shows("RedText", c.red));
        EXPECT_TRUE(Shows("BlueText", c.blue));
        EXPECT_FLOAT_EQ(Find("BlueText")->transform->scale.x, c.blueW);
        EXPECT_FLOAT_EQ(Find("BlueText")->transform->scale.y, c.blueH);
        EXPECT_STREQ(screen->nextKey, c.next);
    }
    // The boss level's emblems are square on both sides.
    EXPECT_FLOAT_EQ(Find("RedText")->transform->scale.x, 11.0f);
}

// The level selection offers exactly the level table's rows with a slot on it:
// every slot of the screen leads to its row's level, and no row sits on a slot
// the screen does not have.
TEST_F(VsScreenTest, EachSlotOfTheLevelSelectionEntersItsRowsLevel) {
    const int slots = static_cast<int>(Selection::kLevels.size());
    for (int i = 0; i < levels::RowCount(); ++i)
        EXPECT_LE(levels::Rows()[i].slots.levelSelection, slots) << levels::Rows()[i].key.c_str();
    for (int slot = 1; slot <= slots; ++slot) {
        SCOPED_TRACE("slot " + std::to_string(slot));
        const levels::LevelRow* row = levels::RowAtSlot(levels::Screen::LevelSelection, slot);
        ASSERT_NE(row, nullptr) << "a slot the screen shows leads nowhere";
        OpenVs(3, 1, slot);
        StopMusic();
        WaitUntilRevealed();
        EXPECT_STREQ(screen->nextKey, row->key.c_str());
        const std::string reached = std::string(row->key.c_str()) + "Reached";
        for (int frame = 0; frame < 400 && !Find(reached); ++frame) engine->Step();
        EXPECT_NE(Find(reached), nullptr);
    }
}

TEST_F(VsScreenTest, TheBirdsSlideInFromBeyondTheStageAndStop) {
    OpenVs(3, 1, 1);
    const Engine::GameObj* bg = Find("BG");
    const float half = bg->transform->scale.x / 2;
    Engine::GameObj* left = Find("Player1");
    Engine::GameObj* right = Find("VS_Player");
    EXPECT_FLOAT_EQ(left->transform->position.x, bg->transform->position.x - half - 6.0f);
    EXPECT_FLOAT_EQ(right->transform->position.x, bg->transform->position.x + half + 8.0f);
    WaitUntilRevealed();
    const float target = bg->transform->scale.x * VSscreen::kTargetFraction;
    engine->Step(60);
    EXPECT_GT(left->transform->position.x, -half - 6.0f);
    EXPECT_LT(left->transform->position.x, -target) << "half the way a second: not there yet";
    engine->Step(120);
    EXPECT_FLOAT_EQ(left->transform->position.x, -target);
    EXPECT_FLOAT_EQ(right->transform->position.x, target);
}

TEST_F(VsScreenTest, NeverAdvancesWhileTheMenuMusicPlaysAndGoesOnOnceItStops) {
    Start();
    ASSERT_NE(Engine::AudioEngine::instance, nullptr);
    Engine::AudioEngine::instance->PlayEvent(kMusic);  // the title screen started it
    OpenVs(3, 1, 2);
    WaitUntilRevealed();
    for (int frame = 0; frame < 800; ++frame) {
        // The music keeps going however long it takes.
        if (!Engine::IsEventPlaying(kMusic) && Engine::AudioEngine::instance)
            Engine::AudioEngine::instance->PlayEvent(kMusic);
        engine->Step();
        ASSERT_FALSE(Wipe()->leaving) << "frame " << frame;
    }
    ASSERT_TRUE(screen->musicToldToEnd);
    StopMusic();
    engine->Step();
    ASSERT_TRUE(Wipe()->leaving);
    EXPECT_EQ(Wipe()->targetKey, "Level4");
    EXPECT_TRUE(StepUntilLevel("MapData//Level4.xml", 120));
}

TEST_F(VsScreenTest, WithoutMusicTheScreenGoesOnAfterThreeSeconds) {
    OpenVs(3, 1, 3);
    StopMusic();  // never played, or missing from the banks: both count as stopped
    WaitUntilRevealed();
    engine->Step(178);
    EXPECT_FALSE(Wipe()->leaving) << "the birds have three seconds";
    engine->Step(4);
    ASSERT_TRUE(Wipe()->leaving);
    EXPECT_EQ(Wipe()->targetKey, "Zurododavad");
}

TEST_F(VsScreenTest, AMissingLevelKeepsTheScreenWithOneLineAndEscapeStillGoesBack) {
    std::remove("MapData/Level1.xml");
    OpenVs(3, 1, 1);
    StopMusic();
    WaitUntilRevealed();
    testing::internal::CaptureStdout();
    engine->Step(400);
    const std::string output = testing::internal::GetCapturedStdout();
    EXPECT_FALSE(Wipe()->leaving);
    EXPECT_EQ(Level(), "MapData//VSscreen.xml");
    EXPECT_NE(output.find("Level1"), std::string::npos);
    EXPECT_EQ(output.find('\n'), output.rfind('\n')) << "one line: " << output;
    Tap(Engine::VK_ESCAPE);
    ASSERT_TRUE(Wipe()->leaving);
    EXPECT_EQ(Wipe()->targetKey, "LevelSelectionScreen");
}

TEST_F(VsScreenTest, NothingMovesWhilePaused) {
    OpenVs(3, 1, 1);
    StopMusic();
    WaitUntilRevealed();
    const float x = Find("Player1")->transform->position.x;
    engine->logic().paused = true;
    engine->Step(300);
    EXPECT_FLOAT_EQ(Find("Player1")->transform->position.x, x);
    EXPECT_FALSE(Wipe()->leaving);
}

}  // namespace

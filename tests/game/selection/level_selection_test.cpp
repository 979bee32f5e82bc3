// The level selection: the selector's three rests, the restyling from the level
// table, the info card, and leaving to the versus screen or back.
#include "game/game_values.h"
#include "game/selection/level_selector_bg.h"
#include "graphics/renderable2d.h"
#include "graphics/texture.h"
#include "support/menu_fixture.h"

namespace {

struct LevelSelectionTest : MenuFixture {
    LevelSelectorBG* backdrop = nullptr;
    void SetUp() override {
        Open("LevelSelectionScreen");
        backdrop = Find("LevelSelectionLogic")->GetScript<LevelSelectorBG>();
        ASSERT_NE(backdrop, nullptr);
        WaitUntilRevealed();
        engine->Step();
    }
    float SelectorX() { return Find("Selector")->transform->position.x; }
    bool Shows(const char* object, const char* texture) {
        return Find(object)->GetSprite()->texture == Engine::graphics::FindTexture(texture) &&
               Engine::graphics::FindTexture(texture);
    }
    void ExpectScale(const char* object, float x, float y) {
        EXPECT_FLOAT_EQ(Find(object)->transform->scale.x, x) << object;
        EXPECT_FLOAT_EQ(Find(object)->transform->scale.y, y) << object;
    }
    uint32_t Colour(const char* object) { return Find(object)->GetSprite()->color; }
};

TEST_F(LevelSelectionTest, EachSlotWritesItsLevelAndRestylesTheScreen) {
    const struct {
        Engine::VirtualKey key;
        float x;
        int chosen;
        const char *info, *mid;
        float midW, midH;
        const char* red;
        float redW, redH;
        const char* blue;
        float blueW, blueH;
        const char* current;
        float curW, curH;
        uint32_t level1, level2, level3;
    } steps[] = {
        {'D', 0, 2, "Info_Rudorarurozavir", "L4Boss", 8, 8, "LS_Homecoming_Red", 8, 5, "LS_Homecoming_Blue", 8, 4,
         "LS_Homecoming_Text", 13, 1.8f, LevelSelectorBG::kDimColour, LevelSelectorBG::kLitColour,
         LevelSelectorBG::kDimColour},
        {'D', 6, 3, "Info_Zurododavad", "Boss_Animated", 7, 7, "Zurododavad_Player1", 11, 11, "Zurododavad_Player2",
         11, 11, "Zurododavad_Title", 13, 10.8f, LevelSelectorBG::kDimColour, LevelSelectorBG::kDimColour,
         LevelSelectorBG::kLitColour},
        {'D', 6, 3, "Info_Zurododavad", "Boss_Animated", 7, 7, "Zurododavad_Player1", 11, 11, "Zurododavad_Player2",
         11, 11, "Zurododavad_Title", 13, 10.8f, LevelSelectorBG::kDimColour, LevelSelectorBG::kDimColour,
         LevelSelectorBG::kLitColour},
        {'A', 0, 2, "Info_Rudorarurozavir", "L4Boss", 8, 8, "LS_Homecoming_Red", 8, 5, "LS_Homecoming_Blue", 8, 4,
         "LS_Homecoming_Text", 13, 1.8f, LevelSelectorBG::kDimColour, LevelSelectorBG::kLitColour,
         LevelSelectorBG::kDimColour},
        {'A', -6, 1, "Vozedoreroz_Info", "EggEagleFlap", 5, 6, "LS_Vozedoreroz_Red", 8, 5, "LS_Vozedoreroz_Blue", 8, 5,
         "LS_Vozedoreroz_Text", 11, 1.8f, LevelSelectorBG::kLitColour, LevelSelectorBG::kDimColour,
         LevelSelectorBG::kDimColour},
        {'A', -6, 1, "Vozedoreroz_Info", "EggEagleFlap", 5, 6, "LS_Vozedoreroz_Red", 8, 5, "LS_Vozedoreroz_Blue", 8, 5,
         "LS_Vozedoreroz_Text", 11, 1.8f, LevelSelectorBG::kLitColour, LevelSelectorBG::kDimColour,
         LevelSelectorBG::kDimColour},
    };
    for (const auto& s : steps) {
        Played("event:/Button_Hover");
        Tap(s.key);
        SCOPED_TRACE(testing::Message() << "selector at " << s.x);
        EXPECT_FLOAT_EQ(SelectorX(), s.x);
        EXPECT_TRUE(Played("event:/Button_Hover"));
        EXPECT_EQ(Game::chosenLevel, s.chosen);
        EXPECT_TRUE(Shows("InfoScreen", s.info));
        EXPECT_TRUE(Shows("MidGround", s.mid));
        ExpectScale("MidGround", s.midW, s.midH);
        EXPECT_TRUE(Shows("RedText", s.red));
        ExpectScale("RedText", s.redW, s.redH);
        EXPECT_TRUE(Shows("BlueText", s.blue));
        ExpectScale("BlueText", s.blueW, s.blueH);
        EXPECT_TRUE(Shows("CurrentText", s.current));
        ExpectScale("CurrentText", s.curW, s.curH);
        EXPECT_EQ(Colour("Level1"), s.level1);
        EXPECT_EQ(Colour("Level2"), s.level2);
        EXPECT_EQ(Colour("Level3"), s.level3);
    }
}

TEST_F(LevelSelectionTest, ASelectorOffEverySlotKeepsThePreviousChoice) {
    Tap('D');
    ASSERT_EQ(Game::chosenLevel, 2);
    Find("Selector")->transform->position.x = 3.0f;
    engine->Step(3);
    EXPECT_EQ(Game::chosenLevel, 2);
    EXPECT_TRUE(Shows("MidGround", "L4Boss"));
}

TEST_F(LevelSelectionTest, ConfirmingGoesToTheVersusScreen) {
    Tap('D');
    Played("event:/Button_Click");
    Tap('F');
    EXPECT_TRUE(Played("event:/Button_Click"));
    ASSERT_TRUE(Wipe()->leaving);
    EXPECT_EQ(Wipe()->targetKey, "VSscreen");
    EXPECT_TRUE(StepUntilLevel("MapData//VSscreen.xml", 120));
    EXPECT_EQ(Game::chosenLevel, 2);
}

TEST_F(LevelSelectionTest, EscapeGoesBackWithoutChangingTheChoice) {
    Tap('D');
    Tap('D');
    ASSERT_EQ(Game::chosenLevel, 3);
    Played("event:/Menu_Return");
    Tap(Engine::VK_ESCAPE);
    EXPECT_TRUE(Played("event:/Menu_Return"));
    ASSERT_TRUE(Wipe()->leaving);
    EXPECT_EQ(Wipe()->targetKey, "BirdSelectionScreen");
    EXPECT_TRUE(StepUntilLevel("MapData//BirdSelectionScreen.xml", 120));
    EXPECT_EQ(Game::chosenLevel, 3);
}

TEST_F(LevelSelectionTest, PadAndStickMoveTheSelectorAndXShowsTheInfo) {
    engine->pads().Plug(0);
    TapPad(Engine::PadBits::kDpadRight);
    EXPECT_FLOAT_EQ(SelectorX(), 0.0f);
    engine->pads().State(0)->thumbLX = -32768;
    engine->Step(6);
    EXPECT_FLOAT_EQ(SelectorX(), -6.0f);
    engine->pads().State(0)->thumbLX = 0;
    EXPECT_FALSE(backdrop->infoShown);
    TapPad(Engine::PadBits::kX);
    EXPECT_TRUE(backdrop->infoShown);
    EXPECT_EQ(Colour("InfoScreen"), LevelSelectorBG::kLitColour);
    Tap('H');
    EXPECT_FALSE(backdrop->infoShown);
    EXPECT_EQ(Colour("InfoScreen"), LevelSelectorBG::kHiddenColour);
}

}  // namespace

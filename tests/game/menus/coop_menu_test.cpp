// The co-op title screen: the five buttons, the mode choice, and a level that
// lacks the mode objects.
#include "game/game_values.h"
#include "game/menus/main_menu_behaviour.h"
#include "graphics/label.h"
#include "logic/buttons.h"
#include "support/menu_fixture.h"
#include "logic/game_logic.h"

namespace {

struct CoopMenuTest : MenuFixture {
    MainMenuBehaviour* menu = nullptr;
    void SetUp() override {
        dir.Write("MapData/CoopSelection.xml", "<Level><Marker Name=\"PickerReached\"><I/></Marker></Level>");
        Open("MainMenu");
        menu = Find("CoopMenuLogic")->GetScript<MainMenuBehaviour>();
        ASSERT_NE(menu, nullptr);
        engine->Step();
    }
    uint32_t CaptionColour(const char* button) {
        for (const auto& b : engine->logic().buttonPool)
            if (b->active && b->name == button) return b->caption->color;
        ADD_FAILURE() << "no button " << button;
        return 0;
    }
    uint32_t Colour(const char* object) { return Find(object)->GetSprite()->color; }
};

TEST_F(CoopMenuTest, ArrowsWalkTheButtonsWithinTheirRange) {
    ASSERT_TRUE(menu->ready);
    EXPECT_EQ(CaptionColour("Start"), MainMenuBehaviour::kSelectedColor);
    Tap(Engine::VK_UP);
    EXPECT_EQ(menu->selection, 0);
    for (int i = 0; i < 6; ++i) Tap(Engine::VK_DOWN);
    EXPECT_EQ(menu->selection, 4);
    EXPECT_EQ(CaptionColour("Quit"), MainMenuBehaviour::kSelectedColor);
    EXPECT_EQ(CaptionColour("Start"), MainMenuBehaviour::kOtherColor);
    Tap(Engine::VK_RETURN);
    EXPECT_FALSE(menu->choosingMode) << "only Start opens the choice";
    EXPECT_FALSE(engine->core().active) << "Enter on Quit runs its button's command";
}

TEST_F(CoopMenuTest, KeysReachWhatTheMouseReachesAndEscapeGoesBack) {
    Tap(Engine::VK_DOWN);
    Tap(Engine::VK_DOWN);
    Tap(Engine::VK_DOWN);  // Options
    Tap(Engine::VK_RETURN);
    EXPECT_TRUE(StepUntilLevel("MapData//Options.xml")) << Level();

    Open("MainMenu");
    engine->Step();
    Tap(Engine::VK_RETURN);
    Tap(Engine::VK_ESCAPE);
    EXPECT_EQ(Level(), "MapData//MainMenu.xml") << "Escape is no way out of the open choice";
    Tap('Z');
    Tap(Engine::VK_ESCAPE);
    EXPECT_TRUE(StepUntilLevel("MapData//MainMenu_KR.xml")) << Level();
}

TEST_F(CoopMenuTest, TheModeChoiceOpensOnFourPlayersAndStoresTheCount) {
    EXPECT_EQ(Colour("Coop2P") >> 24, 0u) << "hidden until asked";
    Tap(Engine::VK_RETURN);
    ASSERT_TRUE(menu->choosingMode);
    EXPECT_EQ(menu->mode, 2);
    EXPECT_EQ(Colour("Coop4P"), MainMenuBehaviour::kChosenModeColor);
    EXPECT_EQ(Colour("Coop2P"), MainMenuBehaviour::kOtherModeColor);
    Tap(Engine::VK_LEFT);  // wraps round to two players
    EXPECT_EQ(menu->mode, 1);
    EXPECT_EQ(Colour("Coop2P"), MainMenuBehaviour::kChosenModeColor);
    Tap('Z');
    EXPECT_FALSE(menu->choosingMode);
    EXPECT_EQ(Colour("Coop2P"), 0u);
    EXPECT_EQ(Colour("Coop4P"), 0u);

    engine->pads().Plug(0);
    TapPad(Engine::PadBits::kA);
    ASSERT_EQ(menu->mode, 1) << "the choice keeps the last mode";
    TapPad(Engine::PadBits::kDpadRight);  // wraps round to four players
    ASSERT_EQ(menu->mode, 2);
    Game::coopPlayerCount = 0;
    Tap('X');
    EXPECT_EQ(Game::coopPlayerCount, 4);
    EXPECT_NE(Find("PickerReached"), nullptr) << "the count goes to the co-op picker";
}

TEST_F(MenuFixture, WithoutTheModeObjectsTheCoopMenuSaysSoAndStaysIdle) {
    std::string level = dir.Read("MapData/MainMenu.xml");
    const size_t mode = level.find("<Mode Name=\"Coop4P\">");
    ASSERT_NE(mode, std::string::npos);
    level.erase(mode, level.find("</Mode>", mode) + 7 - mode);
    dir.Write("MapData/NoFour.xml", level);
    Start();
    testing::internal::CaptureStdout();
    engine->factory().LoadLevel("MapData//NoFour.xml");
    const std::string said = testing::internal::GetCapturedStdout();
    EXPECT_NE(said.find("\"Coop4P\""), std::string::npos) << said;
    auto* menu = Find("CoopMenuLogic")->GetScript<MainMenuBehaviour>();
    EXPECT_FALSE(menu->ready);
    Tap(Engine::VK_DOWN);
    Tap(Engine::VK_RETURN);
    EXPECT_EQ(menu->selection, 0);
    EXPECT_FALSE(menu->choosingMode);
}

}  // namespace

namespace {

// The whole co-op road with the game's own levels: title, mode, picker, and the
// picker's second level, the food court.
TEST_F(MenuFixture, TheCoopTitleLeadsThroughThePickerToTheFoodCourt) {
    Open("MainMenu");
    engine->Step();
    Tap(Engine::VK_RETURN);
    Tap(Engine::VK_LEFT);  // two players
    Tap('X');
    ASSERT_TRUE(StepUntilLevel("MapData//CoopSelection.xml")) << Level();
    EXPECT_EQ(Game::coopPlayerCount, 2);
    engine->Step();
    Tap('X');  // birds chosen
    engine->Step(60);
    Tap('A');  // level 2
    Tap('X');  // the draw
    engine->Step(200);
    Tap('X');
    ASSERT_TRUE(StepUntilLevel("MapData//Level2.xml")) << Level();
    EXPECT_NE(Find("Stall"), nullptr);
    EXPECT_NE(Find("Timer"), nullptr);
}

}  // namespace

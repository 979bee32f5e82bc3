// The bird selection driven by both players' keys and pads: the cursors, the
// previews, the ready rule, the stick repeat, the info cards, and where the
// screen leads (the practice screen to the practice range).
#include <cmath>

#include "game/game_values.h"
#include "game/selection/character_selection.h"
#include "graphics/particle_system.h"
#include "graphics/renderable2d.h"
#include "graphics/texture.h"
#include "input/input.h"
#include "support/menu_fixture.h"

namespace {

using Engine::PadBits::kA;
using Engine::PadBits::kDpadLeft;
using Engine::PadBits::kDpadRight;
using Engine::PadBits::kX;

constexpr Engine::VirtualKey kSlash = Engine::VK_OEM_2;

struct CharacterSelectionTest : MenuFixture {
    CharacterSelection* screen = nullptr;

    void OpenScreen(const std::string& key) {
        Open(key);
        Engine::GameObj* logic = Find("SelectionLogic");
        ASSERT_NE(logic, nullptr);
        screen = logic->GetScript<CharacterSelection>();
        ASSERT_NE(screen, nullptr);
        WaitUntilRevealed();
    }
    void SetUp() override { OpenScreen("BirdSelectionScreen"); }

    // The character whose portrait the cursor stands on, 0 for none.
    int Under(const char* cursor) {
        const char* portraits[] = {"RoziDoroPortrait", "VadozaVazaPortrait", "DovaDizavovPortrait",
                                   "DoruZuvoPortrait"};
        for (int i = 0; i < 4; ++i)
            if (std::fabs(Find(portraits[i])->transform->position.x - Find(cursor)->transform->position.x) < 0.01f)
                return i + 1;
        return 0;
    }
    bool Shows(const char* object, const char* texture) {
        return Find(object)->GetSprite()->texture == Engine::graphics::FindTexture(texture) &&
               Engine::graphics::FindTexture(texture);
    }
};

TEST_F(CharacterSelectionTest, StartsWithDovaDizavovAgainstRoziDoro) {
    EXPECT_EQ(Under("P1Select"), 3);
    EXPECT_EQ(Under("P2Select"), 1);
    EXPECT_EQ(Game::player1Character, 3);
    EXPECT_EQ(Game::player2Character, 1);
    EXPECT_TRUE(Shows("RedBird", "DovaDizavov_Sprite"));
    EXPECT_TRUE(Shows("BlueBird", "RoziDoro_Sprite"));
    EXPECT_TRUE(Shows("RedReady", "Ready_Not"));
    EXPECT_FALSE(screen->ready[0] || screen->ready[1]);
}

TEST_F(CharacterSelectionTest, CursorsWalkThePortraitsAndShowTheirBird) {
    // Portraits from left to right: DovaDizavov, RoziDoro, DoruZuvo, VadozaVaza.
    const struct {
        Engine::VirtualKey key;
        const char* cursor;
        int character;
    } steps[] = {
        {'A', "P1Select", 3},            {'D', "P1Select", 1},           {'D', "P1Select", 4},
        {'D', "P1Select", 2},            {'D', "P1Select", 2},           {Engine::VK_RIGHT, "P2Select", 4},
        {Engine::VK_LEFT, "P2Select", 1}, {Engine::VK_LEFT, "P2Select", 3}, {Engine::VK_LEFT, "P2Select", 3},
    };
    for (const auto& step : steps) {
        Played("event:/Button_Hover");
        Tap(step.key);
        EXPECT_EQ(Under(step.cursor), step.character) << step.cursor;
        EXPECT_TRUE(Played("event:/Button_Hover")) << "also at the ends";
    }
    EXPECT_EQ(Game::player1Character, 2);
    EXPECT_EQ(Game::player2Character, 3);
    // Player 1 on VadozaVaza (preview 7 x 3); player 2 on DovaDizavov (3 x 3), mirrored.
    EXPECT_TRUE(Shows("RedBird", "VadozaVaza_Sprite"));
    EXPECT_TRUE(Shows("RedName", "VadozaVaza_Stats"));
    EXPECT_TRUE(Shows("InfoP1", "Info_Techno"));
    EXPECT_FLOAT_EQ(Find("RedBird")->transform->scale.x, 7.0f);
    EXPECT_FLOAT_EQ(Find("RedBird")->transform->scale.y, 3.0f);
    EXPECT_TRUE(Shows("BlueBird", "DovaDizavov_Sprite"));
    EXPECT_FLOAT_EQ(Find("BlueBird")->transform->scale.x, -3.0f);
    const auto* sparks = Find("BlueBird")->GetParticleSystem();
    ASSERT_NE(sparks, nullptr);
    EXPECT_EQ(sparks->colorMin, 0xFF5E5EFFu) << "DovaDizavov's red (255, 94, 94)";
}

// The ready rule: a bird one player has readied on cannot be readied on by the
// other, whoever was first; once the first lets go, the second may.
TEST_F(CharacterSelectionTest, ABirdReadiedByOnePlayerCannotBeReadiedByTheOther) {
    const struct {
        int first;  // 0 player 1, 1 player 2
        Engine::VirtualKey moveSecondOnto;
    } cases[] = {{0, Engine::VK_LEFT}, {1, 'D'}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first == 0 ? "player 1 first" : "player 2 first");
        OpenScreen("BirdSelectionScreen");
        const Engine::VirtualKey ready[2] = {'F', kSlash};
        const int second = 1 - c.first;
        Tap(ready[c.first]);
        ASSERT_TRUE(screen->ready[c.first]);
        EXPECT_EQ(Find(c.first == 0 ? "RedBird" : "BlueBird")->GetSprite()->color, CharacterSelection::kReadyColour);
        Tap(c.moveSecondOnto);
        ASSERT_EQ(Under("P1Select"), Under("P2Select"));
        Tap(ready[second]);
        EXPECT_FALSE(screen->ready[second]) << "the bird is taken";
        EXPECT_EQ(Level(), c.first == 0 ? "MapData//BirdSelectionScreen.xml" : "MapData//BirdSelectionScreen.xml");
        Tap(ready[c.first]);  // the first lets go
        EXPECT_FALSE(screen->ready[c.first]);
        Tap(ready[second]);
        EXPECT_TRUE(screen->ready[second]) << "free again";
        EXPECT_FALSE(Wipe()->leaving);
    }
}


TEST_F(CharacterSelectionTest, AReadyPlayerStaysOnTheBirdAndTheSignsFollow) {
    Played("event:/Button_Click");
    Tap('F');
    EXPECT_TRUE(Played("event:/Button_Click"));
    EXPECT_TRUE(Shows("RedReady", "Ready_Yes"));
    EXPECT_TRUE(Find("RedReadyPartLeftFast")->GetParticleSystem()->playing);
    EXPECT_FALSE(Find("RedReadyPartLeftSlow")->GetParticleSystem()->playing);
    EXPECT_TRUE(Find("BlueReadyPartRightSlow")->GetParticleSystem()->playing);
    Tap('D');
    EXPECT_EQ(Under("P1Select"), 3) << "a ready cursor does not move";
    Played("event:/Menu_Return");
    Tap('F');
    EXPECT_TRUE(Played("event:/Menu_Return"));
    EXPECT_TRUE(Shows("RedReady", "Ready_Not"));
    EXPECT_EQ(Find("RedBird")->GetSprite()->color, CharacterSelection::kWaitingColour);
}

TEST_F(CharacterSelectionTest, PadsMoveAndReadyEachTheirOwnPlayer) {
    engine->pads().Plug(0);
    engine->pads().Plug(1);
    TapPad(kDpadRight, 0);
    EXPECT_EQ(Under("P1Select"), 1);
    TapPad(kDpadRight, 1);
    EXPECT_EQ(Under("P2Select"), 4);
    TapPad(kA, 1);
    EXPECT_TRUE(screen->ready[1]);
    EXPECT_FALSE(screen->ready[0]);
    TapPad(kX, 1);
    EXPECT_TRUE(screen->infoShown[1]);
    EXPECT_EQ(Find("InfoP2")->GetSprite()->color >> 24, 0xFFu);
    EXPECT_FALSE(screen->infoShown[0]);
}

TEST_F(CharacterSelectionTest, AHeldStickMovesOnceEveryTenthOfASecond) {
    engine->pads().Plug(0);
    engine->pads().State(0)->thumbLX = 32767;  // fully right
    const struct {
        int frames;
        int character;
    } expected[] = {{5, 3}, {6, 1}, {11, 1}, {12, 4}, {18, 2}, {30, 2}};
    int frames = 0;
    for (const auto& e : expected) {
        engine->Step(e.frames - frames);
        frames = e.frames;
        EXPECT_EQ(Under("P1Select"), e.character) << "after " << frames << " frames";
    }
    // Letting go and pushing again does not restart the wait that is under way.
    engine->pads().State(0)->thumbLX = -32768;
    engine->Step(3);  // 3 of the next 6 frames
    engine->pads().State(0)->thumbLX = 0;
    engine->Step(2);
    engine->pads().State(0)->thumbLX = -32768;
    engine->Step(2);
    EXPECT_EQ(Under("P1Select"), 2);
    engine->Step(1);
    EXPECT_EQ(Under("P1Select"), 4) << "six held frames in all";
    // A stick short of 0.8 does nothing.
    engine->pads().State(0)->thumbLX = -24000;
    engine->Step(30);
    EXPECT_EQ(Under("P1Select"), 4);
}

TEST_F(CharacterSelectionTest, InfoCardsToggleWithTheirKeys) {
    Tap('H');
    EXPECT_TRUE(screen->infoShown[0]);
    EXPECT_EQ(Find("InfoP1")->GetSprite()->color, CharacterSelection::kReadyColour);
    Tap(Engine::VK_OEM_COMMA);
    EXPECT_TRUE(screen->infoShown[1]);
    Tap('H');
    EXPECT_FALSE(screen->infoShown[0]);
    EXPECT_EQ(Find("InfoP1")->GetSprite()->color >> 24, 0u);
}

// Where both players' readiness leads, by the screen they are on.
TEST_F(CharacterSelectionTest, BothReadyLeadOnThePracticeScreenToThePracticeRange) {
    const struct {
        const char* screenKey;
        bool practice;
        const char* next;
    } cases[] = {{"BirdSelectionScreen", false, "LevelSelectionScreen"},
                 {"PRBirdSelectionScreen", true, "PracticeRange"}};
    dir.Write("MapData/PracticeRange.xml", "<Level><Marker Name=\"RangeReached\"><I/></Marker></Level>");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.screenKey);
        OpenScreen(c.screenKey);
        EXPECT_EQ(screen->practice, c.practice);
        Tap('F');
        EXPECT_FALSE(Wipe()->leaving);
        Tap(kSlash);
        ASSERT_TRUE(Wipe()->leaving);
        EXPECT_EQ(Wipe()->targetKey, c.next);
        EXPECT_EQ(Game::player1Character, 3);
        EXPECT_EQ(Game::player2Character, 1);
        // The wipe would switch input on again as it loads; the next case opens its screen directly.
        Engine::Input::instance->active = true;
    }
}

TEST_F(CharacterSelectionTest, WithoutThePracticeRangeThePlayersStayWithOneLine) {
    OpenScreen("PRBirdSelectionScreen");
    Tap('F');
    testing::internal::CaptureStdout();
    Tap(kSlash);
    engine->Step(90);
    const std::string output = testing::internal::GetCapturedStdout();
    EXPECT_FALSE(Wipe()->leaving) << "no wipe covers the screen for a level that cannot open";
    EXPECT_EQ(Level(), "MapData//PRBirdSelectionScreen.xml");
    EXPECT_NE(output.find("PracticeRange"), std::string::npos) << output;
    EXPECT_EQ(output.find('\n'), output.rfind('\n')) << "one line: " << output;
    // Both can still let go and go back.
    Tap('F');
    EXPECT_FALSE(screen->ready[0]);
    Tap(Engine::VK_ESCAPE);
    EXPECT_TRUE(Wipe()->leaving);
}

TEST_F(CharacterSelectionTest, EscapeGoesBackToTheTitle) {
    Played("event:/Menu_Return");
    Tap(Engine::VK_ESCAPE);
    ASSERT_TRUE(Wipe()->leaving);
    EXPECT_EQ(Wipe()->targetKey, "MainMenu_KR");
    EXPECT_TRUE(Played("event:/Menu_Return"));
    EXPECT_TRUE(StepUntilLevel("MapData//MainMenu_KR.xml", 120));
}

TEST_F(MenuFixture, TheBirdSelectionIgnoresKeysUntilTheWipeHasOpened) {
    Open("BirdSelectionScreen");
    ASSERT_FALSE(Wipe()->revealed);
    Tap('D');
    EXPECT_NE(Find("P1Select")->transform->position.x, Find("RoziDoroPortrait")->transform->position.x);
}

}  // namespace

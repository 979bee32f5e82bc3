// The wipe's own runs and the two-picture splash.
#include "game/menus/splash_screen_behaviour.h"
#include "graphics/graphics.h"
#include "graphics/renderable2d.h"
#include "graphics/texture.h"
#include "input/input.h"
#include "support/menu_fixture.h"

namespace {

TEST_F(MenuFixture, TheWipeOpensInAboutASecondAndRunsManualCovers) {
    Open("OptionLevel");
    Transition* wipe = Wipe();
    ASSERT_NE(wipe, nullptr);
    Engine::GameObj* bird = Find("TransitionBird");
    EXPECT_EQ(bird->GetSprite()->order, Transition::kLayer);
    int frames = 1;
    while (!wipe->revealed && frames < 200) {
        engine->Step();
        ++frames;
    }
    EXPECT_NEAR(frames, 60, 3);
    EXPECT_FLOAT_EQ(bird->transform->scale.x, 0.0f);

    const struct {
        bool cover;
        float endScale;
    } runs[] = {{true, 100.0f}, {false, 0.0f}};
    for (const auto& run : runs) {
        wipe->manual = true;
        wipe->manualCover = run.cover;
        engine->Step(70);
        EXPECT_FALSE(wipe->manual);
        EXPECT_NEAR(bird->transform->scale.x, run.endScale, 2.0f);
        EXPECT_EQ(Level(), "MapData//Options.xml") << "a manual run never changes level";
    }
}

TEST_F(MenuFixture, TheSplashShowsTheLogoThenTheTitleAndEscapeSkipsOnlyTheLogo) {
    dir.Write("MapData/Splash.xml",
              "<Level><S Name=\"Splash\"><I><Transform><Position X=\"0\" Y=\"0\" L=\"1\"/><Scale X=\"32\" Y=\"18\"/>"
              "</Transform><SpriteRenderer><Texture T=\"AA_Brennic_Logo\"/></SpriteRenderer>"
              "<Scripts><SplashScreenBehaviour/></Scripts></I></S></Level>");
    Start();
    Engine::graphics::Graphics::instance->LoadTextureBatch(1 << 20);
    engine->factory().LoadLevel("MapData//Splash.xml");
    engine->Step();
    Engine::GameObj* splash = Find("Splash");
    ASSERT_NE(splash, nullptr);
    Tap(Engine::VK_ESCAPE);
    EXPECT_EQ(Level(), "MapData//Splash.xml") << "Escape does nothing in the first three seconds";
    engine->Step(180);
    EXPECT_EQ(splash->GetSprite()->texture, Engine::graphics::FindTexture("TalvikLogo"));
    EXPECT_FLOAT_EQ(splash->transform->scale.x, 20.0f);
    Tap(Engine::VK_ESCAPE);
    EXPECT_TRUE(StepUntilLevel("MapData//MainMenu_KR.xml", 1));
}

}  // namespace

namespace {

// A level that cannot be read never leaves the player in an empty scene or
// behind a closed wipe: the menu stays, with one printed line.
TEST_F(MenuFixture, AMenuEntryWhoseLevelIsMissingKeepsTheMenuWithOneLine) {
    std::remove("MapData/Credits.xml");
    Open("MainMenu_KR");
    WaitUntilRevealed();
    for (int i = 0; i < 4; ++i) Tap('S');  // Credits
    testing::internal::CaptureStdout();
    Tap('F');
    engine->Step(120);
    const std::string output = testing::internal::GetCapturedStdout();
    EXPECT_EQ(Level(), "MapData//MainMenu_KR.xml");
    EXPECT_FALSE(Wipe()->leaving) << "no cover for a level that cannot open";
    EXPECT_TRUE(Engine::Input::instance->active);
    EXPECT_NE(output.find("CreditsLevel"), std::string::npos) << output;
    EXPECT_EQ(output.find('\n'), output.rfind('\n')) << "one line: " << output;
}

TEST_F(MenuFixture, AWipeLeavingForALevelThatCannotOpenUncoversTheScreenAgain) {
    Open("OptionLevel");
    WaitUntilRevealed();
    Transition* wipe = Wipe();
    wipe->leaving = true;
    wipe->Start("NoSuchLevel");
    testing::internal::CaptureStdout();
    engine->Step(200);
    const std::string output = testing::internal::GetCapturedStdout();
    EXPECT_EQ(Level(), "MapData//Options.xml");
    EXPECT_NE(output.find("NoSuchLevel"), std::string::npos) << output;
    EXPECT_EQ(output.find('\n'), output.rfind('\n')) << "one line: " << output;
    EXPECT_FALSE(wipe->leaving);
    EXPECT_TRUE(wipe->revealed) << "the screen is open again";
    EXPECT_FLOAT_EQ(Find("TransitionBird")->transform->scale.x, 0.0f);
    EXPECT_TRUE(Engine::Input::instance->active);
}

}  // namespace

// The how-to-play screen from the title: five pages turned with keys or the
// stick, held at both ends, input ignored until the wipe has opened, and the
// way back.
#include "api/script_api.h"
#include "game/pause/how_to_play_script.h"
#include "support/menu_fixture.h"

namespace {

struct HowToPlayTest : MenuFixture {
    HowToPlayScript* screen = nullptr;
    void SetUp() override {
        Open("HowToPlay");
        screen = Find("HowToPlayLogic")->GetScript<HowToPlayScript>();
        ASSERT_NE(screen, nullptr);
    }
    std::string Page() { return api::TextureOf(Find("MidGround")); }
};

TEST_F(HowToPlayTest, KeysAndTheStickTurnThePagesWithinTheFive) {
    ASSERT_FALSE(Wipe()->revealed);
    Tap('D');
    EXPECT_EQ(screen->page, 0) << "nothing reacts while the wipe still covers";
    WaitUntilRevealed();
    EXPECT_EQ(Page(), "HowToPlay_Controls");
    const struct {
        Engine::VirtualKey key;
        int page;
        const char* texture;
    } steps[] = {{'A', 0, "HowToPlay_Controls"}, {'D', 1, "HowToPlay_Page2"}, {Engine::VK_RIGHT, 2, "HowToPlay_Page3"},
                 {'D', 3, "HowToPlay_Page4"},     {'D', 4, "HowToPlay_Page5"}, {'D', 4, "HowToPlay_Page5"},
                 {Engine::VK_LEFT, 3, "HowToPlay_Page4"}};
    for (const auto& step : steps) {
        Played("event:/Button_Hover");
        Tap(step.key);
        EXPECT_EQ(screen->page, step.page);
        EXPECT_EQ(Page(), step.texture);
        EXPECT_TRUE(Played("event:/Button_Hover"));
    }
    engine->pads().Plug(0);
    engine->pads().State(0)->thumbLX = -32768;
    engine->Step(12);
    EXPECT_EQ(screen->page, 1) << "a held stick turns a page every tenth of a second";
}

TEST_F(HowToPlayTest, EscapeOrBGoesBackToTheTitle) {
    WaitUntilRevealed();
    Played("event:/Menu_Return");
    engine->pads().Plug(0);
    TapPad(Engine::PadBits::kB);
    EXPECT_TRUE(Played("event:/Menu_Return"));
    ASSERT_TRUE(Wipe()->leaving);
    EXPECT_EQ(Wipe()->targetKey, "MainMenu_KR");
    EXPECT_TRUE(StepUntilLevel("MapData//MainMenu_KR.xml", 120));
}

}  // namespace

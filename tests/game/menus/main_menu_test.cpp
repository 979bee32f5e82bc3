// The title screen driven by keys and a pad: moves, ends, sounds, the red
// selected entry, the stick repeat, and leaving with and without a wipe.
#include "game/menus/loading_logic.h"
#include "game/menus/main_menu.h"
#include "graphics/label.h"
#include "graphics/renderable2d.h"
#include "graphics/texture.h"
#include "input/input.h"
#include "support/menu_fixture.h"
#include "sound/audio_engine.h"

namespace {

using Engine::PadBits::kA;
using Engine::PadBits::kDpadDown;
using Engine::PadBits::kDpadUp;

struct MainMenuTest : MenuFixture {
    MainMenu* menu = nullptr;

    void SetUp() override {
        Open("MainMenu_KR");
        Engine::GameObj* logic = Find("MenuLogic");
        ASSERT_NE(logic, nullptr);
        menu = logic->GetScript<MainMenu>();
        ASSERT_NE(menu, nullptr);
        WaitUntilRevealed();
        Played("event:/Button_Hover");
    }
    std::string Selected() const { return MainMenu::kEntries[menu->selected()].object; }
    bool ShowsTexture(const char* object, const char* texture) const {
        Engine::GameObj* entry = Find(object);
        return entry && entry->GetSprite()->texture == Engine::graphics::FindTexture(texture) &&
               Engine::graphics::FindTexture(texture);
    }
};

TEST_F(MainMenuTest, StartsOnPlayWithTheMusic) {
    EXPECT_EQ(Selected(), "Play");
    EXPECT_TRUE(ShowsTexture("Play", "MenuPlay_Red"));
    EXPECT_TRUE(ShowsTexture("Quit", "MenuQuit_Blue"));
    EXPECT_TRUE(Engine::IsEventPlaying("event:/Menu_BGM"));
}

TEST_F(MainMenuTest, KeysAndPadWalkTheEntriesAndStopAtTheEnds) {
    // Each step: what is pressed, and the entry selected afterwards. Every
    // move plays the hover sound, also one that cannot move further.
    const struct {
        bool pad;
        int input;  // key code or pad bit
        const char* selected;
    } steps[] = {
        {false, 'W', "Play"},        {false, 'S', "Practice"}, {true, kDpadDown, "HowToPlay"},
        {false, 'S', "Option"},      {false, 'S', "Credits"},  {true, kDpadDown, "Quit"},
        {false, 'S', "Quit"},        {true, kDpadDown, "Quit"}, {true, kDpadUp, "Credits"},
        {false, 'W', "Option"},
    };
    engine->pads().Plug(0);
    for (const auto& step : steps) {
        if (step.pad)
            TapPad(static_cast<uint16_t>(step.input));
        else
            Tap(static_cast<Engine::VirtualKey>(step.input));
        EXPECT_EQ(Selected(), step.selected);
        EXPECT_TRUE(Played("event:/Button_Hover")) << "after moving to " << step.selected;
    }
    // Only the selected entry is red, and the arrow stands beside it.
    for (const auto& entry : MainMenu::kEntries) {
        const bool selected = Selected() == entry.object;
        EXPECT_TRUE(ShowsTexture(entry.object, selected ? entry.selectedTexture : entry.otherTexture)) << entry.object;
    }
    EXPECT_FLOAT_EQ(Find("Arrow")->transform->position.y, Find("Option")->transform->position.y);
}

TEST_F(MainMenuTest, AnEntryLeftBehindGetsBackItsPlaceAndSize) {
    // The level places every entry at 6.4 x 1.6; the selected one pulses.
    Engine::GameObj* play = Find("Play");
    EXPECT_NE(play->transform->scale.x, 6.4f);
    Tap('S');
    EXPECT_FLOAT_EQ(play->transform->scale.x, 6.4f);
    EXPECT_FLOAT_EQ(play->transform->scale.y, 1.6f);
    EXPECT_NE(Find("Practice")->transform->scale.x, 6.4f);
}

TEST_F(MainMenuTest, AHeldStickWalksOneEntryEveryTenthOfASecond) {
    engine->pads().Plug(0);
    engine->pads().State(0)->thumbLY = -32768;  // fully down
    const struct {
        int frames;  // since the stick went down
        const char* selected;
    } expected[] = {{5, "Play"}, {6, "Practice"}, {11, "Practice"}, {12, "HowToPlay"}, {18, "Option"}, {24, "Credits"}};
    int frames = 0;
    for (const auto& e : expected) {
        engine->Step(e.frames - frames);
        frames = e.frames;
        EXPECT_EQ(Selected(), e.selected) << "after " << frames << " frames";
    }
    // Letting go and pushing again waits the full tenth before moving.
    engine->pads().State(0)->thumbLY = 0;
    engine->Step();
    engine->pads().State(0)->thumbLY = 32767;
    engine->Step(5);
    EXPECT_EQ(Selected(), "Credits");
    engine->Step();
    EXPECT_EQ(Selected(), "Option");
}

TEST_F(MainMenuTest, ConfirmingCoversTheScreenThenOpensTheEntrysLevel) {
    Tap('S');
    Tap('S');
    Tap('S');  // Option
    Tap('F');
    EXPECT_TRUE(Played("event:/Button_Click"));
    ASSERT_TRUE(Wipe()->leaving);
    EXPECT_EQ(Wipe()->targetKey, "OptionLevel");
    EXPECT_FALSE(Engine::Input::instance->active) << "no menu reacts while the wipe covers";
    EXPECT_TRUE(StepUntilLevel("MapData//Options.xml", 120));
    EXPECT_TRUE(Engine::Input::instance->active);
}

TEST_F(MainMenuTest, PadAConfirmsOnRelease) {
    engine->pads().Plug(0);
    for (int i = 0; i < 5; ++i) TapPad(kDpadDown);
    ASSERT_EQ(Selected(), "Quit");
    engine->pads().SetButton(0, kA, true);
    engine->Step();
    EXPECT_FALSE(Wipe()->leaving) << "pressing A alone does not confirm";
    engine->pads().SetButton(0, kA, false);
    engine->Step();
    EXPECT_TRUE(Wipe()->leaving);
    EXPECT_TRUE(StepUntilLevel("MapData//QuitConfirmation.xml", 120));
}

TEST_F(MainMenuTest, COrPadYOpensTheCoopTitleThatTheFootOfTheScreenNames) {
    Engine::GameObj* hint = Find("CoopHint");
    ASSERT_NE(hint, nullptr);
    ASSERT_NE(hint->GetLabel(), nullptr);
    EXPECT_NE(hint->GetLabel()->text.find("co-op"), std::string::npos);

    Tap('C');
    EXPECT_TRUE(Played("event:/Button_Click"));
    ASSERT_TRUE(Wipe()->leaving);
    EXPECT_EQ(Wipe()->targetKey, "MainMenu");
    EXPECT_TRUE(StepUntilLevel("MapData//MainMenu.xml", 120));

    Open("MainMenu_KR");
    WaitUntilRevealed();
    engine->pads().Plug(0);
    TapPad(Engine::PadBits::kY);
    EXPECT_TRUE(StepUntilLevel("MapData//MainMenu.xml", 120)) << Level();
}

TEST_F(MenuFixture, WithoutAWipeTheTitleScreenChangesLevelAtOnce) {
    std::string level = dir.Read("MapData/MainMenu_KR.xml");
    const size_t copy = level.find("<Copy Archetype=\"TransitionBird\">");
    ASSERT_NE(copy, std::string::npos);
    level.erase(copy, level.find("</Copy>", copy) + 7 - copy);
    dir.Write("MapData/Bare.xml", level);
    dir.Write("MapData/Options.xml", "<Level><Marker Name=\"OptionsReached\"><I/></Marker></Level>");
    Start();
    LoadArchetypeList();
    engine->factory().LoadLevel("MapData//Bare.xml");
    engine->Step();
    ASSERT_EQ(Find("TransitionBird"), nullptr);
    for (int i = 0; i < 3; ++i) Tap('S');
    engine->keys().Press('F');
    engine->Step();
    EXPECT_EQ(Level(), "MapData//Options.xml") << "in the same frame";
    EXPECT_NE(Find("OptionsReached"), nullptr);
}

}  // namespace

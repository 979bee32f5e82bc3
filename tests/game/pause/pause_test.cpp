// The pause menu in a gameplay level built from the pasteable snippet
// (MapData/Parts/PauseMenu.xml): pausing and resuming exactly, the entries, the
// how-to-play pages over the game, restart and quit, the mouse buttons, and
// levels where the menu stays off.
#include <string>

#include "api/camera_view.h"
#include "api/script_api.h"
#include "game/levels/level_table.h"
#include "game/pause/pause_behaviour.h"
#include "graphics/renderable2d.h"
#include "graphics/texture.h"
#include "input/input.h"
#include "logic/buttons.h"
#include "logic/game_logic.h"
#include "sound/audio_engine.h"
#include "support/menu_fixture.h"

namespace {

// A piece of the game that runs in the first pass: walks right and counts its updates.
class PauseTestWalker : public Engine::ScriptBase<PauseTestWalker> {
public:
    using ScriptBase::ScriptBase;
    void Update(float dt) override {
        ++updates;
        api::MoveBy(owner, {dt, 0.0f});
    }
    int updates = 0;
};
REGISTER_SCRIPT("PauseTestWalker", PauseTestWalker);

// Sits after the pause menu on the same object and notes any run after its
// object was released by a level load.
class PauseTestProbe : public Engine::ScriptBase<PauseTestProbe> {
public:
    using ScriptBase::ScriptBase;
    void Init() override { self_ = owner; }
    void AlwaysUpdate(float) override {
        if (!self_) ++runsAfterItsLevelEnded;
    }
    static int runsAfterItsLevelEnded;

private:
    api::ObjectRef self_;
};
int PauseTestProbe::runsAfterItsLevelEnded = 0;
REGISTER_SCRIPT("PauseTestProbe", PauseTestProbe);

const char* const kWalker =
    "    <Walker Name=\"Walker\"><I><Transform><Position X=\"-10\" Y=\"0\" Layer=\"2\"/><Scale X=\"1\" Y=\"1\"/>"
    "</Transform><Scripts><PauseTestWalker/></Scripts></I></Walker>\n";
const char* const kWipe =
    "    <Copy Archetype=\"TransitionBird\"><I><Transform><Position X=\"0\" Y=\"0\" Layer=\"15\"/></Transform></I></Copy>\n";

struct PauseTest : MenuFixture {
    PauseBehaviour* menu = nullptr;

    // The snippet's lines, as a level pastes them.
    std::string Snippet() {
        std::string part = dir.Read("MapData/Parts/PauseMenu.xml");
        const size_t start = part.find("-->") + 3;
        return part.substr(start, part.rfind("</Level>") - start);
    }
    void WriteLevel(const std::string& file, const std::string& body) {
        dir.Write("MapData/" + file, "<Level>\n" + body + "</Level>\n");
    }
    void OpenGameplay(const std::string& key = "Level1", bool withWipe = false) {
        WriteLevel(key + ".xml", Snippet() + kWalker + (withWipe ? kWipe : ""));
        if (Engine::Input::instance) Engine::Input::instance->active = true;
        Open(key);
        menu = Find("PauseMenu")->GetScript<PauseBehaviour>();
        ASSERT_NE(menu, nullptr);
        if (withWipe) WaitUntilRevealed();
    }
    bool Paused() { return engine->logic().paused; }
    float WalkerX() { return Find("Walker")->transform->position.x; }
    int WalkerUpdates() { return Find("Walker")->GetScript<PauseTestWalker>()->updates; }
    uint32_t Colour(Engine::GameObj* object) { return object ? object->GetSprite()->color : 0u; }
    // The spawned entries, top to bottom, and the board.
    std::vector<Engine::GameObj*> Entries() {
        return {Find("PauseResumeButton"),   Find("PauseRestartButton"), Find("HowToPlayButton"),
                Find("PauseControlsButton"), Find("PauseQuitButton"),    Find("PauseBackground")};
    }
    bool MenuShown() {
        for (Engine::GameObj* entry : Entries())
            if (!entry || (Colour(entry) >> 24) == 0) return false;
        return true;
    }
    bool MenuHidden() {
        for (Engine::GameObj* entry : Entries())
            if (!entry || (Colour(entry) >> 24) != 0) return false;
        return true;
    }
    Engine::Buttons* Button(const char* name) {
        return api::FindButton(name);
    }
    void Choose(int entry) {
        for (int i = 1; i < entry; ++i) Tap('S');
        ASSERT_EQ(menu->selection, entry);
        Tap('F');
    }
};

TEST_F(PauseTest, EscapeStopsTheGameAndEscapeResumesItExactly) {
    OpenGameplay();
    api::SetCameraZoom(1.5f);
    api::SetCameraPosition({4.0f, 2.0f, 1.0f});
    engine->Step(10);
    EXPECT_TRUE(MenuHidden());
    Tap(Engine::VK_ESCAPE);
    ASSERT_TRUE(Paused());
    const float x = WalkerX();
    const int updates = WalkerUpdates();
    engine->Step(120);
    EXPECT_FLOAT_EQ(WalkerX(), x) << "nothing of the game moves while paused";
    EXPECT_EQ(WalkerUpdates(), updates);
    EXPECT_TRUE(MenuShown());
    EXPECT_FLOAT_EQ(api::CameraZoom(), 1.0f) << "the menu is framed at rest";
    EXPECT_FLOAT_EQ(api::CameraPosition().x, 0.0f);

    engine->keys().Press(Engine::VK_ESCAPE);
    engine->Step();
    engine->keys().Release(Engine::VK_ESCAPE);
    EXPECT_FALSE(Paused());
    EXPECT_TRUE(MenuHidden());
    EXPECT_FLOAT_EQ(api::CameraZoom(), 1.5f) << "the game's view comes back";
    EXPECT_FLOAT_EQ(api::CameraPosition().x, 4.0f);
    EXPECT_FLOAT_EQ(api::CameraPosition().y, 2.0f);
    EXPECT_EQ(WalkerUpdates(), updates) << "the resuming frame's game pass ran before the menu";
    engine->Step(6);
    EXPECT_EQ(WalkerUpdates(), updates + 6);
    EXPECT_NEAR(WalkerX(), x + 6 * TestSupport::HeadlessEngine::kFrame, 1e-5f);
}

TEST_F(PauseTest, StartOnEitherPadPausesWhenItComesUp) {
    for (int pad : {0, 1}) {
        SCOPED_TRACE(pad);
        OpenGameplay();
        engine->pads().Plug(pad);
        engine->pads().SetButton(pad, Engine::PadBits::kStart, true);
        engine->Step();
        EXPECT_FALSE(Paused());
        engine->pads().SetButton(pad, Engine::PadBits::kStart, false);
        engine->Step();
        EXPECT_TRUE(Paused());
        TapPad(Engine::PadBits::kB, pad);
        EXPECT_FALSE(Paused()) << "B resumes";
    }
}

TEST_F(PauseTest, TheEntriesWalkAndStopAtTheEnds) {
    OpenGameplay();
    Tap(Engine::VK_ESCAPE);
    const struct {
        Engine::VirtualKey key;
        int selection;
    } steps[] = {{'W', 1}, {'S', 2}, {'S', 3}, {'S', 4}, {'S', 5}, {'S', 5}, {'W', 4}, {'W', 3}};
    for (const auto& step : steps) {
        Played("event:/Button_Hover");
        Tap(step.key);
        EXPECT_EQ(menu->selection, step.selection);
        EXPECT_TRUE(Played("event:/Button_Hover")) << "also at the ends";
    }
    const char* selectedTextures[] = {"ReseumeSelected", "RestartSelected", "HowToPlaySelected",
                                      "PauseControlsSelected", "QuitToMainMenuSelected"};
    const char* otherTextures[] = {"ReseumeNotSelected", "RestartNotSelected", "HowToPlayNotSelected",
                                   "PauseControlsNotSelected", "QuitToMainMenuNot"};
    const float width = Entries()[0]->transform->scale.x;
    for (int i = 0; i < PauseBehaviour::kEntryCount; ++i) {
        const bool selected = i == 2;
        EXPECT_EQ(api::TextureOf(Entries()[i]), selected ? selectedTextures[i] : otherTextures[i]) << i;
        if (!selected) {
            EXPECT_FLOAT_EQ(Entries()[i]->transform->scale.x, width) << "back to its size";
        }
    }
    engine->Step(20);
    EXPECT_GT(Entries()[2]->transform->scale.x, width) << "the selected entry breathes";
    EXPECT_LE(Entries()[2]->transform->scale.x, width * 1.55f);
}

TEST_F(PauseTest, ResumeEntryResumes) {
    OpenGameplay();
    Tap(Engine::VK_ESCAPE);
    Played("event:/Button_Click");
    Tap('F');
    EXPECT_TRUE(Played("event:/Button_Click"));
    EXPECT_FALSE(Paused());
    EXPECT_TRUE(MenuHidden());
    EXPECT_EQ(menu->selection, PauseBehaviour::kResume);
}

// Restart leaves to the level's own key, the stem of its file, through the wipe.
TEST_F(PauseTest, RestartOpensTheSameLevelAfresh) {
    for (int row = 0; row < levels::RowCount(); ++row) {
        const char* key = levels::Rows()[row].key.c_str();
        SCOPED_TRACE(key);
        OpenGameplay(key, true);
        engine->Step(30);
        Tap(Engine::VK_ESCAPE);
        Choose(PauseBehaviour::kRestart);
        EXPECT_FALSE(Paused());
        ASSERT_TRUE(Wipe()->leaving);
        EXPECT_EQ(Wipe()->targetKey, key);
        const Engine::GameObj* oldWalker = Find("Walker");
        const uint32_t serial = oldWalker->serial;
        for (int frame = 0; frame < 120 && Find("Walker") == oldWalker && oldWalker->serial == serial; ++frame)
            engine->Step();
        EXPECT_EQ(Level(), std::string("MapData//") + key + ".xml");
        EXPECT_LT(WalkerUpdates(), 3) << "a fresh level";
        EXPECT_FLOAT_EQ(WalkerX(), -10.0f + WalkerUpdates() * TestSupport::HeadlessEngine::kFrame);
    }
}

// The menu never changes level from AlwaysUpdate: a level without a wipe gets
// one, so the load comes from the first pass of the next frame and nothing of
// the old level runs after it, not even a script beside the menu on its object.
TEST_F(PauseTest, AfterARestartNothingOfTheOldLevelRunsAgain) {
    WriteLevel("Level1.xml",
               std::string("    <Object Name=\"PauseMenu\"><I><Transform><Position X=\"0\" Y=\"0\" Layer=\"0\"/>"
                           "</Transform><Scripts><PauseBehaviour/><PauseTestProbe/></Scripts></I></Object>\n") +
                   kWalker);
    Open("Level1");
    ASSERT_EQ(Wipe(), nullptr);
    Tap(Engine::VK_ESCAPE);
    Tap('S');
    PauseTestProbe::runsAfterItsLevelEnded = 0;
    const Engine::GameObj* oldWalker = Find("Walker");
    const uint32_t serial = oldWalker->serial;
    engine->keys().Press('F');
    engine->Step();
    engine->keys().Release('F');
    for (int frame = 0; frame < 10 && oldWalker->serial == serial; ++frame) engine->Step();
    EXPECT_NE(oldWalker->serial, serial) << "the level was loaded again";
    engine->Step(3);
    EXPECT_EQ(PauseTestProbe::runsAfterItsLevelEnded, 0);
    EXPECT_EQ(Level(), "MapData//Level1.xml");
    EXPECT_FALSE(Paused());
}

TEST_F(PauseTest, HowToPlayLaysThePagesOverTheGame) {
    OpenGameplay();
    Tap(Engine::VK_ESCAPE);
    Choose(PauseBehaviour::kHowToPlay);
    ASSERT_TRUE(menu->pagesOpen);
    Engine::GameObj* page = Find("HowToPlayScreen");
    Engine::GameObj* backdrop = Find("PauseHTPBackground");
    ASSERT_NE(page, nullptr);
    ASSERT_NE(backdrop, nullptr);
    EXPECT_EQ(api::TextureOf(page), "HowToPlay_Controls");
    EXPECT_EQ(page->GetSprite()->order, PauseBehaviour::kPagesLayer);
    EXPECT_EQ(backdrop->GetSprite()->order, PauseBehaviour::kPagesBackdropLayer);
    EXPECT_EQ(Colour(backdrop), 0xFF000000u);
    EXPECT_TRUE(MenuHidden());
    EXPECT_EQ(Colour(Button("BackToPauseMenu")), 0xFFFFFFFFu) << "the mouse's way back shows";

    const struct {
        Engine::VirtualKey key;
        const char* texture;
    } turns[] = {{'D', "HowToPlay_Page2"}, {'D', "HowToPlay_Page3"}, {'D', "HowToPlay_Page4"},
                 {'D', "HowToPlay_Page5"}, {'D', "HowToPlay_Page5"}, {'A', "HowToPlay_Page4"}};
    for (const auto& turn : turns) {
        Tap(turn.key);
        EXPECT_EQ(api::TextureOf(page), turn.texture);
    }
    Played("event:/Menu_Return");
    Tap(Engine::VK_ESCAPE);
    EXPECT_TRUE(Played("event:/Menu_Return"));
    EXPECT_FALSE(menu->pagesOpen);
    EXPECT_TRUE(Paused()) << "Escape on the pages only closes them";
    EXPECT_EQ(Find("HowToPlayScreen"), nullptr);
    EXPECT_EQ(Find("PauseHTPBackground"), nullptr);
    EXPECT_TRUE(MenuShown());

    // Opened again, the mouse's back button closes them too.
    Tap('F');
    ASSERT_TRUE(menu->pagesOpen);
    EXPECT_EQ(api::TextureOf(Find("HowToPlayScreen")), "HowToPlay_Controls") << "from the first page";
    Button("BackToPauseMenu")->function->Run();
    engine->Step(2);
    EXPECT_FALSE(menu->pagesOpen);
    EXPECT_EQ(Find("HowToPlayScreen"), nullptr);
    EXPECT_TRUE(MenuShown());
}

TEST_F(PauseTest, QuitGoesToTheTitleWithTheCameraAtRest) {
    OpenGameplay("Level1", true);
    Engine::AudioEngine::instance->PlayEvent("event:/Level_BGM");
    api::SetCameraPosition({6.0f, 0.0f, 1.0f});
    Tap(Engine::VK_ESCAPE);
    api::SetCameraPosition({6.0f, 0.0f, 1.0f});  // whatever the view, quitting puts it at rest
    Choose(PauseBehaviour::kQuit);
    EXPECT_FALSE(Paused());
    EXPECT_FLOAT_EQ(api::CameraPosition().x, 0.0f);
    ASSERT_TRUE(Wipe()->leaving);
    EXPECT_EQ(Wipe()->targetKey, "MainMenu_KR");
    EXPECT_TRUE(StepUntilLevel("MapData//MainMenu_KR.xml", 120));
    engine->Step(90);
    EXPECT_FALSE(Engine::IsEventPlaying("event:/Level_BGM")) << "the match music fades out";
}

TEST_F(PauseTest, TheMouseButtonsPauseAndResume) {
    OpenGameplay();
    engine->Step();
    EXPECT_EQ(Colour(Button("Pause")), 0xFFFFFFFFu) << "the pause button shows while playing";
    Button("Pause")->function->Run();
    engine->Step();
    EXPECT_TRUE(Paused());
    EXPECT_EQ(Colour(Button("Pause")) >> 24, 0u);
    EXPECT_EQ(Colour(Button("Resume")) >> 24, 0u) << "the resume area never draws over the entry";
    Button("Resume")->function->Run();
    EXPECT_FALSE(Paused());
    engine->Step();
    EXPECT_TRUE(MenuHidden());
    EXPECT_EQ(Colour(Button("Pause")), 0xFFFFFFFFu);
    engine->Step(5);
    EXPECT_FALSE(Paused()) << "showing the button again is not a click";
}

TEST_F(PauseTest, OutsideTheGameplayLevelsTheMenuStaysOff) {
    WriteLevel("Arena.xml", Snippet() + kWalker);
    testing::internal::CaptureStdout();
    Open("MainMenu_KR");  // archetypes in
    engine->factory().LoadLevel("MapData//Arena.xml");
    const std::string output = testing::internal::GetCapturedStdout();
    EXPECT_NE(output.find("not a gameplay level"), std::string::npos) << output;
    engine->Step();
    Tap(Engine::VK_ESCAPE);
    EXPECT_FALSE(Paused());
    EXPECT_EQ(Find("PauseResumeButton"), nullptr) << "no menu was built";
    engine->Step(5);
    EXPECT_GT(WalkerUpdates(), 5);
}

}  // namespace

// Mouse buttons placed by level files: the world-space hit test, the command
// table and the twelve commands.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/core.h"
#include "game/menus/menu_buttons.h"
#include "game/pause/pause_buttons.h"
#include "graphics/camera.h"
#include "graphics/graphics.h"
#include "graphics/mouse_world.h"
#include "graphics/renderable2d.h"
#include "input/input.h"
#include "logic/buttons.h"
#include "logic/game_logic.h"
#include "objects/game_object_factory.h"
#include "objects/level_paths.h"
#include "support/headless_engine.h"
#include "support/scratch_dir.h"

namespace {

int recordedClicks = 0;

// Counts its runs, so a test can see exactly when a button fires.
class RecordClick : public Engine::ButtonFunctionBase<RecordClick> {
public:
    void Execute() override { ++recordedClicks; }
};
REGISTER_BUTTON_COMMAND("TestRecordClick", RecordClick);

constexpr uint32_t kShown = 0xFFFFFFFF;
constexpr uint32_t kHidden = 0x00FFFFFF;

std::string ButtonXml(const std::string& name, float x, float y, float w, float h, const std::string& command) {
    return "<Button Name=\"" + name + "\"><I><Transform><Position X=\"" + std::to_string(x) + "\" Y=\"" +
           std::to_string(y) + "\" L=\"10\"/><Scale X=\"" + std::to_string(w) + "\" Y=\"" + std::to_string(h) +
           "\"/></Transform><Function F=\"" + command + "\"/></I></Button>";
}

std::string ObjectXml(const std::string& name, float x, float y) {
    return "<G Name=\"" + name + "\"><I><Transform><Position X=\"" + std::to_string(x) + "\" Y=\"" +
           std::to_string(y) + "\" L=\"5\"/></Transform><SpriteRenderer/></I></G>";
}

struct ButtonsTest : ::testing::Test {
    TestSupport::ScratchDir dir;
    std::unique_ptr<TestSupport::HeadlessEngine> engine;

    void SetUp() override {
        recordedClicks = 0;
        testing::internal::CaptureStdout();  // the missing data files
        engine = std::make_unique<TestSupport::HeadlessEngine>();
        // No loading screen here: a boot frame without one would stop the game.
        engine->logic().boot = false;
        engine->Step();
        testing::internal::GetCapturedStdout();
    }
    void TearDown() override { engine.reset(); }

    Engine::GameObjectFactory& factory() { return engine->factory(); }
    Engine::GameLogic& logic() { return engine->logic(); }

    void Load(const std::string& body, const std::string& path = "MapData//Menu.xml") {
        dir.Write(path, "<Level>" + body + "</Level>");
        factory().LoadLevel(path);
        // Zoom 1 at the origin: the 1280 x 720 client area shows x in [-16, 16], y in [-9, 9].
        Engine::graphics::Camera::main->ResetView();
    }
    Engine::Buttons* Button(const std::string& name) {
        for (auto& button : logic().buttonPool)
            if (button->active && button->name == name) return button.get();
        return nullptr;
    }
    static void PointAt(double worldX, double worldY) {
        Engine::graphics::Graphics::instance->SetMousePosition((worldX / 32.0 + 0.5) * 1280.0,
                                                             (0.5 - worldY / 18.0) * 720.0);
    }
    // One frame with the left button held over a world point.
    void ClickAt(double worldX, double worldY) {
        PointAt(worldX, worldY);
        engine->keys().Press(Engine::VK_LBUTTON);
        engine->Step();
        engine->keys().Release(Engine::VK_LBUTTON);
    }
    void Click(const std::string& name) {
        Engine::Buttons* button = Button(name);
        ASSERT_NE(button, nullptr) << name;
        ClickAt(button->transform->position.x, button->transform->position.y);
    }
    static uint32_t Color(Engine::GameObj* object) { return object->GetSprite()->color; }
};

TEST_F(ButtonsTest, HitRectangleFollowsTheScale) {
    Load(ButtonXml("Wide", 0, 0, 4, 1, "TestRecordClick"));
    const struct {
        double x, y;
        bool hit;
    } cases[] = {{0, 0, true},    {-2, 0, true},     {2, 0, true},     {2, 0.49, true}, {-2, -0.49, true},
                 {2.1, 0, false}, {-2.1, 0, false},  {0, 0.51, false}, {0, -0.51, false}};
    for (const auto& c : cases) {
        const int before = recordedClicks;
        ClickAt(c.x, c.y);
        EXPECT_EQ(recordedClicks - before, c.hit ? 1 : 0) << "at " << c.x << ", " << c.y;
    }
    // The edges themselves belong to the rectangle.
    const Engine::Buttons& wide = *Button("Wide");
    EXPECT_TRUE(wide.Contains(2.0, 0.5));
    EXPECT_TRUE(wide.Contains(-2.0, -0.5));
    EXPECT_FALSE(wide.Contains(2.0, 0.5000001));
    // Over the button without the left button: nothing.
    PointAt(0, 0);
    engine->Step();
    EXPECT_EQ(recordedClicks, 5);
    // Held over it, the command runs every frame.
    engine->keys().Press(Engine::VK_LBUTTON);
    engine->Step(3);
    EXPECT_EQ(recordedClicks, 8);
    engine->keys().Release(Engine::VK_LBUTTON);
    // A rescaled button is hit by its new rectangle.
    Button("Wide")->transform->scale = {1.0f, 1.0f};
    ClickAt(1.9, 0);
    EXPECT_EQ(recordedClicks, 8);
}

TEST_F(ButtonsTest, TheMouseIsReadThroughTheCameraThatDrawsTheScreen) {
    Load(ButtonXml("Far", 10, -4, 2, 2, "TestRecordClick"));
    Engine::graphics::Camera& camera = *Engine::graphics::Camera::main;
    const struct {
        float cx, cy, zoom;
    } cameras[] = {{0, 0, 1}, {10, -4, 1}, {0, -3.8f, 1.5f}, {6, 2, 0.75f}};
    for (const auto& c : cameras) {
        camera.SetZoom(c.zoom);
        camera.SetPosition({c.cx, c.cy, 1.0f});
        // Where the shaders put world point (10, -4): projection x world view x camera view.
        const Engine::mat4 toScreen = camera.projection *
                                      Engine::mat4::orthographic(-32, 32, -18, 18, -1, 1) * camera.view;
        const Engine::vec3 ndc = toScreen * Engine::vec3(10.0f, -4.0f, 0.0f);
        const double px = (ndc.x + 1.0) / 2.0 * 1280.0, py = (1.0 - ndc.y) / 2.0 * 720.0;
        const Engine::graphics::WorldPoint back = Engine::graphics::ClientToWorld(px, py, 1280, 720);
        EXPECT_NEAR(back.x, 10.0, 1e-3) << "camera " << c.cx << ", " << c.cy << " zoom " << c.zoom;
        EXPECT_NEAR(back.y, -4.0, 1e-3) << "camera " << c.cx << ", " << c.cy << " zoom " << c.zoom;
        // And the button drawn there is the one the click reaches.
        const int before = recordedClicks;
        Engine::graphics::Graphics::instance->SetMousePosition(px, py);
        engine->keys().Press(Engine::VK_LBUTTON);
        engine->Step();
        engine->keys().Release(Engine::VK_LBUTTON);
        EXPECT_EQ(recordedClicks, before + 1);
    }
}

TEST_F(ButtonsTest, HeldQuitEndsTheProgramUnlessTheHowToPlayPageIsOpen) {
    Load(ButtonXml("Quit", 0, 0, 4, 1, "QuitGame"));
    Engine::GameLogic::instance->howToPlayOpen = true;
    Click("Quit");
    EXPECT_TRUE(engine->core().active);
    Engine::GameLogic::instance->howToPlayOpen = false;
    Click("Quit");
    EXPECT_FALSE(engine->core().active);
}

TEST_F(ButtonsTest, PauseThenResumeLeavesBothButtonsShown) {
    Load(ButtonXml("Pause", -5, 0, 2, 1, "PauseGame") + ButtonXml("Resume", 5, 0, 2, 1, "ResumeGame"));
    Engine::SetColor(Button("Resume"), kHidden);
    Click("Pause");
    EXPECT_EQ(Color(Button("Resume")), kShown);
    EXPECT_EQ(Color(Button("Pause")), kHidden);
    Click("Resume");
    EXPECT_EQ(Color(Button("Pause")), kShown);
    EXPECT_EQ(Color(Button("Resume")), kShown);
    EXPECT_EQ(Button("Pause")->function->target, Button("Resume"));
}

TEST_F(ButtonsTest, HowToPlayPageOpensAndClosesOnlyWhereItsObjectsExist) {
    const std::string pauseMenu = ButtonXml("HowTo", -6, 0, 2, 1, "HowToPlayPause") +
                                  ButtonXml("BackToPauseMenu", 6, 0, 2, 1, "ReturnToPauseMenu") +
                                  ButtonXml("Quit", 0, -6, 2, 1, "QuitGame") +
                                  ButtonXml("Resume", 0, 6, 2, 1, "PauseMenuResumeGame");
    // No page in this level: nothing opens and quitting still works.
    Load(pauseMenu);
    Click("HowTo");
    EXPECT_FALSE(Engine::GameLogic::instance->howToPlayOpen);

    // A page but no pause menu: the page opens, and cannot be closed here.
    Load(pauseMenu + ObjectXml("HowToPlayScreen", 0, 0), "MapData//Page.xml");
    Engine::GameObj* page = Engine::GameObj::FindObject("HowToPlayScreen");
    Engine::SetColor(page, kHidden);
    Engine::SetColor(Button("BackToPauseMenu"), kHidden);
    Click("HowTo");
    EXPECT_TRUE(Engine::GameLogic::instance->howToPlayOpen);
    EXPECT_EQ(Color(page), kShown);
    EXPECT_EQ(Color(Button("BackToPauseMenu")), kShown);
    Click("BackToPauseMenu");
    EXPECT_TRUE(Engine::GameLogic::instance->howToPlayOpen);
    // While it is open, quit and resume are blocked.
    engine->logic().paused = true;
    Click("Resume");
    EXPECT_TRUE(engine->logic().paused);
    Click("Quit");
    EXPECT_TRUE(engine->core().active);

    // With the pause menu: closing hides the page and the back button.
    Load(pauseMenu + ObjectXml("HowToPlayScreen", 0, 0) + ObjectXml("PauseMenu", 0, 8), "MapData//Pause.xml");
    page = Engine::GameObj::FindObject("HowToPlayScreen");
    Click("BackToPauseMenu");
    EXPECT_FALSE(Engine::GameLogic::instance->howToPlayOpen);
    EXPECT_EQ(Color(page), kHidden);
    EXPECT_EQ(Color(Button("BackToPauseMenu")), kHidden);
    Click("Resume");
    EXPECT_FALSE(engine->logic().paused);

    // A page left in the pool by an earlier level does not count.
    Load(pauseMenu, "MapData//Plain.xml");
    Click("HowTo");
    EXPECT_FALSE(Engine::GameLogic::instance->howToPlayOpen);
    Click("Quit");
    EXPECT_FALSE(engine->core().active);
}

TEST_F(ButtonsTest, LevelCommandsLoadTheirRegisteredLevel) {
    dir.Write("MapData//Main.xml", "<Level>" + ButtonXml("Again", 0, 0, 2, 1, "LoadLevelLevel1") + "</Level>");
    Engine::GameObjectFactory::instance->levelPaths["MainMenu"] = "MapData//Main.xml";
    Load(ButtonXml("Home", 0, 0, 2, 1, "LoadLevelMainMenu"));
    // The load releases the very button whose command is running.
    Click("Home");
    EXPECT_EQ(factory().currentLevelPath, "MapData//Main.xml");
    ASSERT_NE(Button("Again"), nullptr);
    // "Level1" is not in the table: one line, and the level stays.
    testing::internal::CaptureStdout();
    Click("Again");
    EXPECT_NE(testing::internal::GetCapturedStdout().find("\"Level1\""), std::string::npos);
    EXPECT_EQ(factory().currentLevelPath, "MapData//Main.xml");
}

TEST_F(ButtonsTest, AnUnknownCommandLeavesTheButtonWithoutOne) {
    testing::internal::CaptureStdout();
    Load(ButtonXml("Odd", 0, 0, 2, 1, "NoSuchCommand") + ButtonXml("Next", 4, 0, 2, 1, "QuitGame"));
    EXPECT_NE(testing::internal::GetCapturedStdout().find("NoSuchCommand"), std::string::npos);
    Engine::Buttons* odd = Button("Odd");
    ASSERT_NE(odd, nullptr);
    EXPECT_EQ(odd->command, "NoSuchCommand");
    EXPECT_EQ(odd->function, nullptr);
    Click("Odd");
    EXPECT_TRUE(engine->core().active);
    // Replacing a command drops the old one.
    Engine::Buttons* next = Button("Next");
    next->SetCommand("PauseMenuResumeGame");
    EXPECT_NE(dynamic_cast<PauseButtons::PauseMenuResumeGame*>(next->function.get()), nullptr);
    EXPECT_EQ(next->function->button, next);
}

TEST(ButtonCommandTable, HoldsTheTwelveCommandsAsPrototypes) {
    const char* names[] = {"LoadLevelMainMenu", "LoadLevelLevel1", "PauseGame",       "ResumeGame",
                           "LoadToOption",      "LoadToCredits",   "QuitGame",        "LoadToCutScene",
                           "HowToPlay",         "PauseMenuResumeGame", "HowToPlayPause", "ReturnToPauseMenu"};
    for (const char* name : names) {
        auto it = Engine::ButtonCommands().find(name);
        ASSERT_NE(it, Engine::ButtonCommands().end()) << name;
        EXPECT_EQ(it->second->button, nullptr) << name;
    }
    const struct {
        const char* command;
        const char* levelKey;
    } loads[] = {{"LoadLevelMainMenu", "MainMenu"}, {"LoadLevelLevel1", "Level1"},
                 {"LoadToOption", "OptionLevel"},   {"LoadToCredits", "CreditsLevel"},
                 {"LoadToCutScene", "LevelSelector"}, {"HowToPlay", "HowToPlay"}};
    for (const auto& l : loads) {
        auto command = Engine::MakeButtonFunction(l.command, nullptr);
        auto* load = dynamic_cast<MenuButtons::LoadLevelCommand*>(command.get());
        ASSERT_NE(load, nullptr) << l.command;
        EXPECT_EQ(load->levelKey, l.levelKey);
    }
}

}  // namespace

// What the wiring builds and connects: the graphics system at the window's size,
// the run's settings in the Core, and the focus broadcast reaching the systems.

#include <gtest/gtest.h>

#include <string>

#include "core/core.h"
#include "graphics/graphics.h"
#include "input/input.h"
#include "logic/game_logic.h"
#include "objects/game_object_factory.h"
#include "sound/sound.h"
#include "support/headless_engine.h"
#include "support/scratch_dir.h"
#include "wiring/engine.h"

namespace {

struct SizeCase {
    const char* name;
    int width, height;
    bool editor;
    int expectedWidth, expectedHeight;
};

TEST(EngineWiring, TheGraphicsSystemStartsAtTheSizeTheWindowPropertiesGive) {
    const SizeCase cases[] = {
        {"900 x 500", 900, 500, false, 900, 500},
        {"1600 x 900 in editor mode", 1600, 900, true, 1600, 900},
        {"an unusable size falls back", 0, 0, false, 1280, 720},
    };
    for (const SizeCase& c : cases) {
        SCOPED_TRACE(c.name);
        TestSupport::ScratchDir dir;
        dir.Write("MapData/WindowProperties.xml", "<Window><Title T=\"Sized\"/><Width W=\"" + std::to_string(c.width) +
                                                      "\"/><Height H=\"" + std::to_string(c.height) +
                                                      "\"/><Editor E=\"" + (c.editor ? "1" : "0") + "\"/></Window>");
        Engine::EngineOptions options;
        options.scriptedInput = true;
        options.silentSound = true;
        testing::internal::CaptureStdout();
        // Built, not initialised: the window opens nothing before Initialize.
        Engine::EngineSystems systems(options);
        testing::internal::GetCapturedStdout();
        ASSERT_NE(systems.window, nullptr);
        EXPECT_EQ(systems.graphics->clientWidth, c.expectedWidth);
        EXPECT_EQ(systems.graphics->clientHeight, c.expectedHeight);
        EXPECT_EQ(systems.core->settings.editorMode, c.editor);
    }
}

TEST(EngineWiring, FocusChangesReachSoundLogicAndInputAsOneBroadcast) {
    TestSupport::ScratchDir dir;
    testing::internal::CaptureStdout();
    TestSupport::HeadlessEngine engine;
    testing::internal::GetCapturedStdout();
    Engine::EngineSystems& systems = engine.systems();
    // A level whose pause menu asked for it pauses on losing the focus; a menu does not.
    for (const bool pauses : {true, false}) {
        SCOPED_TRACE(pauses ? "a match" : "a menu");
        systems.logic->pauseOnFocusLoss = pauses;
        systems.logic->paused = false;
        Engine::FocusMessage lost(false);
        systems.core->BroadcastMessage(&lost);
        EXPECT_FALSE(systems.input->active);
        EXPECT_TRUE(systems.sound->Audio()->muted);
        EXPECT_EQ(systems.logic->paused, pauses);
        Engine::FocusMessage gained(true);
        systems.core->BroadcastMessage(&gained);
        EXPECT_TRUE(systems.input->active);
        EXPECT_FALSE(systems.sound->Audio()->muted);
        EXPECT_EQ(systems.logic->paused, pauses) << "regaining focus resumes nothing";
    }
}

// What the command line sets reaches the systems: the frame limit ends the loop
// with a quit after the given frame, the rewritten files go where the options say
// and --windowed keeps the game out of full screen.
TEST(EngineWiring, TheRunsOptionsReachTheSystems) {
    TestSupport::ScratchDir dir;
    dir.Write("user/LevelPaths.xml", "<LevelPaths><LoadingScreen LoadingScreen=\"MapData//Nowhere.xml\"/></LevelPaths>");
    dir.Write("user/sound.xml", "<Sound><Volume Volume=\"0.25\"/><Mute Mute=\"0\"/></Sound>");
    // The boot frame's loading screen, which the game cannot start without.
    dir.Write("MapData/LoadingScreen.xml", "<Level></Level>");
    Engine::EngineOptions options = Engine::EngineOptions::Headless();
    options.files.levelPathsFile = dir.path() + "/user/LevelPaths.xml";
    options.files.textureListFile = dir.path() + "/user/Texture.xml";
    options.files.soundSettingsFile = dir.path() + "/user/sound.xml";
    options.windowed = true;
    options.quitAfterFrames = 3;
    testing::internal::CaptureStdout();
    {
        Engine::EngineSystems systems(options);
        struct Counter : Engine::System {
            bool Initialize() override { return true; }
            void Update(float) override { ++frames; }
            int frames = 0;
        } counter;
        systems.core->Register(&counter);
        ASSERT_TRUE(systems.Initialize());
        EXPECT_EQ(systems.factory->levelPaths["LoadingScreen"], "MapData//Nowhere.xml");
        // A file from before the two groups: its one volume is both.
        EXPECT_FLOAT_EQ(systems.sound->Audio()->musicVolume, 0.25f);
        EXPECT_FLOAT_EQ(systems.sound->Audio()->effectsVolume, 0.25f);
        EXPECT_EQ(systems.graphics->textureListPath, options.files.textureListFile);
        EXPECT_FALSE(systems.logic->fullscreen);
        systems.Run();
        EXPECT_EQ(counter.frames, 3);
        EXPECT_FALSE(systems.core->active);
        systems.core->systems.pop_back();  // the counter is not the wiring's to delete
        systems.factory->levelPaths["Added"] = "MapData//Added.xml";
    }
    testing::internal::GetCapturedStdout();
    // Written back at exit to the same place.
    EXPECT_NE(dir.Read("user/LevelPaths.xml").find("MapData//Added.xml"), std::string::npos);
}

}  // namespace

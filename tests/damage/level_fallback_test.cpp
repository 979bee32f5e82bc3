// A level that cannot be read: the game goes back to the level that was running,
// or stops with one line naming the file when there is nothing to go back to.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

#include "core/core.h"
#include "logic/game_logic.h"
#include "objects/game_obj.h"
#include "objects/game_object_factory.h"
#include "objects/level_paths.h"
#include "support/headless_engine.h"
#include "support/scratch_dir.h"

namespace {

const char* kLevel = "<Level><G Name=\"Marker\"><I><Transform><Position X=\"1\"/></Transform></I></G></Level>";

struct FallbackCase {
    const char* name;
    const char* before;  // the level running when the broken one is asked for ("" for none)
    bool goesBack;
};

}  // namespace

TEST(LevelFallbackTest, ABrokenLevelGoesBackOrStopsNamingTheFile) {
    const FallbackCase cases[] = {
        {"from a running level", "MapData//Running.xml", true},
        {"from the loading screen", "MapData//LoadingScreen.xml", false},
        {"with nothing running", "", false},
    };
    for (const FallbackCase& c : cases) {
        SCOPED_TRACE(c.name);
        TestSupport::ScratchDir dir;
        dir.Write("MapData/Running.xml", kLevel);
        dir.Write("MapData/LoadingScreen.xml", kLevel);
        dir.Write("MapData/Broken.xml", "<Level><G Name=");
        testing::internal::CaptureStdout();
        auto engine = std::make_unique<TestSupport::HeadlessEngine>();
        engine->logic().boot = false;
        Engine::GameObjectFactory& factory = engine->factory();
        if (*c.before) factory.LoadLevel(c.before);
        factory.LoadLevel("MapData//Broken.xml");
        const std::string out = testing::internal::GetCapturedStdout();
        EXPECT_NE(out.find("Broken.xml"), std::string::npos) << out;
        if (c.goesBack) {
            EXPECT_EQ(factory.currentLevelPath, c.before);
            EXPECT_TRUE(engine->core().active);
            int markers = 0;
            for (const auto& object : factory.objectPool) markers += object->active && object->name == "Marker";
            EXPECT_EQ(markers, 1) << "the running level is whole again";
        } else {
            EXPECT_FALSE(engine->core().active) << "the game must stop";
            EXPECT_NE(out.find("Cannot go on without MapData//Broken.xml"), std::string::npos) << out;
        }
    }
}

TEST(LevelFallbackTest, AMissingKeyNamesTheLevelPathTable) {
    TestSupport::ScratchDir dir;
    dir.Write("MapData/LoadingScreen.xml", kLevel);
    testing::internal::CaptureStdout();
    TestSupport::HeadlessEngine engine;
    engine.logic().boot = false;
    engine.factory().LoadLevel("MapData//LoadingScreen.xml");
    engine.factory().LoadLevel(engine.factory().levelPaths["NoSuchKey"]);
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("Cannot go on without MapData//LevelPaths.xml"), std::string::npos) << out;
    EXPECT_FALSE(engine.core().active);
}

TEST(LevelFallbackTest, ARunningLevelThatBreaksAsItIsLoadedAgainStops) {
    TestSupport::ScratchDir dir;
    dir.Write("MapData/Running.xml", kLevel);
    testing::internal::CaptureStdout();
    TestSupport::HeadlessEngine engine;
    engine.logic().boot = false;
    engine.factory().LoadLevel("MapData//Running.xml");
    dir.Write("MapData/Running.xml", "");
    engine.factory().LoadLevel("MapData//Missing.xml");
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("Back to MapData//Running.xml"), std::string::npos) << out;
    EXPECT_NE(out.find("Cannot go on without MapData//Running.xml"), std::string::npos) << out;
    EXPECT_FALSE(engine.core().active);
}

TEST(LevelPathTableTest, AFileThatDoesNotReadAsATableIsNeverReplaced) {
    // Text without a root element parses, but holds no table.
    const char* damaged[] = {"<000000LevelPaths>", "<!-- nothing -->", ""};
    for (const char* text : damaged) {
        SCOPED_TRACE(text);
        TestSupport::ScratchDir dir;
        dir.Write("LevelPaths.xml", text);
        std::map<std::string, std::string> table;
        testing::internal::CaptureStdout();
        const bool read = Engine::ReadLevelPaths("LevelPaths.xml", table);
        const bool written = Engine::WriteLevelPaths("LevelPaths.xml", {{"Level1", "MapData//Level1.xml"}});
        testing::internal::GetCapturedStdout();
        EXPECT_FALSE(read);
        EXPECT_FALSE(written);
        EXPECT_EQ(dir.Read("LevelPaths.xml"), text);
    }
}

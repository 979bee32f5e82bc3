#include <algorithm>

#include "core/editor_mode.h"
#include "logic/script_registry.h"
#include "logic_fixture.h"

namespace {

using LogicTest::log;
using Strings = std::vector<std::string>;

const char* kTwoObjects = R"(<Level>
    <G Name="A"><I><Scripts><Recorder/><OtherRecorder/></Scripts></I></G>
    <G Name="B"><I><Scripts><Recorder/></Scripts></I></G>
</Level>)";

struct ScriptPassTest : LogicFixture {
    void SetUp() override {
        dir.Write("MapData/LevelPaths.xml",
                  "<LevelPaths>\n    <LoadingScreen LoadingScreen=\"MapData//LoadingScreen.xml\" />\n"
                  "    <Next Next=\"MapData//Next.xml\" />\n</LevelPaths>\n");
        dir.Write("MapData/LoadingScreen.xml", kTwoObjects);
        dir.Write("MapData/Next.xml", R"(<Level><G Name="N"><I><Scripts><Recorder/></Scripts></I></G></Level>)");
        Start();
    }
    Strings Frame() {
        log.clear();
        engine->Step();
        return log;
    }
};

TEST_F(ScriptPassTest, TheBootFrameLoadsTheLoadingScreenAndRunsNoPass) {
    EXPECT_EQ(Frame(), (Strings{"A.Recorder.init", "A.OtherRecorder.init", "B.Recorder.init"}));
    EXPECT_FALSE(logic().boot);
    EXPECT_EQ(factory().currentLevelPath, "MapData//LoadingScreen.xml");
    // The boot load left a level change pending: only the first script runs its Update.
    EXPECT_EQ(Frame(), (Strings{"A.Recorder.update", "A.Recorder.always", "A.OtherRecorder.always",
                                "B.Recorder.always"}));
    EXPECT_EQ(Frame(), (Strings{"A.Recorder.update", "A.OtherRecorder.update", "B.Recorder.update",
                                "A.Recorder.always", "A.OtherRecorder.always", "B.Recorder.always"}));
}

TEST_F(ScriptPassTest, ALevelLoadedInsideUpdateEndsTheFirstPassOnly) {
    engine->Step(3);
    LogicTest::onUpdateObject = "A";
    LogicTest::onUpdate = [](Engine::GameObj&) {
        Engine::GameObjectFactory::instance->LoadLevel(Engine::GameObjectFactory::instance->levelPaths["Next"]);
    };
    // A's first script loads the level: nothing else of the old level runs again,
    // and the second pass already runs over the new level.
    EXPECT_EQ(Frame(), (Strings{"A.Recorder.update", "N.Recorder.init", "N.Recorder.always"}));
    EXPECT_FALSE(logic().LevelChangePending());
    EXPECT_EQ(Frame(), (Strings{"N.Recorder.update", "N.Recorder.always"}));
}

TEST_F(ScriptPassTest, ALevelLoadedOutsideTheFirstPassStopsTheNextFrameAfterOneScript) {
    engine->Step(3);
    factory().LoadLevel("MapData//LoadingScreen.xml");
    EXPECT_TRUE(logic().LevelChangePending());
    EXPECT_EQ(Frame(), (Strings{"A.Recorder.update", "A.Recorder.always", "A.OtherRecorder.always",
                                "B.Recorder.always"}));
}

TEST_F(ScriptPassTest, PauseStopsTheFirstPassOnly) {
    engine->Step(3);
    logic().paused = true;
    EXPECT_EQ(Frame(), (Strings{"A.Recorder.always", "A.OtherRecorder.always", "B.Recorder.always"}));
}

TEST_F(ScriptPassTest, InactiveObjectsGetNoUpdates) {
    engine->Step(3);
    Engine::GameObj::FindObject("B")->active = false;
    EXPECT_EQ(Frame(), (Strings{"A.Recorder.update", "A.OtherRecorder.update", "A.Recorder.always",
                                "A.OtherRecorder.always"}));
}

TEST_F(ScriptPassTest, TimeScaleReachesTheScripts) {
    engine->Step(3);
    logic().timeScale = 0.5f;
    engine->Step(1, 0.02f);
    auto* recorder = Engine::GameObj::FindObject("B")->GetScript<LogicTest::Recorder>();
    EXPECT_FLOAT_EQ(recorder->lastDt, 0.01f);
    // Every level load sets it back.
    factory().LoadLevel("MapData//Next.xml");
    EXPECT_EQ(logic().timeScale, 1.0f);
}

TEST_F(ScriptPassTest, ScriptsAttachOnceAndUnknownNamesAttachNothing) {
    dir.Write("MapData/Names.xml", R"(<Level><G Name="C"><I><Scripts>
        <Recorder/><Recorder/><NoSuchScript/><!--OtherRecorder-->
    </Scripts></I></G></Level>)");
    engine->Step();  // the boot frame
    testing::internal::CaptureStdout();
    factory().LoadLevel("MapData//Names.xml");
    const std::string output = testing::internal::GetCapturedStdout();
    EXPECT_EQ(output, "MapData//Names.xml\n");  // nothing said about the unknown name
    ASSERT_NE(Engine::GameObj::FindObject("C"), nullptr);
    const auto& scripts = Engine::GameObj::FindObject("C")->GetScripts()->scripts;
    ASSERT_EQ(scripts.size(), 2u);  // the comment's text names a registered script
    EXPECT_EQ(scripts[0]->name, "Recorder");
    EXPECT_EQ(scripts[1]->name, "OtherRecorder");
}

TEST_F(ScriptPassTest, SpawnStartsScriptsAtOnceEvenInEditorMode) {
    dir.Write("Objects/Walker.xml", R"(<A Name="Walker"><Scripts><Recorder/><Ghost/></Scripts></A>)");
    factory().LoadArchetype("Walker.xml");
    engine->Step();  // the boot frame
    engine->core().settings.editorMode = true;
    log.clear();
    factory().LoadLevel("MapData//Next.xml");
    EXPECT_EQ(log, Strings{});  // no Init for level objects in editor mode
    Engine::GameObj* walker = Engine::Spawn("Walker", 1, 2);
    engine->core().settings.editorMode = false;
    ASSERT_NE(walker, nullptr);
    EXPECT_EQ(log, (Strings{"Walker.Recorder.init"}));
    EXPECT_EQ(walker->GetScripts()->scripts.size(), 1u);
    // The copy's script keeps the name its class gave it.
    EXPECT_EQ(walker->GetScripts()->scripts[0]->name, "Recorder");
}

TEST_F(ScriptPassTest, DroppedFilesAreSortedByExtension) {
    const struct {
        const char* path;
        bool stored;
    } cases[] = {{"/tmp/a.png", true}, {"/tmp/b.PNG", true}, {"/tmp/c.Png", false}, {"/tmp/noext", false}};
    for (const auto& c : cases) {
        logic().lastDroppedImagePath.clear();
        Engine::FileDraggedMessage message(c.path);
        logic().SendMessage(&message);
        EXPECT_EQ(logic().lastDroppedImagePath == c.path, c.stored) << c.path;
    }
}

TEST_F(ScriptPassTest, UndoHistoryKeepsTheNewestTwenty) {
    for (int i = 0; i < 25; ++i) {
        Engine::EditorSnapshot snapshot;
        snapshot.entries.push_back(
            {std::make_unique<Engine::GameObj>(0, 1.0f, 1.0f, 0.0f, "", "Default", 0.0f, 0.0f), nullptr});
        snapshot.entries.back().copy->name = std::to_string(i);
        logic().AddSnapshot(std::move(snapshot));
    }
    ASSERT_EQ(logic().UndoHistory.size(), 20u);
    EXPECT_EQ(logic().UndoHistory.front().entries[0].copy->name, "5");
    factory().LoadLevel("MapData//Next.xml");
    EXPECT_TRUE(logic().UndoHistory.empty());
}

TEST_F(ScriptPassTest, TheLevelPathTableIsWrittenBackAtExit) {
    factory().levelPaths["Added"];
    engine.reset();
    EXPECT_EQ(dir.Read("MapData/LevelPaths.xml"),
              "<LevelPaths>\n    <Added Added=\"\" />\n"
              "    <LoadingScreen LoadingScreen=\"MapData//LoadingScreen.xml\" />\n"
              "    <Next Next=\"MapData//Next.xml\" />\n</LevelPaths>\n");
}

}  // namespace

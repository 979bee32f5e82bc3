// The opening storyboard: its pages follow the clock (page 1 for two seconds,
// every other page for one), it leads into the level table's first story level just after ten seconds,
// and Enter or Start on either pad skips there at once.
#include "objects/game_object_factory.h"
#include "game/levels/level_table.h"
#include "game/story/cut_scene_behaviour.h"
#include "objects/level_paths.h"
#include "story_fixture.h"

namespace {

constexpr const char* kTarget = "MapData//StoryTestTarget.xml";

// The key the storyboard leads to: the row at the story's first place.
std::string FirstStoryKey() {
    const levels::LevelRow* row = levels::RowAtSlot(levels::Screen::Story, 1);
    return row ? row->key.c_str() : "";
}

struct OpeningStoryboardTest : StoryFixture {
    void SetUp() override {
        dir.Write("MapData/StoryTestTarget.xml",
                  "<Level>\n    <Object Name=\"Arrived\">\n        <Instance>\n            <Transform>\n"
                  "                <Position X=\"0\" Y=\"0\" Layer=\"0\" />\n            </Transform>\n"
                  "        </Instance>\n    </Object>\n</Level>\n");
        Start();
        ASSERT_FALSE(FirstStoryKey().empty());
        Engine::GameObjectFactory::instance->levelPaths[FirstStoryKey()] = kTarget;
        Open("StartingCutScene");  // one frame of the storyboard has run
        frames = 1;
    }
    // Steps until `seconds` of the storyboard have passed.
    void RunTo(float seconds) {
        const int target = Frames(seconds);
        engine->Step(target - frames);
        frames = target;
    }
    std::string Page() const { return TextureOf("StoryBoard"); }
    int frames = 0;
};

TEST(OpeningStoryboardPages, PageOneForTwoSecondsThenOnePerSecond) {
    const struct {
        float seconds;
        int page;
    } cases[] = {{0.0f, 1}, {1.0f, 1}, {2.0f, 1}, {2.01f, 2}, {3.0f, 2}, {3.5f, 3},
                 {6.2f, 6}, {8.99f, 8}, {9.01f, 9}, {10.0f, 9}, {12.0f, 9}};
    for (const auto& c : cases) EXPECT_EQ(CutSceneBehaviour::PageAt(c.seconds), c.page) << c.seconds;
}

TEST_F(OpeningStoryboardTest, ShowsEachPageOnTimeAndLeavesAfterTenSeconds) {
    const struct {
        float seconds;
        int page;
    } checks[] = {{0.5f, 1}, {1.95f, 1}, {2.05f, 2}, {2.95f, 2}, {3.05f, 3}, {4.5f, 4}, {5.5f, 5},
                  {6.5f, 6}, {7.5f, 7}, {8.5f, 8}, {9.05f, 9}, {9.95f, 9}};
    for (const auto& check : checks) {
        RunTo(check.seconds);
        EXPECT_EQ(Page(), "StoryBoardPage" + std::to_string(check.page)) << "at " << check.seconds << " s";
        EXPECT_EQ(Level(), "MapData//StartingCutScene.xml") << "at " << check.seconds << " s";
    }
    RunTo(10.05f);
    EXPECT_EQ(Level(), kTarget);
    EXPECT_NE(Find("Arrived"), nullptr);
}

TEST_F(OpeningStoryboardTest, EnterOrStartOnEitherPadSkipsToTheLevel) {
    const struct {
        const char* what;
        bool pad;
        int slot;
    } skips[] = {{"Enter", false, 0}, {"Start on pad 1", true, 0}, {"Start on pad 2", true, 1}};
    for (const auto& skip : skips) {
        Open("StartingCutScene");
        frames = 1;
        RunTo(3.5f);
        ASSERT_EQ(Page(), "StoryBoardPage3") << skip.what;
        if (skip.pad) {
            engine->pads().Plug(skip.slot);
            engine->pads().SetButton(skip.slot, Engine::PadBits::kStart, true);
        } else {
            engine->keys().Press(Engine::VK_RETURN);
        }
        engine->Step();
        EXPECT_EQ(Level(), kTarget) << skip.what << " did not skip in its frame";
        engine->keys().ReleaseAll();
        engine->pads().SetButton(skip.slot, Engine::PadBits::kStart, false);
        engine->Step();
    }
}

TEST_F(OpeningStoryboardTest, OtherKeysAndButtonsDoNotSkip) {
    RunTo(3.0f);
    Tap('F');
    Tap(Engine::VK_ESCAPE);
    TapPad(Engine::PadBits::kA);
    TapPad(Engine::PadBits::kB, 1);
    EXPECT_EQ(Level(), "MapData//StartingCutScene.xml");
}

TEST_F(OpeningStoryboardTest, AMissingNextLevelKeepsTheLastPageAndSaysSoOnce) {
    Engine::GameObjectFactory::instance->levelPaths[FirstStoryKey()] = "MapData//NoSuchLevel.xml";
    testing::internal::CaptureStdout();
    RunTo(12.0f);
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(Level(), "MapData//StartingCutScene.xml");
    EXPECT_EQ(Page(), "StoryBoardPage9");
    const std::string key = FirstStoryKey();
    size_t lines = 0;
    for (size_t at = out.find(key); at != std::string::npos; at = out.find(key, at + 1)) ++lines;
    EXPECT_EQ(lines, 1u) << out;
}

}  // namespace

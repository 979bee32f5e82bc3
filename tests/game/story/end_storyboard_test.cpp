// The storyboard after a match: the finished level's pictures one per second,
// then the winner's result level through the wipe; Enter or Start skips to the
// end; the match names are cleared when it is gone, so a draw after a win shows
// as a draw; a winner name it does not know leads back to the title screen
// without adding a nameless entry to the level-path table.
#include "objects/game_object_factory.h"
#include <vector>

#include "game/game_values.h"
#include "game/levels/match_end.h"
#include "game/story/general_cut_scene.h"
#include "game/story/victory_screen.h"
#include "objects/level_paths.h"
#include "story_fixture.h"

namespace {

struct EndStoryboardTest : StoryFixture {
    void SetUp() override { Start(); }
    // What the match writes before it leaves for the storyboard.
    static void EndMatch(const char* levelKey, const char* winner, const char* tag) {
        Game::matchResultReady = true;
        const levels::LevelRow* row = levels::RowOfKey(levelKey);
        const char* mode = row ? levels::MatchName(row->mode) : nullptr;
        Game::matchModeName = mode ? mode : levelKey;
        Game::matchLevelKey = levelKey;
        Game::winnerName = winner;
        if (tag) Game::winnerTag = tag;
    }
    void OpenStoryboard() {
        Open("CutScene");
        frames = 1;
    }
    void RunTo(float seconds) {
        const int target = Frames(seconds);
        engine->Step(target - frames);
        frames = target;
    }
    std::string Picture() const { return TextureOf("EndStoryBoard"); }
    int frames = 0;
};

struct Ending {
    const char* levelKey;
    const char* winner;
    std::vector<std::string> pictures;
    const char* resultKey;
    const char* resultPath;
};

const Ending kEndings[] = {
    {"Level1", "Player", {"VozedorerozCut1", "VozedorerozCut2", "VozedorerozCut3", "VozedorerozCut4"},
     "Player1WinningScene", "MapData//Player1WinningScene.xml"},
    {"Level4", "Player2",
     {"RudorarurozavirCut1", "RudorarurozavirCut2", "RudorarurozavirCut3", "RudorarurozavirCut4",
      "RudorarurozavirCut5"},
     "Player2WinningScene", "MapData//Player2WinningScene.xml"},
    {"Zurododavad", "Draw",
     {"ZurododavadCut1", "ZurododavadCut2", "ZurododavadCut3", "ZurododavadCut4", "ZurododavadCut5"},
     "DrawScene", "MapData//DrawScene.xml"},
    // A key without a row: no pictures, the result after the first second.
    {"Level9", "Player2", {}, "Player2WinningScene", "MapData//Player2WinningScene.xml"},
};

TEST_F(EndStoryboardTest, EachLevelShowsItsPicturesOnePerSecondThenTheWinnersResult) {
    for (const Ending& ending : kEndings) {
        SCOPED_TRACE(ending.levelKey);
        EndMatch(ending.levelKey, ending.winner, nullptr);
        OpenStoryboard();
        for (size_t i = 0; i < ending.pictures.size(); ++i) {
            RunTo(static_cast<float>(i) + 0.5f);
            EXPECT_EQ(Picture(), ending.pictures[i]) << "at " << i + 0.5 << " s";
            EXPECT_FALSE(Wipe()->leaving) << "at " << i + 0.5 << " s";
        }
        // The first update a second after the last picture leaves.
        RunTo(static_cast<float>(std::max<size_t>(ending.pictures.size(), 1)) + 0.05f);
        EXPECT_TRUE(Wipe()->leaving);
        EXPECT_EQ(Wipe()->targetKey, ending.resultKey);
        EXPECT_TRUE(StepUntilLevel(ending.resultPath));
    }
}

TEST_F(EndStoryboardTest, EnterOrStartJumpsToTheResult) {
    const struct {
        const char* what;
        bool pad;
        int slot;
    } skips[] = {{"Enter", false, 0}, {"Start on pad 1", true, 0}, {"Start on pad 2", true, 1}};
    for (const auto& skip : skips) {
        SCOPED_TRACE(skip.what);
        EndMatch("Level4", "Player", nullptr);
        OpenStoryboard();
        RunTo(1.5f);
        ASSERT_EQ(Picture(), "RudorarurozavirCut2");
        if (skip.pad) {
            engine->pads().Plug(skip.slot);
            engine->pads().SetButton(skip.slot, Engine::PadBits::kStart, true);
        } else {
            engine->keys().Press(Engine::VK_RETURN);
        }
        engine->Step();
        EXPECT_TRUE(Wipe()->leaving);
        EXPECT_EQ(Wipe()->targetKey, "Player1WinningScene");
        EXPECT_EQ(Picture(), "RudorarurozavirCut2") << "a skip shows no further picture";
        engine->keys().ReleaseAll();
        engine->pads().SetButton(skip.slot, Engine::PadBits::kStart, false);
        EXPECT_TRUE(StepUntilLevel("MapData//Player1WinningScene.xml"));
    }
}

TEST_F(EndStoryboardTest, TheMatchNamesAreClearedOnceTheStoryboardIsGone) {
    EndMatch("Level1", "Player", "P1");
    OpenStoryboard();
    RunTo(2.0f);
    EXPECT_EQ(Game::winnerName, "Player") << "cleared while the storyboard still runs";
    EXPECT_EQ(Game::matchModeName, "Vozedoreroz");
    ASSERT_TRUE(StepUntilLevel("MapData//Player1WinningScene.xml"));
    EXPECT_EQ(Game::winnerName, "");
    EXPECT_EQ(Game::matchModeName, "");
    EXPECT_EQ(Game::matchLevelKey, "");
    EXPECT_EQ(Game::winnerTag, "");
}

TEST_F(EndStoryboardTest, ADrawAfterAnEarlierWinIsShownAsADraw) {
    // The first match: player 1 wins and the evening goes through the storyboard.
    EndMatch("Level1", "Player", "P1");
    OpenStoryboard();
    ASSERT_TRUE(StepUntilLevel("MapData//Player1WinningScene.xml"));

    // The second match ends level: the match writes no winner tag for a draw.
    dir.Write("MapData/StoryTestMatch.xml",
              "<Level>\n    <Copy Archetype=\"BlackMask\">\n        <Instance />\n    </Copy>\n"
              "    <Copy Archetype=\"VictoryScreen\">\n        <Instance />\n    </Copy>\n</Level>\n");
    Game::matchResultReady = false;
    OpenPath("MapData//StoryTestMatch.xml");
    EndMatch("Level1", "Draw", nullptr);
    engine->Step();
    EXPECT_EQ(TextureOf("VictoryScreen"), "GameDrawScene") << "the earlier winner's sheet over a draw";

    OpenStoryboard();
    engine->Step(30);  // checked half-way through each second
    for (const char* picture : {"VozedorerozCut1", "VozedorerozCut2", "VozedorerozCut3", "VozedorerozCut4"}) {
        EXPECT_EQ(Picture(), picture);
        engine->Step(60);
    }
    EXPECT_TRUE(StepUntilLevel("MapData//DrawScene.xml"));
}

TEST_F(EndStoryboardTest, AnUnknownWinnerGoesBackToTheTitleWithoutANamelessLevelKey) {
    const size_t keys = Engine::GameObjectFactory::instance->levelPaths.size();
    EndMatch("Level1", "Nobody", nullptr);
    testing::internal::CaptureStdout();
    OpenStoryboard();
    const bool arrived = StepUntilLevel(kMainMenuPath, 600);
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_TRUE(arrived);
    EXPECT_EQ(Engine::GameObjectFactory::instance->levelPaths.count(""), 0u);
    EXPECT_EQ(Engine::GameObjectFactory::instance->levelPaths.size(), keys);
    EXPECT_NE(out.find("Nobody"), std::string::npos) << out;
}

TEST_F(EndStoryboardTest, WithoutAWipeTheResultLoadsAtOnce) {
    dir.Write("MapData/CutScene.xml",
              "<Level>\n    <Object Name=\"EndStoryBoard\">\n        <Instance>\n            <Transform>\n"
              "                <Position X=\"0\" Y=\"0\" Layer=\"0\" />\n                <Scale X=\"32\" Y=\"18\" />\n"
              "            </Transform>\n            <SpriteRenderer />\n            <Scripts>\n"
              "                <GeneralCutScene />\n            </Scripts>\n        </Instance>\n    </Object>\n"
              "</Level>\n");
    EndMatch("Zurododavad", "Player2", nullptr);
    OpenStoryboard();
    EXPECT_EQ(Picture(), "ZurododavadCut1");
    Tap(Engine::VK_RETURN);
    EXPECT_EQ(Level(), "MapData//Player2WinningScene.xml");
}

}  // namespace

// The result levels: the winner's trophy sheet on "PlayerObj" (its own sheet
// on the draw level), the level music, the victory voice a second after the
// screen has opened, and the way back to the title screen on F, the comma key
// or A (on release) on either pad, but not during that first second. The
// birds on them turn and bob. And the result sheet over a match level.
#include <algorithm>

#include "api/script_api.h"
#include "game/game_values.h"
#include "game/story/victory_screen.h"
#include "game/story/winning_bird_behaviour.h"
#include "game/story/winning_scene.h"
#include "game/story/winning_scene_logic.h"
#include "graphics/animator.h"
#include "graphics/renderable2d.h"
#include "logic/game_logic.h"
#include "story_fixture.h"

namespace {

const char* const kVoices[] = {"event:/Myna_Victory", "event:/Zuva_Victory", "event:/Zora_Victory",
                               "event:/Rure_Victory"};

struct ResultSceneTest : StoryFixture {
    void SetUp() override { Start(); }
    bool AnyVoice() {
        bool any = false;
        for (const char* voice : kVoices) any = Played(voice) || any;
        return any;
    }
};

TEST_F(ResultSceneTest, TheWinnersSheetMusicAndVoice) {
    const struct {
        const char* key;
        int32_t p1, p2;
        const char* texture;
        const char* voice;
    } results[] = {
        {"Player1WinningScene", 3, 1, "Zora_Victory", "event:/Zora_Victory"},
        {"Player1WinningScene", 1, 3, "Myna_Victory", "event:/Myna_Victory"},
        {"Player2WinningScene", 1, 4, "Doruzuvo_Victory", "event:/Rure_Victory"},
        {"Player2WinningScene", 4, 2, "Zuva_Victory", "event:/Zuva_Victory"},
    };
    for (const auto& result : results) {
        SCOPED_TRACE(std::string(result.key) + " " + result.texture);
        Game::player1Character = result.p1;
        Game::player2Character = result.p2;
        Open(result.key);
        EXPECT_EQ(TextureOf("PlayerObj"), result.texture);
        EXPECT_TRUE(Played("event:/Victory_Screen"));
        EXPECT_FALSE(Played("event:/Draw_Screen"));
        const Engine::graphics::Renderable2D* sprite = Find("PlayerObj")->GetSprite();
        EXPECT_EQ(sprite->startFrame, 1u);
        EXPECT_EQ(sprite->endFrame, 5u);
        EXPECT_FLOAT_EQ(api::AnimatorOf(Find("PlayerObj"))->frameTime, 0.2f);
        WaitUntilRevealed();
        engine->Step(Frames(0.9f));
        EXPECT_FALSE(AnyVoice()) << "a voice in the first second";
        engine->Step(Frames(0.2f));
        EXPECT_TRUE(Played(result.voice));
        engine->Step(Frames(1.0f));
        EXPECT_FALSE(AnyVoice()) << "the voice plays once";
    }
}

TEST_F(ResultSceneTest, TheDrawKeepsItsOwnSheetAndHasNoVoice) {
    Open("DrawScene");
    EXPECT_EQ(TextureOf("PlayerObj"), "EggEagleFlap");
    EXPECT_TRUE(Played("event:/Draw_Screen"));
    EXPECT_FALSE(Played("event:/Victory_Screen"));
    EXPECT_EQ(Find("PlayerObj")->GetSprite()->endFrame, 5u);
    WaitUntilRevealed();
    engine->Step(Frames(3.0f));
    EXPECT_FALSE(AnyVoice());
}

TEST_F(ResultSceneTest, EachConfirmReturnsToTheTitleAfterTheFirstSecond) {
    const struct {
        const char* what;
        bool pad;
        int key;  // key code or pad slot
    } confirms[] = {{"F", false, 'F'}, {"comma", false, Engine::VK_OEM_COMMA}, {"A on pad 1", true, 0},
                    {"A on pad 2", true, 1}};
    for (const auto& confirm : confirms) {
        SCOPED_TRACE(confirm.what);
        Open("Player1WinningScene");
        WaitUntilRevealed();
        auto press = [&] {
            if (confirm.pad)
                TapPad(Engine::PadBits::kA, confirm.key);
            else
                Tap(static_cast<Engine::VirtualKey>(confirm.key));
        };
        engine->Step(Frames(0.5f));
        press();
        engine->Step(Frames(1.0f));
        EXPECT_EQ(Level(), "MapData//Player1WinningScene.xml") << "a confirm in the first second counted";
        EXPECT_FALSE(Wipe()->leaving);
        ASSERT_TRUE(api::IsPlaying("event:/Victory_Screen"));
        press();
        EXPECT_TRUE(Wipe()->leaving);
        EXPECT_FALSE(api::IsPlaying("event:/Victory_Screen"));
        EXPECT_TRUE(StepUntilLevel(kMainMenuPath));
    }
}

TEST_F(ResultSceneTest, AHeldButtonACountsWhenItComesUp) {
    Open("DrawScene");
    WaitUntilRevealed();
    engine->Step(Frames(1.5f));
    engine->pads().Plug(1);
    engine->pads().SetButton(1, Engine::PadBits::kA, true);
    engine->Step(5);
    EXPECT_FALSE(Wipe()->leaving) << "confirmed on the way down";
    engine->pads().SetButton(1, Engine::PadBits::kA, false);
    engine->Step();
    EXPECT_TRUE(Wipe()->leaving);
    EXPECT_FALSE(api::IsPlaying("event:/Draw_Screen"));
}

TEST_F(ResultSceneTest, TheStunnedSoundStopsOnArrival) {
    Open("DrawScene");
    api::Play("event:/Player_Stunned");
    ASSERT_TRUE(api::IsPlaying("event:/Player_Stunned"));
    Open("Player2WinningScene");
    EXPECT_FALSE(api::IsPlaying("event:/Player_Stunned"));
}

TEST_F(ResultSceneTest, TheWinnerTurnsEveryTwoSecondsAndBobsInPlace) {
    Open("Player1WinningScene");  // one frame has run
    Engine::GameObj* bird = Find("PlayerObj");
    const float placed = 9.0f;
    const struct {
        float seconds;
        float scaleX;
    } turns[] = {{1.0f, placed}, {1.9f, placed}, {2.1f, -placed}, {3.9f, -placed}, {4.2f, placed}, {6.1f, -placed}};
    int frames = 1;
    float low = api::Position(bird).y, high = low;
    for (const auto& turn : turns) {
        while (frames < Frames(turn.seconds)) {
            engine->Step();
            ++frames;
            low = std::min(low, api::Position(bird).y);
            high = std::max(high, api::Position(bird).y);
        }
        EXPECT_FLOAT_EQ(api::Scale(bird).x, turn.scaleX) << "at " << turn.seconds << " s";
    }
    // Up and down by half a unit, and never drifting away over six seconds.
    EXPECT_GT(high - low, 0.3f);
    EXPECT_LT(high - low, 0.7f);
    EXPECT_NEAR(high, -1.25f + 0.5f, 0.1f);
}

TEST_F(ResultSceneTest, BobbingRisesAQuarterSecondThenSinksAsLong) {
    Open("DrawScene");
    WinningScene* bob = api::FindScript<WinningScene>("PlayerObj");
    ASSERT_NE(bob, nullptr);
    EXPECT_EQ(bob->phase, WinningScene::Phase::Rising);
    EXPECT_FLOAT_EQ(api::Velocity(Find("PlayerObj")).y, 2.0f);
    engine->Step(Frames(0.3f));
    EXPECT_EQ(bob->phase, WinningScene::Phase::Sinking);
    EXPECT_FLOAT_EQ(api::Velocity(Find("PlayerObj")).y, -2.0f);
    engine->Step(Frames(0.3f));
    EXPECT_EQ(bob->phase, WinningScene::Phase::Rising);
}

// ---- the result sheet over a match level ---------------------------------------

struct VictoryScreenTest : StoryFixture {
    void SetUp() override {
        dir.Write("MapData/StoryTestMatch.xml",
                  "<Level>\n    <Copy Archetype=\"BlackMask\">\n        <Instance />\n    </Copy>\n"
                  "    <Copy Archetype=\"VictoryScreen\">\n        <Instance />\n    </Copy>\n</Level>\n");
        Start();
        OpenPath("MapData//StoryTestMatch.xml");
    }
    uint32_t SheetAlpha() const { return Find("VictoryScreen")->GetSprite()->color >> 24; }
};

TEST_F(VictoryScreenTest, HiddenWhileTheMatchRunsWhateverTheTag) {
    for (const char* tag : {"P1", "P2", ""}) {
        Game::winnerTag = tag;
        engine->Step(10);
        EXPECT_NE(api::Position(Find("VictoryScreen")).x, 0.0f) << tag;
        EXPECT_EQ(SheetAlpha(), 0u) << tag;
        EXPECT_NE(api::Position(Find("BlackMask")).x, 0.0f) << tag;
    }
    Tap(Engine::VK_RETURN);
    EXPECT_EQ(Level(), "MapData//StoryTestMatch.xml") << "Enter before the result";
}

TEST_F(VictoryScreenTest, ShowsTheSheetOfTheWinnerTagOnceDecided) {
    const struct {
        const char* tag;
        const char* sheet;
    } sheets[] = {{"P1", "Player1WinScene"}, {"P2", "Player2WinScene"}, {"", "GameDrawScene"},
                  {"Draw", "GameDrawScene"}, {"p1", "GameDrawScene"}};
    Game::matchResultReady = true;
    for (const auto& sheet : sheets) {
        Game::winnerTag = sheet.tag;
        engine->Step();
        EXPECT_EQ(TextureOf("VictoryScreen"), sheet.sheet) << sheet.tag;
        EXPECT_EQ(api::Position(Find("VictoryScreen")).x, 0.0f);
        EXPECT_EQ(api::Position(Find("BlackMask")).x, 0.0f);
        EXPECT_EQ(SheetAlpha(), 255u);
    }
}

TEST_F(VictoryScreenTest, EnterOrStartLeadsOnToTheEndStoryboardAtNormalSpeed) {
    for (const char* input : {"Enter", "Start"}) {
        SCOPED_TRACE(input);
        OpenPath("MapData//StoryTestMatch.xml");
        Game::matchResultReady = true;
        Game::winnerTag = "P2";
        Engine::GameLogic::instance->timeScale = 0.5f;
        engine->Step();
        if (std::string(input) == "Enter") {
            engine->keys().Press(Engine::VK_RETURN);
            engine->Step();
            engine->keys().Release(Engine::VK_RETURN);
        } else {
            engine->pads().Plug(1);
            engine->pads().SetButton(1, Engine::PadBits::kStart, true);
            engine->Step();
            engine->pads().SetButton(1, Engine::PadBits::kStart, false);
            engine->pads().Unplug(1);
        }
        EXPECT_EQ(Level(), "MapData//CutScene.xml");
        EXPECT_FLOAT_EQ(Engine::GameLogic::instance->timeScale, 1.0f);
    }
}

}  // namespace

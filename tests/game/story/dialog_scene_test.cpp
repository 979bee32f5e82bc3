// The opening dialogue of a match level: player 1's bubble grows with portrait,
// line and voice, then player 2's; both stay up for the hold time, then close.
// Finished() is what the round logic waits for: false until both lines have
// been held, true from then on. The level below is the snippet of
// docs/dialogue.md, so the snippet is tested too.
#include <algorithm>
#include <cmath>

#include "api/script_api.h"
#include "graphics/font.h"
#include "game/game_values.h"
#include "game/story/dialog_scene.h"
#include "graphics/label.h"
#include "graphics/renderable2d.h"
#include "story_fixture.h"

namespace {

std::string DialogueLevel() {
    return "<Level>\n"
           "    <Object Name=\"GameLevelSettings\">\n"
           "        <Instance>\n"
           "            <Transform>\n"
           "                <Position X=\"0\" Y=\"-30\" Layer=\"0\" />\n"
           "            </Transform>\n"
           "            <Scripts>\n"
           "                <DialogScene />\n"
           "            </Scripts>\n"
           "        </Instance>\n"
           "    </Object>\n"
           "    <Copy Archetype=\"P1Dialog\"><Instance /></Copy>\n"
           "    <Copy Archetype=\"P2Dialog\"><Instance /></Copy>\n"
           "    <Copy Archetype=\"P1DialogChar\"><Instance /></Copy>\n"
           "    <Copy Archetype=\"P2DialogChar\"><Instance /></Copy>\n"
           "    <Copy Archetype=\"TransitionBird\"><Instance /></Copy>\n"
           "</Level>\n";
}

struct DialogSceneTest : StoryFixture {
    void SetUp() override {
        for (const char* level : {"Level1", "Zurododavad", "Level4", "PracticeRange"})
            dir.Write(std::string("MapData/") + level + ".xml", DialogueLevel());
    }
    void OpenLevel(const std::string& stem) {
        OpenPath("MapData//" + stem + ".xml");
        dialogue = api::FindScript<DialogScene>("GameLevelSettings");
        ASSERT_NE(dialogue, nullptr);
    }
    Engine::vec2 BubbleScale(int player) const {
        return api::Scale(Find(player == 1 ? "P1Dialog" : "P2Dialog"));
    }
    bool BubbleFull(int player) const {
        const Engine::vec2 s = BubbleScale(player);
        return s.x >= DialogScene::kFullWidth && s.y >= DialogScene::kFullHeight;
    }
    // The alpha the portrait is drawn with: the packed colour's top byte, 0..1.
    float PortraitAlpha(int player) const {
        const Engine::GameObj* portrait = Find(player == 1 ? "P1DialogChar" : "P2DialogChar");
        return portrait && portrait->GetSprite() ? static_cast<float>(portrait->GetSprite()->color >> 24) / 255.0f
                                                 : -1.0f;
    }
    // The spawned line labels, player 1's first.
    std::vector<Engine::GameObj*> Lines() const { return api::FindAll("DialogLine"); }

    DialogScene* dialogue = nullptr;
};

TEST_F(DialogSceneTest, EachLevelHasItsOwnTwoLines) {
    const struct {
        const char* stem;
        const char* player1;
        const char* player2;
    } levels[] = {
        {"Level1", "The egg! It's mineee!", "Hoo? No, that's mine!"},
        {"Zurododavad", "The boss? Wake him?", "Noooo!! Peck him!!!"},
        {"Level4", "The Spaceship's Ahead!", "The ship's mine! Waaa!"},
        {"PracticeRange", "", ""},
    };
    for (const auto& level : levels) {
        SCOPED_TRACE(level.stem);
        OpenLevel(level.stem);
        EXPECT_EQ(dialogue->player1Line, level.player1);
        EXPECT_EQ(dialogue->player2Line, level.player2);
        const auto lines = Lines();
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_EQ(api::TextOf(lines[0]), level.player1);
        EXPECT_EQ(api::TextOf(lines[1]), level.player2);
        EXPECT_EQ(api::LabelOf(lines[0])->color, DialogScene::kPlayer1Color);
        EXPECT_EQ(api::LabelOf(lines[1])->color, DialogScene::kPlayer2Color);
        EXPECT_EQ(api::LabelOf(lines[0])->order, DialogScene::kLabelLayer);
        // A size below the heads-up display's 32, so the longest line fits its bubble.
        for (Engine::GameObj* line : lines) {
            ASSERT_NE(api::LabelOf(line)->font, nullptr);
            EXPECT_EQ(api::LabelOf(line)->font->size, 28u);
        }
    }
}

TEST_F(DialogSceneTest, BubblesOneAfterTheOtherThenHoldThenClose) {
    OpenLevel("Level1");
    // Nothing shows while the wipe is still opening the screen.
    engine->Step(20);
    EXPECT_EQ(BubbleScale(1).x, 0.0f);
    EXPECT_FALSE(Played("event:/Myna_Dialogue"));
    WaitUntilRevealed();

    int frame = 0, voice1 = -1, full1 = -1, start2 = -1, voice2 = -1, full2 = -1, finished = -1, closed = -1;
    while (frame < 600 && closed < 0) {
        engine->Step();
        ++frame;
        if (voice1 < 0 && Played("event:/Myna_Dialogue")) voice1 = frame;
        if (voice2 < 0 && Played("event:/Zuva_Dialogue")) voice2 = frame;
        if (full1 < 0 && BubbleFull(1)) {
            full1 = frame;
            EXPECT_FLOAT_EQ(PortraitAlpha(1), 1.0f);
            const Engine::vec2 bubble = api::Position(Find("P1Dialog"));
            const Engine::vec2 line = api::Position(Lines()[0]);
            EXPECT_FLOAT_EQ(line.x, bubble.x - BubbleScale(1).x * DialogScene::kLabelInset);
            EXPECT_FLOAT_EQ(line.y, bubble.y + DialogScene::kLabelRaise);
            EXPECT_FLOAT_EQ(PortraitAlpha(2), 0.0f);
        }
        if (full1 < 0) {
            EXPECT_FLOAT_EQ(PortraitAlpha(1), 0.0f) << "portrait before its bubble is full";
        }
        if (start2 < 0 && BubbleScale(2).x > 0.0f) start2 = frame;
        if (full2 < 0 && BubbleFull(2)) {
            full2 = frame;
            EXPECT_FLOAT_EQ(PortraitAlpha(2), 1.0f);
        }
        if (finished < 0 && dialogue->Finished()) finished = frame;
        if (finished < 0) {
            EXPECT_EQ(dialogue->phase, DialogScene::Phase::Showing);
        }
        if (finished >= 0 && BubbleScale(1).x == 0.0f && BubbleScale(2).x == 0.0f && BubbleScale(1).y == 0.0f)
            closed = frame;
    }
    // 12 units at 10.5 a second: 69 frames per bubble; then half a second held.
    EXPECT_EQ(voice1, 1);
    EXPECT_NEAR(full1, 69, 1);
    EXPECT_EQ(start2, full1) << "player 2's bubble starts once player 1's is full";
    EXPECT_EQ(voice2, start2);
    EXPECT_NEAR(full2, full1 + 69, 1);
    EXPECT_NEAR(finished, full2 + 30, 1);
    // Closing: 12 units at 10 a second.
    EXPECT_NEAR(closed, finished + 72, 2);
    EXPECT_FLOAT_EQ(PortraitAlpha(1), 0.0f);
    EXPECT_FLOAT_EQ(PortraitAlpha(2), 0.0f);
    for (Engine::GameObj* line : Lines()) EXPECT_FLOAT_EQ(api::Position(line).x, -50.0f);
    // Still finished once everything has closed: the rounds run on.
    engine->Step(60);
    EXPECT_TRUE(dialogue->Finished());
    EXPECT_FALSE(Played("event:/Myna_Dialogue")) << "a voice plays once";
}

TEST_F(DialogSceneTest, TheDelayHoldsTheFirstBubbleBack) {
    OpenLevel("Level1");
    dialogue->delay = 2.0f;
    WaitUntilRevealed();
    engine->Step(Frames(1.9f));
    EXPECT_EQ(BubbleScale(1).x, 0.0f);
    EXPECT_FALSE(Played("event:/Myna_Dialogue"));
    engine->Step(Frames(0.2f));
    EXPECT_GT(BubbleScale(1).x, 0.0f);
    EXPECT_TRUE(Played("event:/Myna_Dialogue"));
    // Two bubbles and the hold after the delay: about 2.8 s.
    engine->Step(Frames(2.5f));
    EXPECT_FALSE(dialogue->Finished());
    engine->Step(Frames(0.5f));
    EXPECT_TRUE(dialogue->Finished());
}

TEST_F(DialogSceneTest, TheHoldTimeKeepsBothLinesUp) {
    OpenLevel("Zurododavad");
    dialogue->holdTime = 2.0f;
    WaitUntilRevealed();
    engine->Step(Frames(2.4f));
    ASSERT_TRUE(BubbleFull(2));
    engine->Step(Frames(1.8f));
    EXPECT_FALSE(dialogue->Finished());
    EXPECT_FLOAT_EQ(PortraitAlpha(2), 1.0f);
    engine->Step(Frames(0.4f));
    EXPECT_TRUE(dialogue->Finished());
}

TEST_F(DialogSceneTest, PutBackToShowingEveryFrameBothLinesStayUp) {
    OpenLevel("Level4");
    WaitUntilRevealed();
    engine->Step(Frames(2.4f));
    ASSERT_TRUE(BubbleFull(2));
    for (int frame = 0; frame < Frames(5.0f); ++frame) {
        dialogue->phase = DialogScene::Phase::Showing;
        engine->Step();
        ASSERT_TRUE(BubbleFull(1) && BubbleFull(2)) << "frame " << frame;
        ASSERT_FLOAT_EQ(PortraitAlpha(2), 1.0f) << "frame " << frame;
    }
    // Left alone, it closes.
    engine->Step(Frames(2.0f));
    EXPECT_TRUE(dialogue->Finished());
    EXPECT_EQ(BubbleScale(1).x, 0.0f);
}

TEST_F(DialogSceneTest, PortraitAndVoiceFollowEachPlayersCharacter) {
    const struct {
        int32_t p1, p2;
        const char *portrait1, *portrait2, *voice1, *voice2;
    } pairs[] = {
        {4, 3, "VedavadDialog", "ZoraDialog", "event:/Rure_Dialogue", "event:/Zora_Dialogue"},
        {2, 1, "ZuvaDialog", "MynaDialog", "event:/Zuva_Dialogue", "event:/Myna_Dialogue"},
    };
    for (const auto& pair : pairs) {
        Game::player1Character = pair.p1;
        Game::player2Character = pair.p2;
        OpenLevel("Level1");
        EXPECT_EQ(TextureOf("P1DialogChar"), pair.portrait1);
        EXPECT_EQ(TextureOf("P2DialogChar"), pair.portrait2);
        WaitUntilRevealed();
        engine->Step();
        EXPECT_TRUE(Played(pair.voice1));
        EXPECT_FALSE(Played(pair.voice2));
        engine->Step(Frames(1.3f));
        EXPECT_TRUE(Played(pair.voice2));
    }
}

TEST_F(DialogSceneTest, ACharacterOutsideTheTableShowsTheBubbleWithoutFaceOrVoice) {
    Game::player1Character = 0;
    Game::player2Character = 9;
    OpenLevel("Level1");
    WaitUntilRevealed();
    engine->Step(Frames(4.0f));
    EXPECT_TRUE(dialogue->Finished());
    for (const char* voice : {"event:/Myna_Dialogue", "event:/Zuva_Dialogue", "event:/Zora_Dialogue",
                              "event:/Rure_Dialogue"})
        EXPECT_FALSE(Played(voice)) << voice;
}

TEST_F(DialogSceneTest, SwitchedOffItShowsNothingAndIsFinished) {
    OpenLevel("Level1");
    dialogue->active = false;
    EXPECT_TRUE(dialogue->Finished());
    WaitUntilRevealed();
    engine->Step(Frames(3.0f));
    EXPECT_EQ(BubbleScale(1).x, 0.0f);
    EXPECT_EQ(BubbleScale(2).x, 0.0f);
    EXPECT_FALSE(Played("event:/Myna_Dialogue"));
}

TEST_F(DialogSceneTest, WithoutItsObjectsItStillFinishes) {
    dir.Write("MapData/Level1.xml",
              "<Level>\n    <Object Name=\"GameLevelSettings\">\n        <Instance>\n            <Scripts>\n"
              "                <DialogScene />\n            </Scripts>\n        </Instance>\n    </Object>\n"
              "</Level>\n");
    OpenLevel("Level1");
    engine->Step(Frames(1.0f));
    EXPECT_TRUE(dialogue->Finished());
}

}  // namespace

// Whole matches of the egg level through the headless engine: fixed frame
// time, fixed seed, each asserting the result the match records.

#include "egg_fixture.h"

#include "api/script_api.h"
#include "game/birds/main_player_behaviour.h"
#include "game/birds/round_player_behaviour.h"
#include "game/egg/armor_behaviour.h"
#include "game/egg/armor_spawn.h"
#include "game/egg/egg_behaviour.h"
#include "game/game_values.h"
#include "game/menus/transition.h"
#include "game/story/dialog_scene.h"
#include "graphics/renderable2d.h"
#include "input/virtual_keys.h"
#include "objects/game_object_factory.h"
#include "support/bird_test_access.h"

namespace {

// Short rounds keep a whole match to a few thousand frames; the rules do not
// depend on the length.
constexpr float kShortRound = 6.0f;

void ShortenRounds(GameMode& mode) {
    mode.roundTime = kShortRound;
    mode.timeLeft = kShortRound;
}

struct MatchTest : EggFixture {
    // Plays the current round out: the attacker breaks the egg at once.
    void BreakEgg() {
        WaitForRoundStart();
        Egg()->health = 0;
        WaitForRoundEnd();
    }
    // The round runs out of time with nothing done.
    void TimeOut() {
        WaitForRoundStart();
        WaitForRoundEnd();
    }
    // Steps until the match result is written, checks that the game waits for
    // the music's ending while it plays, ends the music (as its ending would)
    // and steps until the game has started leaving for the cutscene.
    bool WaitForLeaving() {
        if (!StepUntil([&] { return Mode() && Mode()->resultWritten; }, 3000)) return false;
        engine->Step(30);
        if (api::IsPlaying("event:/Level_BGM")) {
            EXPECT_FALSE(Mode()->leaving) << "left before the music ended";
            api::Stop("event:/Level_BGM");
        }
        return StepUntil([&] { return Mode() && Mode()->leaving; }, 600);
    }
};

}  // namespace

TEST_F(MatchTest, TheAttackerBreaksTheEggInRoundOneAndTheRolesSwap) {
    OpenLevel();
    ShortenRounds(*Mode());
    WaitForRoundStart();
    EXPECT_TRUE(Round("Player")->State().isAttacker);
    EXPECT_TRUE(Round("Player2")->State().isDefender);
    EXPECT_FALSE(Round("Player2")->State().isAttacker);

    Egg()->health = 0;
    WaitForRoundEnd();
    ASSERT_EQ(Mode()->roundResults.size(), 1u);
    EXPECT_EQ(Mode()->roundResults[0], GameMode::kAttackerWins);
    EXPECT_EQ(Mode()->player1Wins, 1);
    EXPECT_EQ(Mode()->player2Wins, 0);
    // The egg is whole again and the second round's countdown gives Player2 the attack.
    EXPECT_EQ(Egg()->health, Egg()->maxHealth);
    ASSERT_TRUE(StepUntil([&] { return Round("Player2")->State().isAttacker; }, 60));
    EXPECT_TRUE(Round("Player")->State().isDefender);
    EXPECT_EQ(Mode()->attackingSide, 2);

    // Player2 breaks it too: one round each, a draw.
    BreakEgg();
    ASSERT_TRUE(WaitForLeaving());
    EXPECT_TRUE(Game::matchResultReady);
    EXPECT_EQ(Game::winnerName, "Draw");
}

TEST_F(MatchTest, TheDefenderCollectsFiveArmourPiecesAndWinsTheRound) {
    OpenLevel();
    ShortenRounds(*Mode());
    Mode()->roundTime = Mode()->timeLeft = 80.0f;
    WaitForRoundStart();
    Engine::GameObj* defender = Find("Player2");
    ArmorSpawn* spawn = api::FindScript<ArmorSpawn>("Spawner");
    ASSERT_NE(spawn, nullptr);
    int collected = 0;
    // The defender flies to every piece that appears; the piece flies into the egg.
    const bool ended = StepUntil(
        [&] {
            ArmorBehaviour* piece = api::ScriptOf<ArmorBehaviour>(spawn->armor);
            if (piece && piece->active) {
                api::SetPosition(defender, api::Position(spawn->armor.Get()));
                api::SetVelocity(defender, {0.0f, 0.0f});
            }
            collected = Round("Player2")->State().armorPieces;
            return Mode()->roundOver;
        },
        60 * 75);
    ASSERT_TRUE(ended);
    EXPECT_EQ(collected, 5);
    EXPECT_GT(Mode()->timeLeft, 0.0f);
    WaitForRoundEnd();
    ASSERT_EQ(Mode()->roundResults.size(), 1u);
    EXPECT_EQ(Mode()->roundResults[0], GameMode::kDefenderWins);
    EXPECT_EQ(Mode()->player2Wins, 1);
    EXPECT_EQ(Mode()->player1Wins, 0);
    // Armour starts over for the next round.
    EXPECT_EQ(Round("Player2")->State().armorPieces, 0);
}

TEST_F(MatchTest, BothRoundsRunOutOfTimeWithTheEggUntouched) {
    OpenLevel();
    ShortenRounds(*Mode());
    TimeOut();
    ShortenRounds(*Mode());
    TimeOut();
    ASSERT_TRUE(WaitForLeaving());
    // An untouched egg sits exactly on the threshold: each round is a win for both.
    ASSERT_EQ(Mode()->roundResults.size(), 2u);
    EXPECT_EQ(Mode()->roundResults[0], GameMode::kBothWin);
    EXPECT_EQ(Mode()->roundResults[1], GameMode::kBothWin);
    EXPECT_EQ(Mode()->player1Wins, 2);
    EXPECT_EQ(Mode()->player2Wins, 2);
    EXPECT_EQ(Game::winnerName, "Draw");
    EXPECT_EQ(Game::matchModeName, "Vozedoreroz");
    EXPECT_TRUE(Mode()->matchOver);
    // The wipe is on its way to the cutscene.
    const Transition* wipe = api::FindScript<Transition>("TransitionBird");
    ASSERT_NE(wipe, nullptr);
    EXPECT_TRUE(wipe->leaving);
    EXPECT_EQ(wipe->targetKey, "CutScene");
}

TEST_F(MatchTest, ADrawAfterAnEarlierWinRecordsTheDraw) {
    // What an earlier match left behind.
    Game::matchResultReady = true;
    Game::winnerTag = "P1";
    Game::winnerName = "Player";
    OpenLevel();
    EXPECT_FALSE(Game::matchResultReady);
    ShortenRounds(*Mode());
    BreakEgg();
    ShortenRounds(*Mode());
    BreakEgg();
    ASSERT_TRUE(WaitForLeaving());
    EXPECT_TRUE(Game::matchResultReady);
    EXPECT_EQ(Game::winnerName, "Draw");
    EXPECT_NE(Game::winnerTag, "P1");
    EXPECT_NE(Game::winnerTag, "P2");
}

TEST_F(MatchTest, TwoRoundsForOneBirdAreThatBirdsVictory) {
    OpenLevel(99);
    ShortenRounds(*Mode());
    BreakEgg();  // Player attacks and wins
    ShortenRounds(*Mode());
    WaitForRoundStart();
    // Player defends the second round with four pieces: the threshold is 20 and the egg stays above it.
    Edit(Round("Player")).armorPieces = 4;
    Egg()->health = 50;
    WaitForRoundEnd();
    ASSERT_TRUE(WaitForLeaving());
    EXPECT_EQ(Mode()->player1Wins, 2);
    EXPECT_EQ(Game::winnerTag, "P1");
    EXPECT_EQ(Game::winnerName, "Player");
}

// The result sheet of the level: nowhere while the match runs, over the whole
// level once it is decided, and then the match leads on to the end storyboard,
// when its music has ended or at once with Enter.
struct ResultSheetTest : MatchTest {
    // Player wins both rounds: the egg breaks, then holds with four pieces.
    void WinForPlayerOne() {
        ShortenRounds(*Mode());
        BreakEgg();
        ShortenRounds(*Mode());
        WaitForRoundStart();
        Edit(Round("Player")).armorPieces = 4;
        Egg()->health = 50;
        WaitForRoundEnd();
    }
    Engine::GameObj* Sheet() const { return Find("VictoryScreen"); }
    uint32_t SheetAlpha() const { return Sheet()->GetSprite()->color >> 24; }
    void ExpectSheetShown() {
        EXPECT_EQ(api::TextureOf(Sheet()), "Player1WinScene");
        EXPECT_EQ(SheetAlpha(), 255u);
        EXPECT_FLOAT_EQ(api::Position(Sheet()).x, 0.0f);
        EXPECT_FLOAT_EQ(api::Position(Find("BlackMask")).x, 0.0f);
        // Over the heads-up display and the black screen, under the wipe.
        EXPECT_GT(Sheet()->transform->layer, Find("BlackLoadScreen")->transform->layer);
        EXPECT_GT(Sheet()->transform->layer, Find("Egg")->transform->layer);
        EXPECT_LT(Sheet()->transform->layer, Find("TransitionBird")->transform->layer);
    }
};

TEST_F(ResultSheetTest, CoversTheLevelOnceDecidedThenLeadsOnWhenTheMusicEnds) {
    OpenLevel(99);
    ASSERT_NE(Sheet(), nullptr);
    ASSERT_NE(Find("BlackMask"), nullptr);
    WaitForRoundStart();
    EXPECT_EQ(SheetAlpha(), 0u) << "hidden while the match runs";
    EXPECT_NE(api::Position(Sheet()).x, 0.0f);
    WinForPlayerOne();
    ASSERT_TRUE(StepUntil([&] { return Mode()->resultWritten; }, 3000));
    engine->Step();
    ExpectSheetShown();
    engine->Step(120);
    ASSERT_TRUE(api::IsPlaying("event:/Level_BGM")) << "the music's ending still plays";
    ExpectSheetShown();
    EXPECT_FALSE(Mode()->leaving);
    api::Stop("event:/Level_BGM");
    ASSERT_TRUE(StepUntil([&] { return engine->factory().currentLevelPath == "MapData//CutScene.xml"; }, 600));
}

TEST_F(ResultSheetTest, EnterOnTheSheetLeadsOnAtOnce) {
    OpenLevel(99);
    WinForPlayerOne();
    ASSERT_TRUE(StepUntil([&] { return Mode()->resultWritten; }, 3000));
    engine->Step();
    ExpectSheetShown();
    engine->keys().Press(Engine::VK_RETURN);
    engine->Step();
    engine->keys().Release(Engine::VK_RETURN);
    ASSERT_TRUE(api::IsPlaying("event:/Level_BGM"));
    const Transition* wipe = api::FindScript<Transition>("TransitionBird");
    ASSERT_NE(wipe, nullptr);
    EXPECT_TRUE(wipe->leaving);
    EXPECT_EQ(wipe->targetKey, "CutScene");
    ASSERT_TRUE(StepUntil([&] { return engine->factory().currentLevelPath == "MapData//CutScene.xml"; }, 600));
    EXPECT_EQ(Game::winnerName, "Player");
}

TEST_F(MatchTest, TheThirtySecondWarningSoundsInEachRound) {
    OpenLevel();
    for (int round = 1; round <= 2; ++round) {
        SCOPED_TRACE(round);
        ShortenRounds(*Mode());  // six seconds: inside the last thirty from the start
        if (api::IsPlaying("event:/Timer_Thirty_Seconds")) api::Stop("event:/Timer_Thirty_Seconds");
        WaitForRoundStart();
        engine->Step(2);
        EXPECT_TRUE(Mode()->thirtyWarned);
        EXPECT_TRUE(api::IsPlaying("event:/Timer_Thirty_Seconds"));
        api::Stop("event:/Timer_Thirty_Seconds");
        WaitForRoundEnd();
    }
}

TEST_F(MatchTest, TheEggsHealthBarFollowsTheEggAndItsHealth) {
    OpenLevel();
    WaitForRoundStart();
    EggBehaviour* egg = Egg();
    ASSERT_NE(egg->healthBar.Get(), nullptr);
    ASSERT_NE(egg->healthFill.Get(), nullptr);
    const struct {
        int health;
        float share;
    } cases[] = {{100, 1.0f}, {30, 0.3f}, {0, 0.0f}};
    for (const auto& c : cases) {
        egg->health = c.health;
        engine->Step();
        const Engine::vec2 at = api::Position(Find("Egg"));
        EXPECT_NEAR(api::Position(egg->healthBar.Get()).x, at.x, 0.05f) << c.health;
        EXPECT_NEAR(api::Position(egg->healthBar.Get()).y, at.y + 2.0f, 0.05f) << "above the egg";
        EXPECT_NEAR(api::Scale(egg->healthFill.Get()).x, egg->healthBarWidth * c.share, 1e-4f) << c.health;
        if (c.health == 0) break;  // the round ends with the egg
    }
}

TEST_F(MatchTest, TheCountdownHoldsBothBirdsAtTheirSpawnPoints) {
    OpenLevel();
    ASSERT_TRUE(Mode()->InCountdown());
    MainPlayerBehaviour* one = Bird("Player");
    MainPlayerBehaviour* two = Bird("Player2");
    ASSERT_NE(one, nullptr);
    ASSERT_NE(two, nullptr);
    // Both players hold every key they have: nothing moves while the countdown runs.
    for (Engine::VirtualKey key : {Engine::VirtualKey('W'), Engine::VirtualKey('D'), Engine::VK_UP, Engine::VK_LEFT})
        engine->keys().Press(key);
    int held = 0;
    while (Mode()->InCountdown() && held < 900) {
        engine->Step();
        ++held;
        if (!Mode()->InCountdown()) break;  // this frame let them go
        // Put back every frame: at most one frame of gravity away from the spot.
        EXPECT_NEAR(api::Position(Find("Player")).x, one->SpawnPoint().x, 0.01f);
        EXPECT_NEAR(api::Position(Find("Player")).y, one->SpawnPoint().y, 0.01f);
        EXPECT_NEAR(api::Position(Find("Player2")).x, two->SpawnPoint().x, 0.01f);
        EXPECT_NEAR(api::Position(Find("Player2")).y, two->SpawnPoint().y, 0.01f);
        if (HasFailure()) break;
    }
    EXPECT_GT(held, 150);  // the opening dialogue, then the countdown of 3.2 s
    EXPECT_LT(held, 900);
}

// A level without its sound banks has no music at all: the wait for the
// music's end must not hold the match forever.
struct SilentMatchTest : EggFixture {
    SilentMatchTest() : EggFixture(false) {}
};

TEST_F(SilentMatchTest, WithoutMusicTheMatchStillLeavesForTheCutscene) {
    OpenLevel();
    for (int round = 0; round < 2; ++round) {
        ShortenRounds(*Mode());
        WaitForRoundStart();
        ASSERT_TRUE(StepUntil([&] { return Mode()->endSequence; }, 60 * 10));
    }
    // Nothing to wait for: the game goes on to the cutscene as soon as the result is in.
    ASSERT_TRUE(StepUntil([&] { return engine->factory().currentLevelPath == "MapData//CutScene.xml"; }, 600));
    EXPECT_TRUE(Game::matchResultReady);
    EXPECT_EQ(Game::winnerName, "Draw");
}

TEST(EggRoundRules, RoundWinnerFromHealthAndArmour) {
    struct Case {
        int health, maxHealth, armor;
        GameMode::RoundWinner winner;
    };
    const Case cases[] = {
        {61, 100, 2, GameMode::kDefenderWins}, {60, 100, 2, GameMode::kBothWin},
        {59, 100, 2, GameMode::kAttackerWins}, {0, 100, 5, GameMode::kDefenderWins},
        {0, 100, 4, GameMode::kAttackerWins},  {100, 100, 0, GameMode::kBothWin},
        {21, 100, 4, GameMode::kDefenderWins}, {-5, 100, 0, GameMode::kAttackerWins},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GameMode::DecideRound(c.health, c.maxHealth, c.armor), c.winner)
            << c.health << "/" << c.maxHealth << " with " << c.armor;
}

TEST_F(MatchTest, TheRoundsWaitForTheOpeningDialogue) {
    OpenLevel();
    const DialogScene* dialogue = api::FindScript<DialogScene>("GameLevelSettings");
    ASSERT_NE(dialogue, nullptr);
    EXPECT_FLOAT_EQ(dialogue->delay, 2.0f);
    int frames = 0;
    while (!dialogue->Finished() && frames < 600) {
        // Nothing of the round runs: no countdown time, no round line, birds held.
        EXPECT_FLOAT_EQ(Mode()->phaseTimer, 0.0f);
        EXPECT_EQ(api::TextOf(Mode()->roundLabel.Get()), "");
        EXPECT_TRUE(Mode()->InCountdown());
        engine->Step();
        ++frames;
    }
    ASSERT_TRUE(dialogue->Finished());
    EXPECT_GE(frames, 110);  // at least the two seconds of delay
    engine->Step(2);
    EXPECT_GT(Mode()->phaseTimer, 0.0f);
    EXPECT_EQ(api::TextOf(Mode()->roundLabel.Get()), "Round 1");
}

TEST_F(MatchTest, ALevelWithoutItsDialogueStartsTheCountdownAtOnce) {
    std::string level = dir.Read("MapData/Level1.xml");
    const std::string tag = "<DialogScene />";
    ASSERT_NE(level.find(tag), std::string::npos);
    level.erase(level.find(tag), tag.size());
    dir.Write("MapData/Level1.xml", level);
    OpenLevel();
    ASSERT_EQ(api::FindScript<DialogScene>("GameLevelSettings"), nullptr);
    engine->Step(2);
    EXPECT_GT(Mode()->phaseTimer, 0.0f);
    EXPECT_EQ(api::TextOf(Mode()->roundLabel.Get()), "Round 1");
}

// The two-minute clock and the end of the round: the label's padding and
// warning colour, the label taken once the object is complete, and the way
// out to the winner's scene with the result written for it.
#include <filesystem>
#include <string>

#include "api/script_api.h"
#include "food_court_fixture.h"
#include "game/levels/match_end.h"
#include "game/foodcourt/lv2_timer.h"
#include "game/foodcourt/player1_level2_behaviour.h"
#include "game/foodcourt/player2_level2_behaviour.h"
#include "game/game_values.h"
#include "graphics/label.h"

namespace {

constexpr uint32_t kLabelColour = 0xFFFFFFFFu;

// The clock object with its script before its label, as a level file may list them.
std::string Clock() {
    return "<Object Name=\"Timer\"><Instance><Transform><Position X=\"0\" Y=\"8\" Layer=\"0\" /></Transform>"
           "<Scripts><Lv2Timer /></Scripts>"
           "<Label><Text Text=\"120\" /><Color R=\"255\" G=\"255\" B=\"255\" A=\"255\" /></Label>"
           "</Instance></Object>\n";
}

std::string ScoringBird(const char* name, const char* script) {
    return std::string("<Object Name=\"") + name +
           "\"><Instance><Transform><Position X=\"0\" Y=\"30\" Layer=\"4\" /></Transform>"
           "<Scripts><" + script + " /></Scripts></Instance></Object>\n";
}

std::string Wipe() {
    return "<Copy Archetype=\"TransitionBird\"><Instance><Transform><Position X=\"0\" Y=\"0\" Layer=\"15\" />"
           "</Transform></Instance></Copy>\n";
}

struct TimerTest : FoodCourtFixture {
    Lv2Timer* timer = nullptr;
    void Build(const std::string& extra = "") {
        OpenLevel("ClockYard", Clock() + extra);
        timer = api::FindScript<Lv2Timer>("Timer");
        ASSERT_NE(timer, nullptr);
    }
    std::string Text() { return api::TextOf(Find("Timer")); }
    uint32_t Colour() { return api::LabelOf(Find("Timer"))->color; }
};

TEST_F(TimerTest, TheLabelShowsWholeSecondsPaddedToThreeCharacters) {
    Build();
    EXPECT_EQ(Text(), "119") << "during the first second";
    struct Case {
        float before;
        const char* shown;
    };
    for (const Case c : {Case{119.99f, "119"}, Case{100.02f, "100"}, Case{99.99f, " 99"}, Case{45.2f + kFrame, " 45"},
                         Case{10.03f, " 10"}, Case{9.5f + kFrame, "  9"}, Case{1.5f, "  1"}}) {
        timer->seconds = c.before;
        Step();
        EXPECT_EQ(Text(), c.shown) << "at " << timer->seconds << " s";
    }
}

TEST_F(TimerTest, TheLabelTurnsRedForTheLastThirtySeconds) {
    Build();
    EXPECT_EQ(Colour(), kLabelColour);
    timer->seconds = 30.0f + 2 * kFrame + 0.001f;
    Step();
    EXPECT_EQ(Colour(), kLabelColour) << "above 30 s";
    Step();
    EXPECT_EQ(Colour(), kLabelColour);
    Step();
    EXPECT_EQ(Colour(), Lv2Timer::kWarningColor);
    EXPECT_EQ(Colour(), 0xFF00009Fu);
}

TEST_F(TimerTest, TheLabelIsFoundWhenItComesAfterTheScriptInTheObject) {
    Build();
    StepSeconds(2.0f);
    EXPECT_EQ(Text(), "117") << "the label listed after the script still counts down";
}

TEST(TimerText, PadsAndTruncates) {
    EXPECT_EQ(Lv2Timer::Text(120.0f), "120");
    EXPECT_EQ(Lv2Timer::Text(45.99f), " 45");
    EXPECT_EQ(Lv2Timer::Text(9.5f), "  9");
    EXPECT_EQ(Lv2Timer::Text(0.4f), "  0");
    EXPECT_EQ(Lv2Timer::Text(-0.2f), "  0") << "never a negative second";
}

struct RoundEndTest : TimerTest {
    void SetUp() override {
        for (const char* scene : {"Player1WinningScene", "Player2WinningScene", "DrawScene"})
            dir.Write(std::string("MapData/") + scene + ".xml",
                      std::string("<Level><Object Name=\"") + scene + "Marker\"><Instance /></Object></Level>");
    }
};

TEST_F(RoundEndTest, AtZeroTheRoundEndsWithTheResultAndTheWinnersScene) {
    struct Case {
        int32_t p1, p2;
        const char* tag;
        const char* name;
        const char* scene;
    };
    for (const Case c : {Case{30, 20, "P1", "Player", "Player1WinningScene"},
                         Case{0, 10, "P2", "Player2", "Player2WinningScene"},
                         Case{40, 40, "Draw", "Draw", "DrawScene"}, Case{0, 0, "Draw", "Draw", "DrawScene"}}) {
        SCOPED_TRACE(c.scene);
        Game::ResetValues();  // each case is a match of its own
        Build(ScoringBird("Player", "Player1Level2Behaviour") + ScoringBird("Player2", "Player2Level2Behaviour") +
              Wipe());
        api::FindScript<Player1Level2Behaviour>("Player")->score = c.p1;
        api::FindScript<Player2Level2Behaviour>("Player2")->score = c.p2;
        timer->seconds = 1.5f * kFrame;
        Step();
        EXPECT_FALSE(timer->ended);
        Step();
        EXPECT_TRUE(timer->ended);
        EXPECT_TRUE(Game::matchResultReady);
        EXPECT_EQ(Game::winnerTag, c.tag);
        EXPECT_EQ(Game::winnerName, c.name);
        EXPECT_STREQ(Game::matchModeName.c_str(), levels::MatchName(levels::Mode::FoodCourt));
        EXPECT_NE(Find("Timer"), nullptr) << "the level stays while the wipe covers it";
        EXPECT_EQ(Text(), "  0");
        const std::string scene = std::string("MapData//") + c.scene + ".xml";
        ASSERT_TRUE(StepUntil([&] { return Level() == scene; }, 5.0f)) << Level();
        EXPECT_NE(Find(std::string(c.scene) + "Marker"), nullptr);
    }
}

TEST_F(RoundEndTest, WithoutAWipeTheResultLoadsAtOnce) {
    Build(ScoringBird("Player", "Player1Level2Behaviour") + ScoringBird("Player2", "Player2Level2Behaviour"));
    api::FindScript<Player2Level2Behaviour>("Player2")->score = 10;
    timer->seconds = 0.5f * kFrame;
    Step();
    EXPECT_EQ(Level(), "MapData//Player2WinningScene.xml");
    EXPECT_NE(Find("Player2WinningSceneMarker"), nullptr);
}

TEST_F(TimerTest, WithoutTheResultLevelsTheRoundEndsOnTheMainMenu) {
    std::filesystem::remove(dir.path() + "/MapData/DrawScene.xml");
    dir.Write("MapData/MainMenu.xml", "<Level><Object Name=\"MenuMarker\"><Instance /></Object></Level>");
    Build();
    testing::internal::CaptureStdout();
    timer->seconds = 0.5f * kFrame;
    Step();
    const std::string said = testing::internal::GetCapturedStdout();
    EXPECT_NE(said.find("DrawScene"), std::string::npos) << said;
    EXPECT_EQ(Level(), "MapData//MainMenu.xml");
    EXPECT_NE(Find("MenuMarker"), nullptr) << "never an empty scene";
}

}  // namespace

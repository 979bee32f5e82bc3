// Scraps on the floor and the birds that eat them: a scrap lies five seconds
// once it has landed and never expires in the air; a bird scores ten for each,
// grows heavy when full and digests one scrap every five seconds.
#include <string>

#include "api/script_api.h"
#include "food_court_fixture.h"
#include "game/foodcourt/food_scrap.h"
#include "game/foodcourt/food_scrap_behaviour.h"
#include "game/foodcourt/player1_level2_behaviour.h"
#include "game/foodcourt/player2_level2_behaviour.h"
#include "physics/rigid_body.h"

namespace {

std::string Bird(const char* name, const std::string& script, float x) {
    return std::string("<Object Name=\"") + name + "\"><Instance><Transform><Position X=\"" + std::to_string(x) +
           "\" Y=\"-5.7\" Layer=\"4\" /><Scale X=\"2\" Y=\"1.5\" /></Transform>"
           "<Rigid_Body><Mass Mass=\"1.5\" /></Rigid_Body><Collider />" +
           (script.empty() ? "" : "<Scripts><" + script + " /></Scripts>") + "</Instance></Object>\n";
}

std::string ScoreLabel(const char* name) {
    return std::string("<Object Name=\"") + name +
           "\"><Instance><Transform><Position X=\"0\" Y=\"8\" Layer=\"0\" /></Transform>"
           "<Label><Text Text=\"\" /></Label></Instance></Object>\n";
}

struct ScrapTest : FoodCourtFixture {
    void SetUp() override { OpenLevel("ScrapYard", Furniture()); }
};

TEST_F(ScrapTest, ALandedScrapLiesFiveSecondsOnTopOfTheFloor) {
    Engine::GameObj* scrap = api::Spawn("Scrap", 3.0f, -2.0f);
    auto* behaviour = api::ScriptOf<FoodScrapBehaviour>(scrap);
    ASSERT_NE(behaviour, nullptr);
    EXPECT_TRUE(api::ColliderOf(scrap)->ghost);
    const api::ObjectRef ref = scrap;
    ASSERT_TRUE(StepUntil([&] { return behaviour->landed; }, 3.0f));
    Step();
    EXPECT_EQ(api::Velocity(scrap).y, 0.0f);
    EXPECT_EQ(api::Body(scrap)->gravityScale, 0.0f);
    EXPECT_GE(api::Position(scrap).y, -6.5f + 0.59f / 2.0f - 1e-4f) << "lies on the floor, not in it";
    const float restingY = api::Position(scrap).y;
    StepSeconds(4.8f);
    ASSERT_TRUE(ref) << "still there before its five seconds are up";
    EXPECT_EQ(api::Position(scrap).y, restingY);
    StepSeconds(0.3f);
    EXPECT_FALSE(ref);
}

TEST_F(ScrapTest, AScrapThatNeverReachesTheFloorNeverExpires) {
    // Far beyond the floor's ends it falls for ever (the velocity is capped).
    const api::ObjectRef scrap = api::Spawn("Scrap", 60.0f, 0.0f);
    ASSERT_TRUE(scrap);
    StepSeconds(12.0f);
    ASSERT_TRUE(scrap);
    EXPECT_FALSE(api::ScriptOf<FoodScrapBehaviour>(scrap)->landed);
}

struct BirdsTest : FoodCourtFixture {
    Player1Level2Behaviour* p1 = nullptr;
    Player2Level2Behaviour* p2 = nullptr;
    void SetUp() override {
        OpenLevel("BirdYard", Furniture() + Bird("Player", "Player1Level2Behaviour", -6.0f) +
                                  Bird("Player2", "Player2Level2Behaviour", 6.0f) + ScoreLabel("P1Score") +
                                  ScoreLabel("P2Score"));
        p1 = api::FindScript<Player1Level2Behaviour>("Player");
        p2 = api::FindScript<Player2Level2Behaviour>("Player2");
        ASSERT_TRUE(p1 && p2);
        Step(30);  // both on the floor
    }
    // A scrap dropped right onto the bird.
    api::ObjectRef Feed(const char* bird) {
        const api::vec2 at = api::Position(Find(bird));
        return api::Spawn("Scrap", at.x, at.y + 0.5f);
    }
    float Mass(const char* bird) { return api::Body(Find(bird))->mass; }
};

TEST_F(BirdsTest, EatingAScrapScoresTenAndTheLabelSaysSo) {
    EXPECT_EQ(api::TextOf(Find("P1Score")), "Player1 Score: 0");
    EXPECT_EQ(api::TextOf(Find("P2Score")), "Player2 Score: 0");
    const api::ObjectRef scrap = Feed("Player2");
    Step(4);
    EXPECT_FALSE(scrap);
    EXPECT_EQ(p2->score, 10);
    EXPECT_EQ(p2->scrapsEaten, 1);
    EXPECT_EQ(p1->score, 0);
    EXPECT_EQ(api::TextOf(Find("P2Score")), "Player2 Score: 10");
    EXPECT_EQ(api::TextOf(Find("P1Score")), "Player1 Score: 0");
}

TEST_F(BirdsTest, TwoBirdsTouchingOneScrapInTheSameStepScoreItOnce) {
    Engine::GameObj* scrap = api::Spawn("Scrap", 0.0f, 5.0f);
    p1->OnCollisionEnter(scrap);
    p2->OnCollisionEnter(scrap);
    EXPECT_EQ(p1->score, 10);
    EXPECT_EQ(p2->score, 0);
    EXPECT_EQ(p2->scrapsEaten, 0);
    const api::ObjectRef ref = scrap;
    Step();
    EXPECT_FALSE(ref);
}

TEST_F(BirdsTest, AFullBirdIsTwiceAsHeavyUntilItDigests) {
    const float base = Mass("Player");
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(p1->full) << i;
        EXPECT_EQ(Mass("Player"), base);
        Feed("Player");
        Step(4);
    }
    EXPECT_EQ(p1->scrapsEaten, 3);
    EXPECT_TRUE(p1->full);
    EXPECT_EQ(Mass("Player"), 2.0f * base);
    // A fourth before anything is digested: still full.
    Feed("Player");
    Step(4);
    EXPECT_EQ(p1->scrapsEaten, 4);
    EXPECT_TRUE(p1->full);
    EXPECT_EQ(Mass("Player"), 2.0f * base);
    // One scrap every five seconds after the first was eaten.
    StepSeconds(5.0f * 2.0f - 16 * kFrame + 0.2f);
    EXPECT_EQ(p1->scrapsEaten, 2);
    EXPECT_FALSE(p1->full);
    EXPECT_EQ(Mass("Player"), base);
    EXPECT_EQ(p1->score, 40) << "digesting keeps the points";
}

TEST(FoodScrapKeeper, AHeldKeyFiresAgainAfterTheDelayAndThenAtTheRepeatRate) {
    const float frame = 1.0f / 60.0f;
    int fired = 1;  // the press itself
    float held = 0.0f;
    std::vector<float> when;
    for (int i = 0; i < 60; ++i) {
        const int now = FoodScrap::Repeats(held, frame);
        held += frame;
        for (int k = 0; k < now; ++k) when.push_back(held);
        fired += now;
    }
    // One second held: the press, then repeats at 0.275 s and every 0.05 s up to 1 s.
    EXPECT_EQ(fired, 1 + 1 + static_cast<int>((1.0f - FoodScrap::kRepeatDelay) / FoodScrap::kRepeatRate));
    ASSERT_FALSE(when.empty());
    EXPECT_NEAR(when.front(), FoodScrap::kRepeatDelay, frame);
}

TEST_F(FoodCourtFixture, TheScoreKeeperCountsBirdContactsAndItsKeys) {
    OpenLevel("KeeperYard", Furniture() + ScoreLabel("P1Score") + ScoreLabel("P2Score") +
                                "<Object Name=\"Keeper\"><Instance><Transform><Position X=\"0\" Y=\"-5.7\" Layer=\"1\" />"
                                "<Scale X=\"3\" Y=\"1\" /></Transform><Rigid_Body><isStatic S=\"0\" /></Rigid_Body>"
                                "<Collider /><Scripts><FoodScrap /></Scripts></Instance></Object>\n" +
                                Bird("Player", "", -6.0f));
    auto* keeper = api::FindScript<FoodScrap>("Keeper");
    ASSERT_NE(keeper, nullptr);
    Step();
    EXPECT_EQ(api::TextOf(Find("P1Score")), "Red Score: 0");
    api::SetPosition(Find("Player"), {0.0f, -5.7f});
    Step(4);
    EXPECT_EQ(keeper->redScore, 50);
    EXPECT_EQ(keeper->blueScore, 0);
    engine->keys().Press('B');
    Step();
    engine->keys().Release('B');
    Step();
    EXPECT_EQ(keeper->blueScore, 50);
    keeper->multiplier = 2;
    engine->keys().Press('R');
    StepSeconds(0.3f);
    engine->keys().Release('R');
    Step();
    EXPECT_EQ(keeper->redScore, 50 + 2 * 50 * 2) << "the press and one repeat";
    EXPECT_EQ(api::TextOf(Find("P2Score")), "Blue Score: 50");
}

}  // namespace

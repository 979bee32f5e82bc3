// The food court as the game loads it under "Level2": its objects, its
// customers (never more than two), and a whole round played to its result.
#include <set>
#include <string>

#include "api/script_api.h"
#include "food_court_fixture.h"
#include "game/birds/main_player_behaviour.h"
#include "game/foodcourt/human_customer_behaviour.h"
#include "game/foodcourt/human_spawner.h"
#include "game/foodcourt/lv2_timer.h"
#include "game/foodcourt/player1_level2_behaviour.h"
#include "game/game_values.h"

namespace {

struct FoodCourtLevelTest : FoodCourtFixture {
    void SetUp() override {
        for (const char* scene : {"Player1WinningScene", "Player2WinningScene", "DrawScene"})
            dir.Write(std::string("MapData/") + scene + ".xml",
                      std::string("<Level><Object Name=\"") + scene + "Marker\"><Instance /></Object></Level>");
        Open("Level2");
    }
};

TEST_F(FoodCourtLevelTest, LevelTwoIsTheFoodCourtWithEverythingItNeeds) {
    EXPECT_EQ(Level(), "MapData//Level2.xml");
    for (const char* name : {"Table1", "Table2", "Stall", "P1Score", "P2Score", "BottomBorder", "Player", "Player2",
                             "Timer", "CustomerSpawner", "TransitionBird"})
        EXPECT_NE(Find(name), nullptr) << name;
    EXPECT_NE(api::FindScript<Lv2Timer>("Timer"), nullptr);
    EXPECT_NE(api::FindScript<HumanSpawner>("CustomerSpawner"), nullptr);
    EXPECT_NE(api::FindScript<Player1Level2Behaviour>("Player"), nullptr);
    for (const char* archetype : {"HumanCustomer", "Food", "Scrap"})
        EXPECT_NE(engine->factory().Archetype(archetype), nullptr) << archetype;
}

TEST_F(FoodCourtLevelTest, TwoCustomersComeTenSecondsApartToDifferentTablesAndNoThird) {
    auto* spawner = api::FindScript<HumanSpawner>("CustomerSpawner");
    ASSERT_NE(spawner, nullptr);
    float t = kFrame;
    std::vector<float> arrivals;
    std::set<Engine::GameObj*> tables;
    while (t < 60.0f) {
        const size_t before = FindAll("HumanCustomer").size();
        Step();
        t += kFrame;
        const auto customers = FindAll("HumanCustomer");
        ASSERT_LE(customers.size(), 2u) << "at " << t << " s";
        if (customers.size() > before) {
            arrivals.push_back(t);
            auto* newest = api::ScriptOf<HumanCustomerBehaviour>(customers.back());
            ASSERT_NE(newest, nullptr);
            EXPECT_NEAR(api::Position(newest->owner).x, 17.0f, 0.1f);
            ASSERT_TRUE(newest->table);
            tables.insert(newest->table.Get());
            EXPECT_EQ(newest->look, static_cast<int32_t>(arrivals.size()));
        }
    }
    ASSERT_EQ(arrivals.size(), 2u);
    EXPECT_NEAR(arrivals[0], 10.0f, 2 * kFrame);
    EXPECT_NEAR(arrivals[1], 20.0f, 2 * kFrame);
    EXPECT_EQ(tables.size(), 2u) << "one customer per table";
    EXPECT_EQ(spawner->count, 2);
}

TEST_F(FoodCourtFixture, TheBirdsLandOnTheFloorEvenAfterALongFirstFrame) {
    // Loading a level takes a while; the frame after it is long and nothing clamps it.
    Start();
    engine->factory().LoadLevel("MapData//Level2.xml");
    engine->Step(1, 1.5f);
    StepSeconds(3.0f);
    for (const char* bird : {"Player", "Player2"}) {
        const api::vec2 at = api::Position(Find(bird));
        EXPECT_GT(at.y, -6.5f) << bird;
        EXPECT_LT(at.y, -4.0f) << bird << " stands on the floor";
        EXPECT_GT(at.x, -16.0f) << bird;
        EXPECT_LT(at.x, 16.0f) << bird;
    }
}

TEST_F(FoodCourtFixture, WithOneTableOnlyOneCustomerComes) {
    std::string furniture = Furniture();
    const size_t table2 = furniture.find("<Object Name=\"Table2\"");
    furniture.erase(table2, furniture.find("</Object>", table2) + 10 - table2);
    testing::internal::CaptureStdout();
    OpenLevel("OneTable", furniture +
                              "<Object Name=\"CustomerSpawner\"><Instance><Scripts><HumanSpawner /></Scripts>"
                              "</Instance></Object>\n");
    const std::string said = testing::internal::GetCapturedStdout();
    EXPECT_NE(said.find("table is missing"), std::string::npos) << said;
    StepSeconds(35.0f);
    EXPECT_EQ(FindAll("HumanCustomer").size(), 1u);
}

TEST_F(FoodCourtLevelTest, ARoundPlaysToTheResultScene) {
    auto* p1 = api::FindScript<Player1Level2Behaviour>("Player");
    ASSERT_NE(p1, nullptr);
    StepSeconds(59.0f);
    EXPECT_EQ(api::TextOf(Find("Timer")), " 60");
    p1->score += 10;
    StepSeconds(60.9f);
    EXPECT_EQ(Level(), "MapData//Level2.xml");
    ASSERT_TRUE(StepUntil([&] { return Level() != "MapData//Level2.xml"; }, 3.0f));
    EXPECT_EQ(Level(), "MapData//Player1WinningScene.xml");
    EXPECT_EQ(Game::winnerName, "Player");
    EXPECT_EQ(Game::winnerTag, "P1");
}

TEST_F(FoodCourtLevelTest, ABirdThatKeepsPushingACustomerDiesAndWalksBackIn) {
    ASSERT_TRUE(StepUntil([&] { return !FindAll("HumanCustomer").empty(); }, 11.0f));
    auto* customer = api::ScriptOf<HumanCustomerBehaviour>(FindAll("HumanCustomer").front());
    ASSERT_TRUE(StepUntil([&] { return customer->state == HumanCustomerBehaviour::kSit; }, 5.0f));
    auto* bird = api::FindScript<MainPlayerBehaviour>("Player");
    ASSERT_NE(bird, nullptr);
    ASSERT_FALSE(bird->State().dead);
    Engine::GameObj* self = Find("Player");
    const api::vec2 at = api::Position(customer->owner);
    bool died = false;
    for (int i = 0; i < 60 * 4 && !died; ++i) {
        api::SetPosition(self, {at.x, -5.7f});
        Step();
        died = bird->State().dead;
    }
    ASSERT_TRUE(died);
    EXPECT_EQ(customer->state, HumanCustomerBehaviour::kSit) << "the customer sits on";
    ASSERT_TRUE(StepUntil([&] { return !bird->State().dead; }, 3.0f)) << "the bird comes back";
    ASSERT_TRUE(StepUntil([&] { return !bird->State().controlsLocked; }, 5.0f)) << "after walking in";
    const api::vec2 back = api::Position(self);
    EXPECT_NEAR(back.x, -12.5f, 0.2f);
    EXPECT_GT(back.y, -6.5f);
    EXPECT_LT(back.y, 9.0f);
}

TEST_F(FoodCourtLevelTest, EscapePausesTheRoundAndItsMenuLeadsBackToTheTitle) {
    auto* timer = api::FindScript<Lv2Timer>("Timer");
    ASSERT_NE(timer, nullptr);
    Step(30);
    auto tap = [&](Engine::VirtualKey key) {
        engine->keys().Press(key);
        Step();
        engine->keys().Release(key);
        Step();
    };
    tap(Engine::VK_ESCAPE);
    ASSERT_TRUE(api::Paused());
    const float left = timer->seconds;
    Step(120);
    EXPECT_FLOAT_EQ(timer->seconds, left) << "the clock stops while the menu is open";
    for (int i = 0; i < 4; ++i) tap('S');  // "Quit to menu"
    tap('F');
    EXPECT_TRUE(StepUntil([&] { return Level() == "MapData//MainMenu_KR.xml"; }, 5.0f)) << Level();
    EXPECT_FALSE(api::Paused());
}

}  // namespace

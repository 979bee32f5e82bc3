// A bird that walks into a customer holds it up; one that keeps pushing for
// more than three seconds of contact dies, one that steps away first does not
// and starts a fresh count with its next push.
#include <string>

#include "api/script_api.h"
#include "food_court_fixture.h"
#include "game/birds/main_player_behaviour.h"
#include "game/foodcourt/human_customer_behaviour.h"

namespace {

using State = HumanCustomerBehaviour::State;

std::string BirdObject(const char* name) {
    return std::string("<Object Name=\"") + name +
           "\"><Instance><Transform><Position X=\"-30\" Y=\"-5.7\" Layer=\"6\" /><Scale X=\"2\" Y=\"1.5\" />"
           "</Transform><Rigid_Body><Mass Mass=\"1\" /></Rigid_Body><Collider />"
           "<Scripts><MainPlayerBehaviour /><RoundPlayerBehaviour /></Scripts></Instance></Object>\n";
}

struct BumpTest : FoodCourtFixture {
    HumanCustomerBehaviour* customer = nullptr;
    void SetUp() override {
        OpenLevel("BumpYard", Furniture() + BirdObject("Player") + BirdObject("Player2"));
        customer = SpawnCustomer(4.0f, "Table2");
        ASSERT_NE(customer, nullptr);
        // Sitting for a long while, on the floor.
        customer->state = State::kSit;
        customer->timer = 100.0f;
        StepSeconds(0.5f);
        ASSERT_TRUE(customer->landed);
    }
    MainPlayerBehaviour* Bird(const char* name) { return api::FindScript<MainPlayerBehaviour>(name); }
    // Keeps the bird on the customer (or `offset` beside it) for `seconds`;
    // returns the contact time at which the bird died, or -1.
    float Hold(const char* name, float seconds, float offset = 0.0f) {
        Engine::GameObj* bird = Find(name);
        const api::vec2 at = api::Position(customer->owner);
        float held = 0.0f, diedAt = -1.0f;
        for (int i = 0; i < static_cast<int>(seconds / kFrame + 0.5f); ++i) {
            api::SetPosition(bird, {at.x + offset, -5.7f});
            api::SetVelocity(bird, {0.0f, 0.0f});
            Step();
            held += kFrame;
            if (diedAt < 0.0f && Bird(name)->State().dead) diedAt = held;
        }
        return diedAt;
    }
};

TEST_F(BumpTest, ABirdPushingForMoreThanThreeSecondsDies) {
    ASSERT_NE(Bird("Player"), nullptr);
    ASSERT_FALSE(Bird("Player")->State().dead);
    const float diedAt = Hold("Player", 0.5f);
    EXPECT_EQ(diedAt, -1.0f);
    EXPECT_EQ(customer->state, State::kBumped);
    EXPECT_EQ(customer->bumper, Find("Player"));
    EXPECT_EQ(api::Velocity(customer->owner).x, 0.0f);
    const float later = Hold("Player", 3.0f);
    ASSERT_GT(later, 0.0f) << "still alive after 3.5 s of pushing";
    const float contact = 0.5f + later;
    EXPECT_GT(contact, 3.0f);
    EXPECT_LT(contact, 3.0f + 6 * kFrame) << "dies as soon as the contact passes 3 s";
    EXPECT_FALSE(customer->bumper) << "the bird is forgotten";
    EXPECT_EQ(customer->state, State::kSit) << "and the customer sits on";
}

TEST_F(BumpTest, ABirdThatStepsAwayLivesAndItsNextPushCountsFromZero) {
    EXPECT_EQ(Hold("Player", 2.5f), -1.0f);
    EXPECT_EQ(customer->state, State::kBumped);
    // Away: the contact ends and the customer goes back to sitting.
    EXPECT_EQ(Hold("Player", 0.5f, 6.0f), -1.0f);
    EXPECT_EQ(customer->state, State::kSit);
    EXPECT_FALSE(customer->bumper);
    EXPECT_EQ(customer->bumpTimer, 0.0f);
    // Back for another 2.5 s: 5 s of pushing in all, but never 3 s in a row.
    EXPECT_EQ(Hold("Player", 2.5f), -1.0f);
    EXPECT_FALSE(Bird("Player")->State().dead);
    EXPECT_LT(customer->bumpTimer, 2.6f);
}

TEST_F(BumpTest, MovingMoreThanTwoAwayLetsTheCustomerGoOnBeforeTheContactEnds) {
    Hold("Player", 0.5f);
    ASSERT_EQ(customer->state, State::kBumped);
    // Still touching (the boxes overlap) but the centres are more than 2 apart
    // (1.65 across, about 1.3 up to the customer's middle).
    Hold("Player", 0.2f, 1.65f);
    ASSERT_GT(api::Distance(Find("Player"), customer->owner), 2.0f);
    EXPECT_EQ(customer->state, State::kSit);
    EXPECT_EQ(customer->bumper, Find("Player")) << "the bird is still remembered";
}

TEST_F(BumpTest, ASecondBirdJoiningTheFirstDoesNotLeaveTheCustomerStuck) {
    Engine::GameObj* p1 = Find("Player");
    Engine::GameObj* p2 = Find("Player2");
    const api::vec2 at = api::Position(customer->owner);
    for (int i = 0; i < 30; ++i) {
        api::SetPosition(p1, {at.x - 0.3f, -5.7f});
        if (i >= 10) api::SetPosition(p2, {at.x + 0.3f, -5.7f});
        Step();
    }
    EXPECT_EQ(customer->state, State::kBumped);
    EXPECT_EQ(customer->previousState, State::kSit) << "remembers what it did before the first push";
    EXPECT_EQ(customer->bumper, p2);
    EXPECT_LT(customer->bumpTimer, 20 * kFrame + 1e-4f) << "the second bird's push counts from its own start";
    api::SetPosition(p1, {-30.0f, -5.7f});
    api::SetPosition(p2, {30.0f, -5.7f});
    Step(4);
    EXPECT_EQ(customer->state, State::kSit);
    EXPECT_FALSE(Bird("Player")->State().dead);
    EXPECT_FALSE(Bird("Player2")->State().dead);
}

TEST_F(BumpTest, AWalkingCustomerStopsForABirdAndWalksOnAfterwards) {
    customer->state = State::kGoToStall;
    Step();
    const float x = api::Position(customer->owner).x;
    Hold("Player", 1.0f, -0.2f);
    EXPECT_EQ(customer->state, State::kBumped);
    EXPECT_NEAR(api::Position(customer->owner).x, x, 0.06f) << "stopped while pushed";
    Hold("Player", 0.3f, -8.0f);
    EXPECT_EQ(customer->state, State::kGoToStall);
    StepSeconds(0.5f);
    EXPECT_LT(api::Position(customer->owner).x, x - 1.0f) << "walks on to the stall";
}

}  // namespace

namespace {

TEST_F(FoodCourtFixture, ACustomerThatLandsOutsideItsWalkStopsFalling) {
    OpenLevel("LandingYard", FoodCourtFixture::Furniture());
    HumanCustomerBehaviour* customer = SpawnCustomer(4.0f, "Table2");
    ASSERT_NE(customer, nullptr);
    customer->state = State::kSit;
    customer->timer = 100.0f;
    StepSeconds(1.0f);
    ASSERT_TRUE(customer->landed);
    const float y = api::Position(customer->owner).y;
    EXPECT_EQ(api::Velocity(customer->owner).y, 0.0f);
    EXPECT_NEAR(y, -6.5f + 2.2f, 1e-4f) << "on the floor, not sunk into it";
    StepSeconds(2.0f);
    EXPECT_EQ(api::Position(customer->owner).y, y);
}

}  // namespace

namespace {

TEST_F(FoodCourtFixture, WithLongFramesACustomerStillStandsOnTheFloorAndReachesItsTable) {
    // A slow machine: a quarter of a second a frame. The landing arrives a step
    // late, after the customer has fallen well into the floor.
    OpenLevel("SlowYard", FoodCourtFixture::Furniture());
    HumanCustomerBehaviour* customer = SpawnCustomer(17.0f, "Table2");
    ASSERT_NE(customer, nullptr);
    for (int i = 0; i < 40 && customer->state == State::kWalkToTable; ++i) engine->Step(1, 0.25f);
    ASSERT_TRUE(customer->landed);
    EXPECT_NEAR(api::Position(customer->owner).y, -6.5f + 2.2f, 1e-4f) << "feet on the floor line";
    EXPECT_EQ(customer->state, State::kSit);
}

}  // namespace

// A customer's day, state by state: walking to its table, sitting, going to
// the stall, queueing behind another, ordering, carrying its food, eating
// while dropping scraps, leaving while the plate fades.
#include <algorithm>
#include <cmath>
#include <vector>

#include "api/script_api.h"
#include "food_court_fixture.h"
#include "game/foodcourt/food_scrap_behaviour.h"
#include "game/foodcourt/human_customer_behaviour.h"
#include "graphics/renderable2d.h"
#include "physics/rigid_body.h"

namespace {

using State = HumanCustomerBehaviour::State;

struct CustomerTest : FoodCourtFixture {
    void SetUp() override { OpenLevel("CustomerYard", Furniture()); }
    float Reach(const char* other, float margin) {
        return (2.4f + std::fabs(api::Scale(Find(other)).x)) / 2.0f - margin;
    }
    // Centre-to-centre distance from a point where the customer stood to an object.
    float DistanceTo(api::vec2 at, const char* other) { return api::Length(at - api::Position(Find(other))); }
    static uint32_t AlphaOf(const Engine::GameObj* object) { return object->GetSprite()->color >> 24; }
};

// What the customer looked like on the first frame of each state it went through.
struct Visit {
    int32_t state;
    api::vec2 position;
    api::vec2 velocity;
    float timer;
    float scaleX;
};

TEST_F(CustomerTest, WalksSitsOrdersCarriesEatsAndLeavesInThatOrder) {
    HumanCustomerBehaviour* customer = SpawnCustomer(17.0f, "Table2");
    ASSERT_NE(customer, nullptr);
    Engine::GameObj* self = customer->owner;
    EXPECT_LT(api::Scale(self).x, 0.0f) << "mirrored to face the way it walks in";
    EXPECT_TRUE(api::ColliderOf(self)->ghost);

    std::vector<Visit> visits;
    int scrapsSeen = 0;
    api::ObjectRef food;
    api::vec2 foodOnTable;
    int32_t foodLayerOnTable = 0;
    uint32_t alphaWhenLeaving = 0, lastAlpha = 0;
    int framesFoodFaded = 0;
    for (int frame = 0; frame < 60 * 70 && !(customer->state == State::kLeave && !customer->food); ++frame) {
        const int32_t before = customer->state;
        const int32_t dropped = customer->scrapsDropped;
        Step();
        if (customer->state != before)
            visits.push_back({customer->state, api::Position(self), api::Velocity(self), customer->timer,
                              api::Scale(self).x});
        if (customer->food) food = customer->food;
        if (customer->state != before && customer->state == State::kEat && food) {
            foodOnTable = api::Position(food.Get());
            foodLayerOnTable = api::Layer(food.Get());
        }
        if (customer->scrapsDropped > dropped) {
            ++scrapsSeen;
            Engine::GameObj* scrap = FindAll("Scrap").back();  // the newest
            EXPECT_EQ(before, State::kEat);
            const float vx = api::Velocity(scrap).x;
            EXPECT_TRUE(vx == -1.0f || vx == 0.0f || vx == 1.0f) << vx;
            EXPECT_EQ(api::Layer(scrap), HumanCustomerBehaviour::kScrapLayer);
        }
        if (customer->state == State::kLeave && food) {
            const uint32_t alpha = AlphaOf(food.Get());
            if (alphaWhenLeaving == 0) alphaWhenLeaving = alpha;
            else if (alpha < lastAlpha) ++framesFoodFaded;
            lastAlpha = alpha;
        }
    }
    std::vector<int32_t> order;
    for (const Visit& v : visits) order.push_back(v.state);
    ASSERT_EQ(order, (std::vector<int32_t>{2, 3, 5, 6, 7, 8}));

    EXPECT_TRUE(customer->landed);
    EXPECT_EQ(api::Body(self)->gravityScale, 0.0f);

    const Visit& sit = visits[0];
    EXPECT_LT(DistanceTo(sit.position, "Table2"), Reach("Table2", 1.0f));
    EXPECT_GT(DistanceTo(sit.position, "Table2"), Reach("Table2", 1.0f) - 0.1f) << "stops on arrival, not later";
    EXPECT_GT(sit.position.x, 7.5f) << "came in from the right";
    EXPECT_EQ(sit.velocity.x, 0.0f);
    EXPECT_GE(sit.timer, 3.0f);
    EXPECT_LT(sit.timer, 7.0f);

    const Visit& order5 = visits[2];
    EXPECT_LT(DistanceTo(order5.position, "Stall"), Reach("Stall", 0.0f));
    EXPECT_GT(DistanceTo(order5.position, "Stall"), Reach("Stall", 0.0f) - 0.1f);
    EXPECT_GE(order5.timer, 5.0f);
    EXPECT_LT(order5.timer, 8.0f);

    const Visit& carry = visits[3];
    EXPECT_GT(carry.scaleX, 0.0f) << "turned round towards its table";

    const Visit& eat = visits[4];
    EXPECT_LT(DistanceTo(eat.position, "Table2"), Reach("Table2", 1.0f));
    EXPECT_LT(eat.position.x, 7.5f) << "comes back from the stall's side";
    EXPECT_FLOAT_EQ(foodOnTable.x, eat.position.x + 1.2f) << "half the customer's width along";
    EXPECT_FLOAT_EQ(foodOnTable.y, -5.4f + 1.1f + 0.9f / 4.0f) << "on the table top";
    EXPECT_EQ(foodLayerOnTable, api::Layer(Find("Table2")) + 1);
    EXPECT_FLOAT_EQ(eat.timer, 3.0f);

    const Visit& leave = visits[5];
    EXPECT_EQ(customer->scrapsDropped, 3);
    EXPECT_EQ(scrapsSeen, 3);
    EXPECT_FLOAT_EQ(api::Velocity(self).x, 3.0f);
    EXPECT_GT(api::Position(self).x, leave.position.x) << "walks off to the right";
    // The plate fades one step a frame for three seconds, then goes.
    EXPECT_EQ(alphaWhenLeaving, 255u);
    EXPECT_NEAR(framesFoodFaded, 180, 2);
    EXPECT_FALSE(food);
}

TEST_F(CustomerTest, TheFoodIsCarriedInFrontAndPutOnTheTable) {
    HumanCustomerBehaviour* customer = SpawnCustomer(-6.0f, "Table1");
    ASSERT_NE(customer, nullptr);
    customer->landed = true;
    customer->state = State::kOrder;
    customer->timer = 0.01f;
    Step(2);
    ASSERT_EQ(customer->state, State::kCarryFood);
    ASSERT_TRUE(customer->food);
    Engine::GameObj* self = customer->owner;
    Step();
    const float quarter = api::Scale(self).x / 4.0f;
    EXPECT_NEAR(api::Position(customer->food.Get()).x, api::Position(self).x + quarter, 0.06f);
    EXPECT_NEAR(api::Position(customer->food.Get()).y, api::Position(self).y, 0.01f);
    EXPECT_EQ(api::Layer(customer->food.Get()), api::Layer(self) + 1);

    ASSERT_TRUE(StepUntil([&] { return customer->state == State::kEat; }, 10.0f));
    const api::vec2 at = api::Position(self);
    const api::vec2 foodAt = api::Position(customer->food.Get());
    EXPECT_FLOAT_EQ(foodAt.x, at.x + api::Scale(self).x / 2.0f);
    EXPECT_FLOAT_EQ(foodAt.y, -5.4f + 1.1f + 0.9f / 4.0f);
    EXPECT_EQ(api::Layer(customer->food.Get()), api::Layer(Find("Table1")) + 1);
    EXPECT_EQ(api::Velocity(self).x, 0.0f);
}

TEST_F(CustomerTest, ScrapsFallFromTheTableAndComeThreeSecondsApart) {
    HumanCustomerBehaviour* customer = SpawnCustomer(-3.2f, "Table1");
    ASSERT_NE(customer, nullptr);
    customer->landed = true;
    customer->state = State::kEat;
    customer->timer = 3.0f;
    api::GameObj* food = api::Spawn("Food", -2.0f, -4.1f);
    customer->food = food;

    std::vector<float> dropTimes;
    float t = 0.0f;
    while (t < 20.0f && customer->state == State::kEat) {
        const int32_t dropped = customer->scrapsDropped;
        Step();
        t += kFrame;
        if (customer->scrapsDropped > dropped) {
            dropTimes.push_back(t);
            // The newest object is the scrap just dropped (earlier ones may have gone).
            const api::vec2 at = api::Position(FindAll("Scrap").back());
            EXPECT_NEAR(at.x, -2.0f, 0.05f);
            EXPECT_NEAR(at.y, -4.1f + 1.1f, 0.05f) << "raised by half the table's height";
        }
    }
    ASSERT_EQ(dropTimes.size(), 3u);
    EXPECT_GE(dropTimes[0], 3.0f);
    EXPECT_GE(dropTimes[1] - dropTimes[0], 3.0f);
    EXPECT_GE(dropTimes[2] - dropTimes[1], 3.0f);
    EXPECT_EQ(customer->state, State::kLeave);
    EXPECT_GE(t - dropTimes[2], 3.0f) << "leaves only once the timer ran out after the third scrap";
}

TEST_F(CustomerTest, QueuesBehindTheCustomerOrderingAndMovesUpWhenItLeaves) {
    HumanCustomerBehaviour* front = SpawnCustomer(-7.4f, "Table1");
    HumanCustomerBehaviour* back = SpawnCustomer(-3.5f, "Table2");
    ASSERT_TRUE(front && back);
    front->landed = back->landed = true;
    front->state = State::kOrder;
    front->timer = 2.0f;
    back->state = State::kGoToStall;

    ASSERT_TRUE(StepUntil([&] { return back->state == State::kQueue; }, 2.0f));
    EXPECT_EQ(back->blocker, front->owner);
    EXPECT_GT(api::Position(back->owner).x, api::Position(front->owner).x);
    Step();
    EXPECT_EQ(api::Velocity(back->owner).x, 0.0f) << "waits in the queue";
    const float waitingAt = api::Position(back->owner).x;

    bool orderedTogether = false;
    ASSERT_TRUE(StepUntil([&] {
        orderedTogether = orderedTogether || (back->state == State::kOrder && front->state == State::kOrder);
        return back->state == State::kOrder;
    }, 10.0f));
    EXPECT_FALSE(orderedTogether);
    EXPECT_GE(front->state, State::kCarryFood);
    EXPECT_FALSE(back->blocker) << "forgets the customer in front once it has passed";
    EXPECT_LT(api::Position(back->owner).x, waitingAt) << "moved up to the stall";
}

TEST_F(CustomerTest, DoesNotQueueBehindSomeoneWhoIsNotOrderingOrNotInFront) {
    struct Case {
        float frontX;
        int32_t frontState;
    };
    // The other customer stands behind it (further right), or is not ordering.
    for (const Case c : {Case{-2.0f, State::kOrder}, Case{-5.0f, State::kSit}}) {
        OpenLevel("CustomerYard", Furniture());
        HumanCustomerBehaviour* other = SpawnCustomer(c.frontX, "Table1");
        HumanCustomerBehaviour* walker = SpawnCustomer(-3.0f, "Table2");
        ASSERT_TRUE(other && walker);
        other->landed = walker->landed = true;
        other->state = c.frontState;
        other->timer = 30.0f;
        walker->state = State::kGoToStall;
        for (int i = 0; i < 60; ++i) {
            Step();
            ASSERT_NE(walker->state, State::kQueue) << "front at x " << c.frontX << " in state " << c.frontState;
        }
    }
}

TEST_F(CustomerTest, NothingHappensWithoutATable) {
    HumanCustomerBehaviour* customer = SpawnCustomer(10.0f, "NoSuchTable");
    ASSERT_NE(customer, nullptr);
    StepSeconds(3.0f);
    EXPECT_EQ(customer->state, State::kWalkToTable);
    EXPECT_EQ(api::Velocity(customer->owner).x, 0.0f);
}

}  // namespace

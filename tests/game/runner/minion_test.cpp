// The minions: sent in on shuffled lanes, paying their reward to the bird that
// kills them, pushing away birds they bump into (never with a NaN), and the
// "+50" label each one owns, freed exactly once.
#include <algorithm>
#include <cmath>

#include "game/birds/main_player_behaviour.h"
#include "game/runner/l4_individual_minion.h"
#include "game/runner/l4_minion.h"
#include "graphics/graphics.h"
#include "graphics/layer.h"
#include "objects/game_object_factory.h"
#include "objects/level_paths.h"
#include "physics/rigid_body.h"
#include "runner_fixture.h"
#include "support/bird_test_access.h"

namespace {

struct MinionFixture : RunnerFixture {
    L4Minion* sender = nullptr;
    void Start() {
        Open();
        sender = api::FindScript<L4Minion>("L4Spawners");
        ASSERT_NE(sender, nullptr);
        ASSERT_EQ(sender->minions.size(), 6u);
    }
    L4IndividualMinion* Minion(size_t i) const { return api::ScriptOf<L4IndividualMinion>(sender->minions[i]); }
    // An active minion standing still at (x, y).
    L4IndividualMinion* Place(size_t i, api::vec2 at) {
        L4IndividualMinion* minion = Minion(i);
        minion->active = true;
        api::SetPosition(minion->owner, at);
        return minion;
    }
    Engine::GameObj* Projectile(const char* name, const char* owner) {
        Engine::GameObj* object = api::Spawn("MusicNote", -50.0f, 50.0f);
        object->name = name;
        object->shooter = api::Find(owner);  // none for a name no bird has
        return object;
    }
};

TEST_F(MinionFixture, SendsIdleMinionsInOnEveryLaneInTurnWhileEnabled) {
    Start();
    std::vector<float> lanes = sender->lanes;
    std::sort(lanes.begin(), lanes.end());
    EXPECT_EQ(lanes, (std::vector<float>{-3, -2, -1, 1, 2, 3}));
    sender->enabled = false;
    Step(400);
    for (size_t i = 0; i < 6; ++i) EXPECT_FALSE(Minion(i)->active) << "nothing is sent while switched off";
    JumpTo(22.0f);  // the run switches them on
    std::vector<float> entryLanes;
    for (int frame = 0; frame < 60 * 30 && entryLanes.size() < 6; ++frame) {
        const std::vector<float> lanesNow = sender->lanes;
        const int index = sender->index;
        Step();
        if (sender->index != index && index < 6) {
            L4IndividualMinion* sent = Minion(static_cast<size_t>(index));
            ASSERT_TRUE(sent->active);
            EXPECT_LT(api::Position(sent->owner).x, L4Minion::kEntryX + 0.01f);
            entryLanes.push_back(api::Position(sent->owner).y);
            EXPECT_FLOAT_EQ(api::Position(sent->owner).y, lanesNow[static_cast<size_t>(index)]);
            EXPECT_GE(sender->delay, 1.0f);
            EXPECT_LE(sender->delay, 4.0f);
        }
    }
    ASSERT_EQ(entryLanes.size(), 6u);
    std::sort(entryLanes.begin(), entryLanes.end());
    EXPECT_EQ(entryLanes, (std::vector<float>{-3, -2, -1, 1, 2, 3}));
    Step();
    for (size_t i = 0; i < 6; ++i) {
        const float vx = api::Velocity(Minion(i)->owner).x;
        if (!Minion(i)->active) continue;
        EXPECT_LT(vx, 0.0f);
        EXPECT_GE(vx, -10.0f);
    }
}

struct KillCase {
    const char* projectile;
    const char* owner;
    int player1Gain;
    int player2Gain;
};

class MinionKill : public MinionFixture, public ::testing::WithParamInterface<KillCase> {};

TEST_P(MinionKill, PaysTheRewardToTheBirdThatKilledIt) {
    const KillCase& c = GetParam();
    Start();
    L4IndividualMinion* minion = Place(0, {4.0f, 2.0f});
    SetScore(bird1(), 10);
    SetScore(bird2(), 10);
    sender->timer = 0.7f;
    minion->OnCollisionEnter(Projectile(c.projectile, c.owner));
    EXPECT_FALSE(minion->active);
    EXPECT_EQ(Score(bird1()), 10 + c.player1Gain);
    EXPECT_EQ(Score(bird2()), 10 + c.player2Gain);
    EXPECT_FLOAT_EQ(sender->timer, 0.0f) << "the sender waits a full delay after a kill";
    EXPECT_FLOAT_EQ(api::Position(minion->owner).x, -200.0f);
    EXPECT_TRUE(minion->showPopup);
    EXPECT_FLOAT_EQ(minion->lastPos.x, 4.0f);
}

INSTANTIATE_TEST_SUITE_P(Runner, MinionKill,
                         ::testing::Values(KillCase{"Dung", "Player", 50, 0}, KillCase{"Dung", "Player2", 0, 50},
                                           KillCase{"FartBomb", "Player2", 0, 50},
                                           KillCase{"SoundScream", "Player", 50, 0},
                                           KillCase{"LightningBall", "Player", 50, 0},
                                           KillCase{"MynaBeam", "Player2", 0, 50},
                                           KillCase{"Dung", "Egg", 0, 0}),
                         [](const ::testing::TestParamInfo<KillCase>& info) {
                             return std::string(info.param.projectile) + "_" + info.param.owner;
                         });

TEST_F(MinionFixture, APeckKillsForTheReward) {
    Start();
    L4IndividualMinion* minion = Place(1, {0.0f, 1.0f});
    api::SetPosition(bird2(), {0.5f, 1.0f});
    Edit(api::ScriptOf<MainPlayerBehaviour>(bird2())).pecking = true;
    SetScore(bird2(), 0);
    minion->OnCollisionEnter(bird2());
    EXPECT_FALSE(minion->active);
    EXPECT_EQ(Score(bird2()), 50);
}

TEST_F(MinionFixture, ABumpPushesAnUnprotectedBirdAwayAndNeverWithANaN) {
    Start();
    L4IndividualMinion* minion = Place(2, {0.0f, 0.0f});
    Engine::RigidBody* body = api::Body(bird1());
    const struct {
        api::vec2 bird;
        bool protectedBird;
        api::vec2 expected;
    } cases[] = {{{1.0f, 0.0f}, false, {15.0f, 0.0f}},
                 {{0.0f, -2.0f}, false, {0.0f, -15.0f}},
                 {{0.0f, 0.0f}, false, {0.0f, 0.0f}},  // centres together: no direction, no push
                 {{1.0f, 0.0f}, true, {0.0f, 0.0f}},   // protected and not pecking: nothing
                 {{50.0f, 0.0f}, false, {0.0f, 0.0f}}};
    for (const auto& c : cases) {
        SetProtected(bird1(), c.protectedBird);
        api::SetPosition(bird1(), c.bird);
        body->force = {};
        SetScore(bird1(), 0);
        minion->OnCollisionStay(bird1());
        EXPECT_TRUE(std::isfinite(body->force.x) && std::isfinite(body->force.y));
        EXPECT_NEAR(body->force.x, c.expected.x, 1e-4f);
        EXPECT_NEAR(body->force.y, c.expected.y, 1e-4f);
        EXPECT_TRUE(minion->active);
        EXPECT_EQ(Score(bird1()), 0);
    }
}

TEST_F(MinionFixture, AMinionThatReachesTheLeftBoundLeavesWithoutPayingAnyone) {
    Start();
    L4IndividualMinion* minion = Place(3, {-17.0f, 0.0f});
    SetScore(bird1(), 0);
    Step(3);
    EXPECT_FALSE(minion->active);
    EXPECT_FALSE(minion->showPopup);
    EXPECT_FLOAT_EQ(api::Position(minion->owner).x, -200.0f);
    EXPECT_EQ(Score(bird1()) + Score(bird2()), 0);
}

TEST_F(MinionFixture, TheRewardPopsUpWhereItDiedForHalfASecond) {
    Start();
    L4IndividualMinion* minion = Place(4, {3.0f, -2.0f});
    minion->OnCollisionEnter(Projectile("Dung", "Player"));
    Step();
    EXPECT_FLOAT_EQ(runner::LabelPosition(minion->label.get()).x, 3.0f);
    EXPECT_FLOAT_EQ(runner::LabelPosition(minion->label.get()).y, -1.0f);
    EXPECT_EQ(minion->label->text, "+50");
    EXPECT_FLOAT_EQ(api::Position(minion->explosion.Get()).x, 3.0f);
    Step(30);
    EXPECT_FALSE(minion->showPopup);
    EXPECT_FLOAT_EQ(runner::LabelPosition(minion->label.get()).x, 165.0f);
    EXPECT_FLOAT_EQ(api::Position(minion->explosion.Get()).x, 120.0f);
}

bool WorldLayerLists(const Engine::graphics::Renderable2D* renderable) {
    Engine::graphics::Layer* world = Engine::graphics::Graphics::instance->worldLayer();
    return std::find(world->renderables.begin(), world->renderables.end(), renderable) != world->renderables.end();
}

TEST_F(MinionFixture, AMinionsLabelLeavesTheLayersWithItsScriptAndIsFreedOnce) {
    Start();
    const Engine::graphics::Label* label = Minion(5)->label.get();
    ASSERT_TRUE(WorldLayerLists(label));
    api::Destroy(sender->minions[5].Get());
    Step(2);
    EXPECT_FALSE(WorldLayerLists(label)) << "the freed label is no longer drawn";
    // The other labels go when the level is left: each freed once, by its script.
    EXPECT_TRUE(WorldLayerLists(Minion(0)->label.get()));
    engine->factory().LoadLevel(Engine::GameObjectFactory::instance->levelPaths["Level4"]);
    Step(5);
    engine->factory().LoadLevel(Engine::GameObjectFactory::instance->levelPaths["LoadingScreen"]);
    Step();
}

}  // namespace

// The runner's power bugs: a bird that touches one takes its power-up and the
// bug leaves play; bugs that cross the screen come back, so the releases go on
// for the whole run, not only the pool's first five.
#include "game/birds/main_player_behaviour.h"
#include "game/birds/round_player_behaviour.h"
#include "game/egg/bug_behaviour.h"
#include "game/runner/l4_power_up_spawner.h"
#include "runner_fixture.h"
#include "support/bird_test_access.h"

namespace {

L4PowerUpSpawner* Spawner() { return api::FindScript<L4PowerUpSpawner>("L4Spawners"); }

// The pool's bug of `kind` that is crossing now, or null.
Engine::GameObj* CrossingBug(L4PowerUpSpawner::Kind kind) {
    L4PowerUpSpawner* spawner = Spawner();
    for (size_t i = 0; spawner && i < spawner->bugs.size(); ++i) {
        Engine::GameObj* bug = spawner->bugs[i].Get();
        const BugBehaviour* script = api::ScriptOf<BugBehaviour>(bug);
        if (script && script->active && spawner->kinds[i] == kind && api::Position(bug).x < 13.0f) return bug;
    }
    return nullptr;
}

struct PickupCase {
    const char* name;
    L4PowerUpSpawner::Kind kind;
};

void PrintTo(const PickupCase& c, std::ostream* os) { *os << c.name; }

class RunnerPowerBug : public RunnerFixture, public ::testing::WithParamInterface<PickupCase> {};

TEST_P(RunnerPowerBug, ABirdThatTouchesItTakesItsPowerAndTheBugLeavesPlay) {
    Open();
    ParkBirds();
    Engine::GameObj* bug = nullptr;
    for (int frame = 0; frame < 60 * 60 && !bug; ++frame) {
        Step();
        ParkBirds();
        bug = CrossingBug(GetParam().kind);
    }
    ASSERT_NE(bug, nullptr) << "no " << GetParam().name << " bug crossed in a minute";
    SetProtected(bird1(), false);
    RoundPlayerBehaviour* round = api::ScriptOf<RoundPlayerBehaviour>(bird1());
    MainPlayerBehaviour* main = api::ScriptOf<MainPlayerBehaviour>(bird1());
    ASSERT_NE(round, nullptr);
    ASSERT_NE(main, nullptr);
    Edit(main).ultimateReady = false;
    Edit(round).powerUpBusy = false;
    Touch(bird1(), bug);
    Step();
    const BugBehaviour* script = api::ScriptOf<BugBehaviour>(bug);
    EXPECT_FALSE(script->active) << "a picked bug leaves play";
    EXPECT_LT(api::Position(bug).x, -100.0f) << "and is parked";
    switch (GetParam().kind) {
        case L4PowerUpSpawner::kImmunity: EXPECT_TRUE(round->State().immune); break;
        case L4PowerUpSpawner::kLaxative: EXPECT_TRUE(round->State().laxative); break;
        case L4PowerUpSpawner::kUltimate: EXPECT_TRUE(main->State().ultimateReady); break;
    }
    EXPECT_FALSE(api::ScriptOf<RoundPlayerBehaviour>(bird2())->State().immune) << "only the bird that touched it";
}

INSTANTIATE_TEST_SUITE_P(Kinds, RunnerPowerBug,
                         ::testing::Values(PickupCase{"Immunity", L4PowerUpSpawner::kImmunity},
                                           PickupCase{"Laxative", L4PowerUpSpawner::kLaxative},
                                           PickupCase{"Ultimate", L4PowerUpSpawner::kUltimate}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(RunnerFixture, PowerBugsKeepComingAfterThePoolsFirstFive) {
    Open();
    L4PowerUpSpawner* spawner = Spawner();
    ASSERT_NE(spawner, nullptr);
    ASSERT_EQ(spawner->bugs.size(), static_cast<size_t>(L4PowerUpSpawner::kPoolSize));
    std::vector<bool> wasActive(spawner->bugs.size(), false);
    std::vector<int> releasesOf(spawner->bugs.size(), 0);
    int releases = 0;
    // Two minutes with the birds out of the way: every bug crosses and leaves
    // at the left edge (which restarts the spawner's 4 to 8 s wait), and comes
    // round again.
    for (int frame = 0; frame < 120 * 60; ++frame) {
        ParkBirds();
        Step();
        for (size_t i = 0; i < spawner->bugs.size(); ++i) {
            const BugBehaviour* script = api::ScriptOf<BugBehaviour>(spawner->bugs[i].Get());
            ASSERT_NE(script, nullptr) << "bug " << i << " of the pool is gone";
            if (script->active && !wasActive[i]) {
                ++releases;
                ++releasesOf[i];
            }
            wasActive[i] = script->active;
        }
    }
    EXPECT_GT(releases, 2 * L4PowerUpSpawner::kPoolSize) << "the releases stopped";
    for (size_t i = 0; i < releasesOf.size(); ++i) EXPECT_GE(releasesOf[i], 2) << "bug " << i << " never came back";
}

}  // namespace

// Ultimates against the boss of the boss level: they take health only while it
// is vulnerable, and only in that level.
#include "api/script_api.h"
#include "game/birds/main_player_behaviour.h"
#include "game/birds/round_player_behaviour.h"
#include "game/ultimates/boss_target.h"
#include "logic/script_registry.h"
#include "skill_fixture.h"
#include "support/bird_test_access.h"

namespace {

constexpr Engine::VirtualKey kUltiKey = 0xA0;

// A stand-in boss with the interface the ultimates look for.
class TestBoss : public Engine::ScriptBase<TestBoss>, public BossTarget {
public:
    using ScriptBase::ScriptBase;
    bool Vulnerable() const override { return vulnerable; }
    int32_t& Health() override { return health; }
    bool vulnerable = true;
    int32_t health = 1000;
};
REGISTER_SCRIPT("TestBoss", TestBoss);

const char* const kBoss =
    "<Object Name=\"Level4Boss\"><Instance><Transform><Position X=\"4\" Y=\"-5.5\" Layer=\"3\"/>"
    "<Scale X=\"3\" Y=\"3\"/></Transform><Rigid_Body><isStatic Type=\"0\"/></Rigid_Body>"
    "<Collider><IsGhost G=\"1\"/><Collider_Size W=\"3\" H=\"3\"/></Collider>"
    "<Scripts><TestBoss/></Scripts></Instance></Object>";

struct BossCase {
    const char* name;
    int character;
    const char* level;
    bool vulnerable;
    int32_t health;  // after the ultimate
    int32_t hits;    // credited to the bird
};

class BossDamage : public SkillFixture, public ::testing::WithParamInterface<BossCase> {};

TEST_P(BossDamage, TakesHealthOnlyFromAVulnerableBossInTheBossLevel) {
    const BossCase& c = GetParam();
    Open(c.character, 1, kBoss, c.level);
    TestBoss* boss = api::ScriptOf<TestBoss>(api::Find("Level4Boss"));
    ASSERT_NE(boss, nullptr);
    boss->vulnerable = c.vulnerable;
    Place(P1(), {-6.0f, NAN}, true);
    Place(P2(), {-12.0f, 6.0f}, false);
    Step(2);
    Edit(Bird(P1())).ultimateReady = true;
    Tap(kUltiKey);
    for (int frame = 0; frame < 6 * 60; ++frame) {
        Place(P2(), {-12.0f, 6.0f}, false);  // out of every ultimate's way
        Step();
    }
    EXPECT_EQ(boss->health, c.health);
    EXPECT_EQ(Round(P1())->State().hitCount, c.hits);
}

INSTANTIATE_TEST_SUITE_P(
    Ultimates, BossDamage,
    ::testing::Values(BossCase{"BeamOnce", 1, "MapData//Zurododavad.xml", true, 940, 60},
                      BossCase{"BeamWhileGuarded", 1, "MapData//Zurododavad.xml", false, 1000, 0},
                      BossCase{"BeamElsewhere", 1, "MapData//SkillRange.xml", true, 1000, 0},
                      BossCase{"Beat", 2, "MapData//Zurododavad.xml", true, 1000 - 4 * 12, 4 * 12},
                      BossCase{"PirateBroadside", 3, "MapData//Zurododavad.xml", true, 940, 60},
                      BossCase{"DroppingLanding", 4, "MapData//Zurododavad.xml", true, 940, 60}),
    [](const ::testing::TestParamInfo<BossCase>& info) { return std::string(info.param.name); });

}  // namespace

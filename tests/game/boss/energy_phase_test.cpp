// The energy phase: the dialogue holds everything back, the countdown runs from
// 45 s and opens the fight (or five orbs do), orbs that a bird touches fly to
// its tier bar and raise its tier, and the upgrades are rolled when the fight
// opens.
#include "api/script_api.h"
#include "boss_fixture.h"
#include "game/boss/fight_state.h"
#include "game/birds/main_player_behaviour.h"
#include "game/birds/round_player_behaviour.h"
#include "game/boss/energy_orb_behaviour.h"
#include "game/boss/zurododavad_minion_behaviour.h"
#include "game/boss/zurododavad_level_control.h"
#include "game/boss/zurododavad_player_behaviour.h"
#include "game/game_values.h"
#include "game/story/dialog_scene.h"
#include "objects/components.h"
#include "physics/collider.h"
#include "physics/rigid_body.h"
#include "support/bird_test_access.h"

namespace {

using EnergyPhase = BossFixture;

std::string CountdownText(const ZurododavadLevelControl* control) {
    return control ? api::TextOf(control->countdownLabel.Get()) : "<no control>";
}

TEST_F(EnergyPhase, NothingStartsWhileTheDialogueIsShowing) {
    Open(false);
    DialogScene* dialogue = Dialogue();
    ASSERT_NE(dialogue, nullptr);
    boss::Fight()->orbCount = 5;  // would open the fight at once
    for (int frame = 0; frame < Frames(50.0f); ++frame) {
        dialogue->phase = DialogScene::Phase::Showing;  // kept up, as a long dialogue would
        Step();
    }
    EXPECT_FALSE(boss::FightNow().started);
    EXPECT_FALSE(boss::FightNow().vulnerable);
    EXPECT_EQ(CountdownText(Control()), "");
    // The birds wait at their spawn points.
    EXPECT_NEAR(api::Position(P1()).x, -10.0f, 0.01f);
    EXPECT_NEAR(api::Position(P2()).x, 10.0f, 0.01f);
    dialogue->phase = DialogScene::Phase::Hiding;
    Step(2);
    EXPECT_TRUE(boss::FightNow().started);
    EXPECT_TRUE(boss::FightNow().vulnerable);
}

TEST_F(EnergyPhase, TheRealDialogueEndsAndTheCountdownBegins) {
    Open(false);
    StepSeconds(2.0f);
    EXPECT_FALSE(boss::FightNow().started);
    StepSeconds(8.0f);
    EXPECT_TRUE(boss::FightNow().started);
}

TEST_F(EnergyPhase, TheCountdownOpensTheFightAfterFortyFiveSeconds) {
    Open();
    ZurododavadLevelControl* control = Control();
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(CountdownText(control), "44s");  // lowered before it is shown
    ZurododavadPlayerBehaviour* upgrades = Upgrades(P1());
    ASSERT_NE(upgrades, nullptr);
    int frames = 1;
    for (; frames < Frames(45.0f) - 1; ++frames) {
        // Out of the orbs' and belts' way, above the floor, so nothing ends the phase early.
        Place(P1(), {-6.0f, 3.0f});
        Place(P2(), {6.0f, 3.0f});
        boss::Fight()->orbCount = 0;
        Step();
        ASSERT_FALSE(boss::FightNow().vulnerable) << "at frame " << frames;
    }
    EXPECT_EQ(CountdownText(control), "0s");
    EXPECT_FALSE(upgrades->upgradeChosen);
    StepSeconds(0.1f);
    EXPECT_TRUE(boss::FightNow().vulnerable);
    EXPECT_EQ(control->phase, 1);
    Step();
    EXPECT_EQ(CountdownText(control), "");
    EXPECT_TRUE(upgrades->upgradeChosen);
    EXPECT_TRUE(upgrades->upgradesRolled);
}

TEST_F(EnergyPhase, FiveOrbsInTheBossOpenTheFightAtOnce) {
    Open();
    StepSeconds(10.0f);
    EXPECT_FALSE(boss::FightNow().vulnerable);
    boss::Fight()->orbCount = 5;
    Step(2);
    EXPECT_TRUE(boss::FightNow().vulnerable);
    EXPECT_EQ(Control()->phase, 1);
}

TEST_F(EnergyPhase, AnOrbTouchedByABirdRaisesThatBirdsTierWhenItReachesItsBar) {
    Open();
    ZurododavadPlayerBehaviour* one = Upgrades(P1());
    ZurododavadPlayerBehaviour* two = Upgrades(P2());
    ASSERT_NE(one, nullptr);
    ASSERT_NE(two, nullptr);
    Engine::GameObj* orb = api::Spawn("EnergyOrbs", -4.0f, -3.0f);
    ASSERT_NE(orb, nullptr);
    EnergyOrbBehaviour* script = api::ScriptOf<EnergyOrbBehaviour>(orb);
    ASSERT_NE(script, nullptr);
    script->velocity = {-2.0f, 0.0f};
    script->moving = true;
    api::ObjectRef orbRef = orb;
    // Player 1 waits in the orb's way; player 2 far from it.
    bool flying = false;
    for (int frame = 0; frame < Frames(6.0f) && orbRef; ++frame) {
        Place(P1(), {-6.0f, -3.0f});
        Place(P2(), {8.0f, 4.0f});
        const bool wasFlying = flying;
        Step();
        if (orbRef && script->toTierBar1) flying = true;
        // Its collider goes in its first update after the touch.
        if (orbRef && wasFlying) {
            EXPECT_EQ(api::ColliderOf(orb), nullptr) << "a flying orb can be touched again";
        }
    }
    EXPECT_TRUE(flying);
    EXPECT_FALSE(orbRef) << "the orb never arrived at its bar";
    EXPECT_EQ(one->tier, 1);
    EXPECT_EQ(two->tier, 0);
    Step();
    EXPECT_TRUE(one->tierFlags[0]);
    EXPECT_EQ(api::TextureOf(one->tierSlots[0].Get()), "Tier_Strength");
    // The first slot sits on the left part of player 1's bar.
    const Engine::GameObj* bar = api::Find("P1TierBar");
    EXPECT_NEAR(api::Position(one->tierSlots[0].Get()).x, api::Position(bar).x - 0.4f * api::Scale(bar).x, 1e-4f);
}

TEST_F(EnergyPhase, TiersReachedTogetherAllShowAndTheirUpgradesApplyWhenTheFightOpens) {
    Open();
    ZurododavadPlayerBehaviour* two = Upgrades(P2());
    MainPlayerBehaviour* bird = Bird(P2());
    ASSERT_NE(two, nullptr);
    ASSERT_NE(bird, nullptr);
    const float moveSpeed = bird->State().moveSpeed;
    const float skillCooldown = bird->State().skillCooldown;
    two->tier = 5;  // five orbs arriving in one frame
    Step();
    for (size_t k = 0; k < 5; ++k) EXPECT_TRUE(two->tierFlags[k]) << "tier " << k + 1;
    EXPECT_EQ(api::TextureOf(two->tierSlots[4].Get()), "Tier_Ultimate");
    // Each slot stands right of the one before it.
    for (size_t k = 1; k < 5; ++k)
        EXPECT_GT(api::Position(two->tierSlots[k].Get()).x, api::Position(two->tierSlots[k - 1].Get()).x);
    boss::Fight()->orbCount = 5;
    // The fight opens, the level chooses the upgrades, the companion rolls them, the bird takes them.
    Step(5);
    EXPECT_TRUE(two->upgradesRolled);
    EXPECT_GE(two->strength, 2);
    EXPECT_LE(two->strength, 4);
    EXPECT_FLOAT_EQ(bird->State().moveSpeed, moveSpeed + 2.0f);
    EXPECT_LE(bird->State().skillCooldown, skillCooldown - 1.0f);
    EXPECT_TRUE(bird->State().passiveUltimateCharge);
    // Player 1 took no orb: strength 1, only the stopwatch's base second.
    EXPECT_EQ(Upgrades(P1())->strength, 1);
}

TEST_F(EnergyPhase, OrbsRollInEveryThreeSecondsAndTheBossAbsorbsThem) {
    Open();
    int absorbed = 0;
    for (int frame = 0; frame < Frames(20.0f); ++frame) {
        Place(P1(), {-6.0f, 4.0f});
        Place(P2(), {6.0f, 4.0f});
        const int before = boss::FightNow().orbCount;
        Step();
        if (boss::FightNow().orbCount > before) ++absorbed;
    }
    // An orb every 3 s from 3 s on, each crossing to the boss in about 2.5 s.
    EXPECT_GE(absorbed, 4);
    EXPECT_LE(absorbed, 5);
}

TEST_F(EnergyPhase, MinionsComeFromTwentyTwoAndAHalfSecondsAndScoreFiftyWhenPecked) {
    Open();
    bool seen = false;
    float firstAt = 0.0f;
    for (int frame = 1; frame <= Frames(30.0f); ++frame) {
        Place(P1(), {-6.0f, 5.0f});
        Place(P2(), {6.0f, 5.0f});
        boss::Fight()->orbCount = 0;
        Step();
        if (!seen && api::Find("ZurododavadMinion")) {
            seen = true;
            firstAt = static_cast<float>(frame) / 60.0f;
        }
    }
    ASSERT_TRUE(seen);
    EXPECT_NEAR(firstAt, 22.5f, 0.05f);
    // A pecking bird on a fresh minion scores 50 once.
    Engine::GameObj* minion = api::Spawn("ZurododavadMinion", 0.0f, 6.0f);
    ASSERT_NE(minion, nullptr);
    api::SetVelocity(minion, {0.0f, 0.0f});
    MainPlayerBehaviour* bird = Bird(P1());
    const int32_t before = Round(P1())->State().hitCount;
    for (int frame = 0; frame < 20; ++frame) {
        Place(P1(), {0.0f, 6.0f});
        api::SetPosition(minion, {0.0f, 6.0f});
        api::SetVelocity(minion, {0.0f, 0.0f});
        Edit(bird).pecking = true;
        Step();
    }
    EXPECT_EQ(Round(P1())->State().hitCount, before + 50);
    EXPECT_EQ(Round(P2())->State().hitCount, 0);
}

TEST_F(EnergyPhase, ASkillOfPlayer2ThatHitsAMinionCreditsPlayer2OnceAndFreesTheOrb) {
    Open();
    Engine::GameObj* minion = api::Spawn("ZurododavadMinion", 0.0f, 5.0f);
    ASSERT_NE(minion, nullptr);
    api::ObjectRef orb = api::ScriptOf<ZurododavadMinionBehaviour>(minion)->carriedOrb;
    ASSERT_TRUE(orb);
    // A stand-in skill object: a kinematic ghost box with the skill's name and owner.
    Engine::GameObj* skill = api::Spawn("ZurododavadLockOn", 0.0f, 5.0f);
    ASSERT_NE(skill, nullptr);
    skill->name = "LightningBall";
    skill->shooter = api::Find("Player2");
    skill->AddComponent(Engine::kColliderKind);
    if (Engine::RigidBody* body = api::Body(skill)) body->SetMotionType(Engine::kKinematicMotion);
    if (Engine::Collider* collider = api::ColliderOf(skill)) collider->ghost = true;
    for (int frame = 0; frame < 10; ++frame) {
        Place(P1(), {-10.0f, 5.0f});
        Place(P2(), {10.0f, 5.0f});
        api::SetPosition(skill, api::Position(minion));
        Step();
    }
    EXPECT_EQ(Round(P2())->State().hitCount, 50);
    EXPECT_EQ(Round(P1())->State().hitCount, 0);
    EXPECT_TRUE(api::ScriptOf<ZurododavadMinionBehaviour>(minion)->released);
    // The orb falls free where the minion was, with a collider for either bird.
    ASSERT_TRUE(orb);
    EXPECT_NE(api::ColliderOf(orb.Get()), nullptr);
    EXPECT_LT(api::Position(orb.Get()).y, 5.0f);
}

}  // namespace

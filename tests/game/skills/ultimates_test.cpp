// The four ultimates from charge to end against the other bird: a kill inside
// the deadly window or reach, a survival outside it, the hit credit for bosses,
// and nothing left behind when the level changes in the middle of one.
#include <cmath>

#include "api/camera_view.h"
#include "api/script_api.h"
#include "game/birds/individual_player_behaviour.h"
#include "game/birds/main_player_behaviour.h"
#include "game/birds/round_player_behaviour.h"
#include "game/ultimates/drop_the_beat.h"
#include "game/ultimates/jack_pirate_ship.h"
#include "game/ultimates/myna_ulti.h"
#include "game/ultimates/myna_ulti_beam_behaviour.h"
#include "graphics/camera.h"
#include "graphics/particle_system.h"
#include "logic/script_registry.h"
#include "objects/game_object_factory.h"
#include "skill_fixture.h"
#include "support/bird_test_access.h"

namespace {

constexpr Engine::VirtualKey kUltiKey = 0xA0;  // left shift, "Player"'s ultimate

// Loads a level from inside the script pass when cued, as the game's own
// transitions do.
class LoadOnCue : public Engine::ScriptBase<LoadOnCue> {
public:
    using ScriptBase::ScriptBase;
    void Update(float) override {
        if (cue.empty()) return;
        const std::string level = cue;
        cue.clear();
        Engine::GameObjectFactory::instance->LoadLevel(level);
    }
    std::string cue;
};
REGISTER_SCRIPT("LoadOnCue", LoadOnCue);

const char* const kCue =
    "<Object Name=\"Cue\"><Instance><Transform><Position X=\"0\" Y=\"40\" Layer=\"0\"/></Transform>"
    "<Scripts><LoadOnCue/></Scripts></Instance></Object>";
// The runner's boss, only its name matters to the ultimates.
const char* const kRunnerBoss =
    "<Object Name=\"Boss\"><Instance><Transform><Position X=\"0\" Y=\"30\" Layer=\"0\"/></Transform>"
    "</Instance></Object>";

void Fire(SkillFixture& f) {
    Edit(SkillFixture::Bird(f.P1())).ultimateReady = true;
    f.Tap(kUltiKey);
}

Engine::GameObj* Beam() { return api::Find("MynaBeam"); }

TEST_F(SkillFixture, TheBeamChargesForASecondThenKillsABirdItCatchesInItsFirstSecond) {
    Open(1, 1);
    Place(P1(), {-8.0f, NAN}, true);
    Place(P2(), {2.0f, NAN}, false);
    Step(2);
    Played("event:/Myna_Beam_Ulti_Call");
    Fire(*this);
    MynaUlti* ulti = api::ScriptOf<MynaUlti>(P1());
    ASSERT_NE(ulti, nullptr);
    EXPECT_TRUE(ulti->activate);
    EXPECT_FALSE(Bird(P1())->State().ultimateReady) << "used up";
    StepSeconds(0.4f);
    EXPECT_TRUE(Played("event:/Myna_Beam_Ulti_Call"));
    EXPECT_TRUE(ulti->chargeParticles.Emitting()) << "the charge shows";
    EXPECT_EQ(Beam(), nullptr) << "no beam while charging";

    int frames = 0;
    while (!Beam() && frames++ < 60) Step();
    ASSERT_NE(Beam(), nullptr);
    EXPECT_FALSE(ulti->activate);
    EXPECT_FALSE(ulti->chargeParticles.Emitting());
    // In front of the bird: half the beam's length and one unit beyond its centre.
    EXPECT_NEAR(api::Position(Beam()).x, api::Position(P1()).x + 16.0f, 0.2f);
    EXPECT_EQ(api::ScriptOf<MynaUltiBeamBehaviour>(Beam())->ownerName, "Player");

    StepSeconds(0.5f);
    EXPECT_TRUE(Bird(P2())->State().dead);
    EXPECT_TRUE(Bird(P2())->State().killedByHazard);
    EXPECT_FALSE(Bird(P1())->State().dead) << "the beam spares its own bird";
    StepSeconds(1.6f);
    EXPECT_EQ(Beam(), nullptr) << "gone after two seconds";
}

TEST_F(SkillFixture, AfterItsFirstSecondTheBeamOnlyStuns) {
    Open(1, 1);
    Place(P1(), {-8.0f, NAN}, true);
    Step(2);
    Fire(*this);
    // The other bird keeps high above the beam until its deadly second is over.
    float beamAge = -1.0f;
    for (int frame = 0; frame < 200 && beamAge < 1.2f; ++frame) {
        Place(P2(), {2.0f, 6.0f}, false);
        Step();
        if (Engine::GameObj* beam = Beam()) beamAge = api::ScriptOf<MynaUltiBeamBehaviour>(beam)->beamTimer;
    }
    ASSERT_GE(beamAge, 1.2f);
    Place(P2(), {2.0f, api::Position(P1()).y}, false);
    Step(3);
    EXPECT_FALSE(Bird(P2())->State().dead);
    EXPECT_TRUE(Bird(P2())->State().stunned);
    EXPECT_FLOAT_EQ(Bird(P2())->State().stunDuration, 2.0f);
}

TEST_F(SkillFixture, TheBeatPushesAndStunsOnEveryBeatUntilItsFiveSecondsAreOver) {
    Open(2, 1, kRunnerBoss);
    Place(P1(), {-3.0f, NAN}, true);
    Place(P2(), {1.0f, NAN}, false);
    Step(2);
    Played("event:/Techno_Beat_Ulti");
    Fire(*this);
    DropTheBeat* beat = api::ScriptOf<DropTheBeat>(P1());
    ASSERT_NE(beat, nullptr);
    EXPECT_TRUE(beat->started);
    EXPECT_TRUE(api::IsPlaying("event:/Techno_Beat_Ulti"));

    // The first beat, a little over a second in.
    const float before = api::Position(P2()).x;
    int frames = 0;
    while (!Bird(P2())->State().stunned && frames++ < 90) Step();
    ASSERT_TRUE(Bird(P2())->State().stunned);
    EXPECT_FLOAT_EQ(Bird(P2())->State().stunDuration, 2.0f);
    Step(2);
    EXPECT_GT(api::Position(P2()).x, before) << "pushed away from the Zuva";
    EXPECT_LT(api::CameraZoom(), 1.0f) << "the camera pulses";
    EXPECT_TRUE(beat->noteParticles.Emitting());

    StepSeconds(4.5f);
    EXPECT_FALSE(beat->activate);
    EXPECT_FALSE(beat->started);
    EXPECT_FALSE(api::IsPlaying("event:/Techno_Beat_Ulti"));
    EXPECT_FLOAT_EQ(api::CameraZoom(), 1.0f);
    // 12 hits a beat with a boss about. A beat restarts its timer from zero on
    // the frame after a whole second, so at 60 frames a second the fifth beat
    // would fall after the end.
    EXPECT_EQ(Round(P1())->State().hitCount, 4 * DropTheBeat::kBeatHits);
}

TEST_F(SkillFixture, ABeatOnABirdStandingExactlyOnTheZuvaStunsWithoutAnyNaN) {
    Open(2, 1);
    Place(P1(), {0.0f, NAN}, true);
    Place(P2(), api::Position(P1()), false);
    Fire(*this);
    for (int frame = 0; frame < 90 && !Bird(P2())->State().stunned; ++frame) {
        Place(P2(), api::Position(P1()), false);
        Step();
    }
    EXPECT_TRUE(Bird(P2())->State().stunned);
    Step(3);
    const Engine::vec2 v = api::Velocity(P2());
    const Engine::vec2 p = api::Position(P2());
    EXPECT_TRUE(std::isfinite(v.x) && std::isfinite(v.y)) << v.x << ", " << v.y;
    EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y)) << p.x << ", " << p.y;
}

TEST_F(SkillFixture, ABossReleasedWithAnEarlierLevelNeverCountsHits) {
    // The first level has the runner's boss; the second has none. The boss's
    // pooled object keeps its name after the release.
    // Scenery ahead of the boss keeps the boss's pooled slot out of the second
    // level's reach, so its name stays on the released object.
    std::string scenery;
    for (int i = 0; i < 80; ++i)
        scenery += "<Object Name=\"Rock\"><Instance><Transform><Position X=\"0\" Y=\"30\" Layer=\"0\"/>"
                   "</Transform></Instance></Object>";
    WriteLevel(kOtherRange);
    Open(2, 1, scenery + kRunnerBoss);
    ASSERT_TRUE(api::Exists("Boss"));
    Load(kOtherRange);
    ASSERT_FALSE(api::Exists("Boss"));
    ASSERT_NE(api::FindObject("Boss"), nullptr) << "the released object still carries the name";
    Place(P1(), {-3.0f, NAN}, true);
    Place(P2(), {1.0f, NAN}, false);
    Fire(*this);
    StepSeconds(5.5f);
    EXPECT_EQ(Round(P1())->State().hitCount, 0);
}

TEST_F(SkillFixture, ThePirateShipSailsDownAndItsBeamsKillABirdStandingInOne) {
    Open(3, 1);
    Engine::GameObj* ship = api::Find("PirateShip");
    ASSERT_NE(ship, nullptr) << "a level without a ship gets one";
    EXPECT_FLOAT_EQ(api::Position(ship).y, JackPirateShip::kDockedY);
    Place(P1(), {-8.0f, NAN}, true);
    Place(P2(), {0.3f, NAN}, false);  // under the straight beam
    Step(2);
    Played("event:/Zora_Pirates_Ulti_Call");
    Fire(*this);
    JackPirateShip* pirates = api::ScriptOf<JackPirateShip>(P1());
    ASSERT_NE(pirates, nullptr);
    EXPECT_TRUE(Played("event:/Zora_Pirates_Ulti_Call"));
    int frames = 0;
    while (!pirates->arrived && frames++ < 200) Step();
    ASSERT_TRUE(pirates->arrived);
    EXPECT_LE(api::Position(ship).y, JackPirateShip::kArrivedY);
    EXPECT_NEAR(frames / 60.0f, (JackPirateShip::kDockedY - JackPirateShip::kArrivedY) / JackPirateShip::kDescent,
                0.1f);
    Step(2);
    EXPECT_EQ(api::FindAll("VerticalPirateBeam").size(), 3u);
    EXPECT_TRUE(Bird(P2())->State().dead);
    EXPECT_TRUE(Bird(P2())->State().killedByHazard);
    EXPECT_FALSE(Bird(P1())->State().dead);
    StepSeconds(1.1f);
    EXPECT_FALSE(pirates->activate);
    EXPECT_TRUE(api::FindAll("VerticalPirateBeam").empty());
    StepSeconds(1.5f);
    EXPECT_GE(api::Position(ship).y, JackPirateShip::kDockedY) << "back up";
}

TEST_F(SkillFixture, ABirdBetweenThePirateBeamsSurvives) {
    Open(3, 1);
    Place(P1(), {-8.0f, NAN}, true);
    Place(P2(), {8.0f, NAN}, false);
    Step(2);
    Fire(*this);
    StepSeconds(3.2f);
    EXPECT_FALSE(api::ScriptOf<JackPirateShip>(P1())->activate) << "the ultimate is over";
    EXPECT_FALSE(Bird(P2())->State().dead);
}

struct DroppingCase {
    const char* name;
    float offset;
    bool dies;
};

class BigDropping : public SkillFixture, public ::testing::WithParamInterface<DroppingCase> {};

TEST_P(BigDropping, KillsNearItsLandingAndStunsFurtherAway) {
    const DroppingCase& c = GetParam();
    Open(4, 1);
    Place(P1(), {-3.0f, NAN}, true);
    Place(P2(), {-3.0f + c.offset, NAN}, false);
    Step(2);
    Fire(*this);
    Engine::GameObj* dropping = api::Find("BigShit");
    ASSERT_NE(dropping, nullptr);
    int frames = 0;
    while (api::TextureOf(dropping) != "ZadaZovoExplosion" && frames++ < 120) Step();
    ASSERT_EQ(api::TextureOf(dropping), "ZadaZovoExplosion") << "it explodes on the ground";
    Step();
    EXPECT_EQ(Bird(P2())->State().dead, c.dies);
    if (!c.dies) {
        EXPECT_TRUE(Bird(P2())->State().stunned);
        EXPECT_FLOAT_EQ(Bird(P2())->State().stunDuration, 2.0f);
    }
    EXPECT_FALSE(Bird(P1())->State().dead);
    StepSeconds(1.2f);
    EXPECT_FALSE(api::Exists("BigShit")) << "gone a second after landing";
}

INSTANTIATE_TEST_SUITE_P(Ultimates, BigDropping,
                         ::testing::Values(DroppingCase{"Near", 3.0f, true}, DroppingCase{"Far", 9.0f, false}),
                         [](const ::testing::TestParamInfo<DroppingCase>& info) { return std::string(info.param.name); });

// An ultimate is the one attack that ignores a bird's protection: the immune
// power-up and the blinking after a respawn or a stun both spare a bird from
// pecks, dung and skills, not from an ultimate.
enum class Protection { kImmune, kBlinking };
enum class Outcome { kDies, kStunnedAndPushed, kStunned };

struct ProtectedCase {
    const char* name;
    int character;
    float offset;  // the protected bird's place, from the firing bird at x = -3
    Protection protection;
    Outcome outcome;
};
std::ostream& operator<<(std::ostream& out, const ProtectedCase& c) { return out << c.name; }

class UltimateOnAProtectedBird : public SkillFixture, public ::testing::WithParamInterface<ProtectedCase> {
protected:
    // Kept protected on every frame: the immune power-up would run out after
    // three seconds and the blinking after one and a half.
    void Protect() {
        if (GetParam().protection == Protection::kImmune) {
            Edit(Round(P2())).immune = true;
        } else {
            Edit(Bird(P2())).invulnerable = true;
            Edit(Bird(P2())).holdInvulnerable = true;
        }
    }
    bool Hit() const {
        const MainPlayerBehaviour* bird = Bird(P2());
        return GetParam().outcome == Outcome::kDies ? bird->State().dead : bird->State().stunned;
    }
};

TEST_P(UltimateOnAProtectedBird, HitsItAllTheSame) {
    const ProtectedCase& c = GetParam();
    Open(c.character, 1);
    Place(P1(), {-3.0f, NAN}, true);
    Place(P2(), {-3.0f + c.offset, NAN}, false);
    Protect();
    Step(2);
    ASSERT_TRUE(Bird(P2())->IsProtected());
    const float before = api::Position(P2()).x;
    Fire(*this);
    int frames = 0;
    for (; frames < 5 * 60 && !Hit(); ++frames) {
        Protect();
        Step();
    }
    ASSERT_TRUE(Hit()) << "the protected bird was spared for " << frames << " frames";
    EXPECT_TRUE(Bird(P2())->IsProtected()) << "still protected when hit";
    EXPECT_FALSE(Bird(P1())->State().dead);
    switch (c.outcome) {
        case Outcome::kDies: break;
        case Outcome::kStunned:
            EXPECT_FALSE(Bird(P2())->State().dead);
            EXPECT_FLOAT_EQ(Bird(P2())->State().stunDuration, 2.0f);
            break;
        case Outcome::kStunnedAndPushed:
            EXPECT_FLOAT_EQ(Bird(P2())->State().stunDuration, 2.0f);
            Protect();
            Step(2);
            EXPECT_GT(api::Position(P2()).x, before) << "pushed away from the Zuva";
            break;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Ultimates, UltimateOnAProtectedBird,
    ::testing::Values(ProtectedCase{"BeamOnImmune", 1, 5.0f, Protection::kImmune, Outcome::kDies},
                      ProtectedCase{"BeamOnBlinking", 1, 5.0f, Protection::kBlinking, Outcome::kDies},
                      ProtectedCase{"BeatOnImmune", 2, 4.0f, Protection::kImmune, Outcome::kStunnedAndPushed},
                      ProtectedCase{"BeatOnBlinking", 2, 4.0f, Protection::kBlinking, Outcome::kStunnedAndPushed},
                      ProtectedCase{"PirateBeamOnImmune", 3, 3.3f, Protection::kImmune, Outcome::kDies},
                      ProtectedCase{"PirateBeamOnBlinking", 3, 3.3f, Protection::kBlinking, Outcome::kDies},
                      ProtectedCase{"DroppingNearImmune", 4, 3.0f, Protection::kImmune, Outcome::kDies},
                      ProtectedCase{"DroppingNearBlinking", 4, 3.0f, Protection::kBlinking, Outcome::kDies},
                      ProtectedCase{"DroppingFarImmune", 4, 9.0f, Protection::kImmune, Outcome::kStunned},
                      ProtectedCase{"DroppingFarBlinking", 4, 9.0f, Protection::kBlinking, Outcome::kStunned}),
    [](const ::testing::TestParamInfo<ProtectedCase>& info) { return std::string(info.param.name); });

struct ChangeCase {
    const char* name;
    int character;
    float runFor;  // seconds into the ultimate when the level changes
};

class UltimateAcrossALevelChange : public SkillFixture, public ::testing::WithParamInterface<ChangeCase> {};

TEST_P(UltimateAcrossALevelChange, DoesNotTouchTheNewLevel) {
    const ChangeCase& c = GetParam();
    WriteLevel(kOtherRange);
    Open(c.character, 1, kCue);
    Place(P1(), {-3.0f, NAN}, true);
    Place(P2(), {1.0f, NAN}, false);
    Step(2);
    Fire(*this);
    StepSeconds(c.runFor);
    api::ScriptOf<LoadOnCue>(api::Find("Cue"))->cue = kOtherRange;
    Step();
    ASSERT_EQ(engine->factory().currentLevelPath, kOtherRange);
    for (Engine::GameObj* bird : {P1(), P2()}) MakeReady(bird);
    Place(P1(), {-3.0f, NAN}, true);
    Place(P2(), {1.0f, NAN}, false);
    for (int frame = 0; frame < 6 * 60; ++frame) {
        Step();
        ASSERT_FALSE(Bird(P2())->State().stunned) << "frame " << frame;
        ASSERT_FALSE(Bird(P2())->State().dead) << "frame " << frame;
    }
    for (const char* leftover : {"MynaBeam", "VerticalPirateBeam", "BigShit"})
        EXPECT_FALSE(api::Exists(leftover)) << leftover;
    EXPECT_FALSE(api::IsPlaying("event:/Techno_Beat_Ulti"));
    const Engine::graphics::Camera* camera = Engine::graphics::Camera::main;
    ASSERT_NE(camera, nullptr);
    EXPECT_FLOAT_EQ(camera->zoom, 1.0f);
    EXPECT_FLOAT_EQ(camera->Position().x, 0.0f);
    EXPECT_FLOAT_EQ(camera->Position().y, 0.0f);
    EXPECT_EQ(Round(P1())->State().hitCount, 0);
}

INSTANTIATE_TEST_SUITE_P(Ultimates, UltimateAcrossALevelChange,
                         ::testing::Values(ChangeCase{"BeamFiring", 1, 1.4f}, ChangeCase{"BeatPulsing", 2, 1.05f},
                                           ChangeCase{"PirateBeamsOut", 3, 2.1f},
                                           ChangeCase{"DroppingExploding", 4, 0.3f}),
                         [](const ::testing::TestParamInfo<ChangeCase>& info) { return std::string(info.param.name); });

}  // namespace

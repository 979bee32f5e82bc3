// The face every other script sees a bird through: it answers for the bird's
// scripts, spares nothing it should not, and a kept handle goes quiet once its
// bird is gone instead of reaching a reused object.

#include "api/script_api.h"
#include "bird_fixture.h"
#include "game/birds/bird.h"
#include "support/bird_test_access.h"

namespace {

TEST_F(BirdFixture, TheFaceFindsTheTwoBirdsAndNothingElse) {
    OpenRange();
    WaitUntilFree();
    const birds::Bird one = birds::Bird::Named("Player");
    const birds::Bird two = birds::Bird::Of(Bird2());
    ASSERT_TRUE(one);
    ASSERT_TRUE(two);
    EXPECT_EQ(one.Number(), 1);
    EXPECT_EQ(two.Number(), 2);
    EXPECT_EQ(one.Opponent().Object(), Bird2());
    EXPECT_EQ(two.Opponent().Object(), Bird1());
    // A scenery object of the range carries no bird script.
    for (Engine::GameObj* object : api::LiveObjects()) {
        if (object == Bird1() || object == Bird2()) continue;
        EXPECT_FALSE(birds::Bird::Of(object)) << object->name << " answered as a bird";
    }
    EXPECT_FALSE(birds::Bird::Named("Nobody"));
}

TEST_F(BirdFixture, HarmThroughTheFaceSparesAProtectedBirdOnly) {
    OpenRange();
    WaitUntilFree();
    const birds::Bird bird = birds::Bird::Of(Bird2());
    ASSERT_FALSE(bird.IsProtected());

    // Immune by a power-up: protected, and a hazard passes it by.
    Edit(Round("Player2")).immune = true;
    EXPECT_TRUE(bird.IsProtected());
    EXPECT_TRUE(bird.IsImmune());
    EXPECT_FALSE(bird.KillUnlessProtected(true));
    EXPECT_FALSE(bird.IsDead());

    // Blinking after a respawn: protected, but not immune.
    Edit(Round("Player2")).immune = false;
    Edit(Main("Player2")).invulnerable = true;
    EXPECT_TRUE(bird.IsProtected());
    EXPECT_FALSE(bird.IsImmune());
    EXPECT_FALSE(bird.KillUnlessProtected(false));

    Edit(Main("Player2")).invulnerable = false;
    EXPECT_TRUE(bird.KillUnlessProtected(true));
    EXPECT_TRUE(bird.IsDead());
    EXPECT_TRUE(Main("Player2")->State().killedByHazard);
}

TEST_F(BirdFixture, TheFaceScoresStunsAndLocksTheBirdItNames) {
    OpenRange();
    WaitUntilFree();
    const birds::Bird bird = birds::Bird::Of(Bird1());
    const int before = bird.Score();
    bird.AddScore(20);
    EXPECT_EQ(bird.Score(), before + 20);
    EXPECT_EQ(Round("Player")->State().hitCount, before + 20);
    EXPECT_EQ(birds::Bird::Of(Bird2()).Score(), Round("Player2")->State().hitCount) << "the other bird's score moved";

    bird.Stun(1.0f);
    EXPECT_TRUE(bird.IsStunned());
    EXPECT_FALSE(birds::Bird::Of(Bird2()).IsStunned());
    bird.LockControls(true);
    EXPECT_TRUE(Main("Player")->State().controlsLocked);
    bird.LockControls(false);
    EXPECT_FALSE(bird.ControlsLocked());
}

TEST_F(BirdFixture, AKeptFaceGoesQuietOnceItsLevelIsGone) {
    OpenRange();
    WaitUntilFree();
    const birds::Bird kept = birds::Bird::Of(Bird1());
    ASSERT_TRUE(kept);
    // The same level again: its birds are new objects, maybe in the same slots.
    ASSERT_TRUE(engine->OpenLevel("PracticeRange", 7));
    engine->Step();
    EXPECT_FALSE(kept) << "a handle from the earlier level still answers";
    const int fresh = Round("Player")->State().hitCount;
    EXPECT_EQ(kept.Score(), 0);
    EXPECT_FALSE(kept.KillUnlessProtected(true));
    kept.AddScore(5);  // does nothing, and reaches no reused object
    EXPECT_EQ(Round("Player")->State().hitCount, fresh);
    EXPECT_FALSE(Main("Player")->State().dead);
}

}  // namespace

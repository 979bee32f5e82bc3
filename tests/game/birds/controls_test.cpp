// Flapping, walking, pecking, dung, stun, blinking, death and respawn in the
// practice range, driven by scripted keys and pads for both players.
#include <cmath>

#include "api/script_api.h"
#include "bird_fixture.h"
#include "graphics/renderable2d.h"
#include "support/bird_test_access.h"

namespace {
constexpr Engine::VirtualKey kW = 'W', kD = 'D', kA = 'A', kF = 'F', kG = 'G', kH = 'H';
constexpr float kFrame = TestSupport::HeadlessEngine::kFrame;

uint32_t ColourOf(Engine::GameObj* object) { return object->GetSprite()->color; }
uint8_t AlphaOf(Engine::GameObj* object) { return static_cast<uint8_t>(ColourOf(object) >> 24); }
}  // namespace

TEST_F(BirdFixture, FlapSpendsStaminaAndLiftsTheBird) {
    OpenRange(1, 1);  // RoziDoro: 30 stamina, flap strength 2
    WaitUntilFree();
    MainPlayerBehaviour* bird = Main("Player");
    ASSERT_FLOAT_EQ(bird->State().stamina, 30.0f);
    const float y0 = Bird1()->transform->position.y;
    Tap(kW);
    EXPECT_FLOAT_EQ(bird->State().stamina, 26.0f);
    EXPECT_GT(Bird1()->transform->position.y, y0);
    EXPECT_GT(api::Velocity(Bird1()).y, 0.0f);
    EXPECT_TRUE(Played("event:/Bird_Flap"));

    // Seven flaps in a row leave 2: the eighth press plays the sound, lifts nothing, costs nothing.
    for (int i = 0; i < 6; ++i) Tap(kW);
    EXPECT_FLOAT_EQ(bird->State().stamina, 2.0f);
    Step(40);
    Played("event:/Bird_Flap");
    const float vyBefore = api::Velocity(Bird1()).y;
    Edit(bird).stamina = 2.0f;
    Press(kW);
    Step();
    EXPECT_FLOAT_EQ(bird->State().stamina, 2.0f);
    EXPECT_LE(api::Velocity(Bird1()).y, vyBefore + 1e-3f);
    EXPECT_TRUE(Played("event:/Bird_Flap"));
    Release(kW);
}

TEST_F(BirdFixture, StaminaComesBackOnlyAfterASecondWithoutFlapping) {
    OpenRange(1, 1);
    WaitUntilFree();
    MainPlayerBehaviour* bird = Main("Player");
    Tap(kW);
    const float spent = bird->State().stamina;
    Step(50);  // 0.83 s after the press
    EXPECT_FLOAT_EQ(bird->State().stamina, spent);
    Step(20);
    EXPECT_GT(bird->State().stamina, spent);
}

struct WalkCase {
    int character;
    float moveSpeed;
};

class WalkSpeed : public BirdFixture, public ::testing::WithParamInterface<WalkCase> {};

TEST_P(WalkSpeed, HoldingRightWalksAtTwiceTheCharactersSpeed) {
    OpenRange(GetParam().character, GetParam().character);
    WaitUntilFree();
    Press(kD);
    Step(10);
    // The script sets the speed; the ground's friction then takes 1 % off in the step.
    const float speed = 2.0f * GetParam().moveSpeed;
    EXPECT_NEAR(api::Velocity(Bird1()).x, speed, 0.015f * speed);
    EXPECT_TRUE(Main("Player")->State().facingRight);
    EXPECT_GT(Bird1()->transform->scale.x, 0.0f);
    // Both held: left wins, and the bird turns (negative x scale).
    Press(kA);
    Step(2);
    EXPECT_NEAR(api::Velocity(Bird1()).x, -speed, 0.015f * speed);
    EXPECT_LT(Bird1()->transform->scale.x, 0.0f);
    Release(kA);
    Release(kD);
}

INSTANTIATE_TEST_SUITE_P(Characters, WalkSpeed,
                         ::testing::Values(WalkCase{1, 3.0f}, WalkCase{2, 3.0f}, WalkCase{3, 3.0f},
                                           WalkCase{4, 2.75f}));

TEST_F(BirdFixture, PeckKnocksTheOtherBirdBackAndStunsItForHalfASecond) {
    OpenRange(3, 1);
    WaitUntilFree();
    // Player faces right, standing just left of Player2.
    // A small gap: the peck's lunge closes it, so the contact begins while pecking.
    api::SetPosition(Bird1(), {-1.9f, -6.5f});
    api::SetPosition(Bird2(), {0.0f, -6.5f});
    Step(3);
    MainPlayerBehaviour* victim = Main("Player2");
    ASSERT_FALSE(victim->State().stunned);
    const float peckerCharge = static_cast<float>(Main("Player")->State().ultimateCharge);
    Press(kF);
    Step();
    Release(kF);
    // The contact reaches the scripts a step later.
    int frames = 0;
    while (!victim->State().stunned && frames < 40) {
        Step();
        ++frames;
    }
    ASSERT_TRUE(victim->State().stunned);
    EXPECT_FLOAT_EQ(victim->State().stunDuration, 0.5f);
    const float xHit = Bird2()->transform->position.x;
    EXPECT_GE(Main("Player")->State().ultimateCharge, peckerCharge + 2);
    EXPECT_TRUE(Played("event:/Peck_Impact"));
    EXPECT_TRUE(Played("event:/Myna_Hit"));  // Player2 is RoziDoro

    Step(2);
    EXPECT_GT(Bird2()->transform->position.x, xHit + 0.05f) << "pushed away from the pecker";
    // Keep the birds apart so no further peck lands, and time the stun.
    api::SetPosition(Bird1(), {-10.0f, -6.5f});
    Step(2);
    Edit(victim).stunTimer = 0.0f;
    Edit(victim).stunned = true;
    int stunFrames = 0;
    while (victim->State().stunned && stunFrames < 100) {
        Step();
        ++stunFrames;
    }
    EXPECT_NEAR(stunFrames * kFrame, 0.5f, 2.5f * kFrame);
    EXPECT_FALSE(victim->State().invulnerable) << "a peck stun does not blink afterwards";
}

TEST_F(BirdFixture, DungCooldownAndItsIcon) {
    OpenRange();
    WaitUntilFree();
    MainPlayerBehaviour* bird = Main("Player");
    Engine::GameObj* icon = Find("P1ShitCoolDown");
    ASSERT_NE(icon, nullptr);
    const Engine::vec2 iconScale = icon->transform->scale;
    EXPECT_EQ(AlphaOf(icon), 255);
    Tap(kG);
    EXPECT_FALSE(bird->State().dungReady);
    EXPECT_TRUE(Played("event:/Bird_Shit"));
    Engine::GameObj* dung = bird->State().dung.Get();
    ASSERT_NE(dung, nullptr);
    EXPECT_EQ(dung->shooter.Get(), Bird1());
    EXPECT_LT(api::Velocity(dung).y, 0.0f);
    const uint8_t early = AlphaOf(icon);
    Step(120);  // 2 s into the 4 s cooldown
    EXPECT_GT(AlphaOf(icon), early);
    EXPECT_LT(AlphaOf(icon), 200);
    Tap(kG);  // not ready: nothing
    EXPECT_FALSE(bird->State().dungReady);
    int frames = 0;
    while (!bird->State().dungReady && frames < 200) {
        Step();
        ++frames;
    }
    EXPECT_TRUE(bird->State().dungReady);
    EXPECT_NEAR((124 + frames) * kFrame, 4.0f, 4.0f * kFrame);
    // The icon pulses: grows past its size, then comes back and the cooldown sound plays.
    float largest = 0.0f;
    Played("event:/Cooldown_Complete");
    for (int i = 0; i < 120 && bird->State().dungIconPulse; ++i) {
        Step();
        largest = std::max(largest, icon->transform->scale.x);
    }
    EXPECT_FALSE(bird->State().dungIconPulse);
    EXPECT_TRUE(Played("event:/Cooldown_Complete"));
    EXPECT_GT(largest, 2.5f * iconScale.x);
    EXPECT_FLOAT_EQ(icon->transform->scale.x, iconScale.x);
}

TEST_F(BirdFixture, DungStunsTheOtherBirdWhichThenBlinksInvulnerable) {
    OpenRange();
    WaitUntilFree();
    MainPlayerBehaviour* victim = Main("Player2");
    // Player hovers right above Player2.
    api::SetPosition(Bird2(), {0.0f, -6.5f});
    api::SetPosition(Bird1(), {0.0f, -3.0f});
    api::SetGravityScale(Bird1(), 0.0f);
    Press(kG);
    Step();
    Release(kG);
    int frames = 0;
    while (!victim->State().stunned && frames < 60) {
        Step();
        ++frames;
    }
    ASSERT_TRUE(victim->State().stunned);
    EXPECT_FLOAT_EQ(victim->State().stunDuration, 1.0f);
    EXPECT_TRUE(Played("event:/Shit_Impact"));
    EXPECT_FALSE(Main("Player")->State().stunned) << "never hit by its own dung";
    int stunFrames = 0;
    while (victim->State().stunned && stunFrames < 200) {
        Step();
        ++stunFrames;
    }
    EXPECT_NEAR(stunFrames * kFrame, 1.0f, 3.0f * kFrame);
    ASSERT_TRUE(victim->State().invulnerable);
    // Blinking: hidden after 0.2 s, shown again after 0.4 s, over 1.5 s in all.
    bool hidden = false, shownAgain = false;
    int blinkFrames = 0;
    while (victim->State().invulnerable && blinkFrames < 200) {
        Step();
        ++blinkFrames;
        if (AlphaOf(Bird2()) == 0) hidden = true;
        if (hidden && AlphaOf(Bird2()) == 255) shownAgain = true;
    }
    EXPECT_TRUE(hidden);
    EXPECT_TRUE(shownAgain);
    EXPECT_NEAR(blinkFrames * kFrame, 1.5f, 2.0f * kFrame);
    EXPECT_EQ(ColourOf(Bird2()), 0xFFFFFFFFu);
}

TEST_F(BirdFixture, ADeadBirdRespawnsAtItsSpawnPointAfterTheDelay) {
    OpenRange();
    WaitUntilFree();
    MainPlayerBehaviour* bird = Main("Player2");
    RoundPlayerBehaviour* round = Round("Player2");
    Edit(round).hitCount = 7;
    const Engine::vec2 spawn = round->State().spawnPoint;
    api::SetPosition(Bird2(), {5.0f, 0.0f});
    bird->Kill(false);
    int frames = 0;
    while (bird->State().dead && frames < 300) {
        Step();
        ++frames;
        if (bird->State().dead) {
            // Held still; only this frame's gravity shows.
            EXPECT_EQ(api::Velocity(Bird2()).x, 0.0f);
            EXPECT_LE(std::fabs(api::Velocity(Bird2()).y), 10.0f * kFrame + 1e-4f);
        }
    }
    EXPECT_FALSE(bird->State().dead);
    EXPECT_NEAR(frames * kFrame, 1.5f, 2.0f * kFrame);
    EXPECT_EQ(round->State().hitCount, 2) << "a death costs five hits";
    EXPECT_EQ(bird->State().respawnCount, 1);
    EXPECT_TRUE(bird->State().invulnerable);
    EXPECT_FALSE(bird->State().facingRight) << "Player2 respawns facing left";
    EXPECT_NEAR(Bird2()->transform->position.x, spawn.x, 1e-3f);
    EXPECT_NEAR(Bird2()->transform->position.y, spawn.y, 0.1f);
    EXPECT_NEAR(spawn.x, 13.6f - 0.8f, 1e-4f);
}

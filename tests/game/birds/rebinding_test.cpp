// A player's own bindings: a rebound key and pad button are what the bird
// answers to, also after the game was closed and started again.
#include "api/actions.h"
#include "api/script_api.h"
#include "bird_fixture.h"

TEST_F(BirdFixture, ARebindingChangesWhatTheBirdDoesAndSurvivesARestart) {
    OpenRange(1, 1);
    Engine::ActionMap controls = api::Actions();
    ASSERT_TRUE(controls.SetKey(1, Engine::Action::kFlap, 'Q'));
    ASSERT_TRUE(controls.SetPad(1, Engine::Action::kFlap, Engine::kButtonLeftShoulder));
    ASSERT_TRUE(controls.SetKey(2, Engine::Action::kPeck, 'P'));
    api::SetActions(controls);
    engine.reset();   // the game closes, keeping its settings,
    OpenRange(1, 1);  // and starts again

    engine->pads().Plug(0);
    WaitUntilFree();
    MainPlayerBehaviour* bird = Main("Player");
    const float full = bird->State().stamina;
    Tap('W');
    Step(2);
    EXPECT_FLOAT_EQ(bird->State().stamina, full) << "the old flap key still flaps";
    Tap('Q');
    EXPECT_FLOAT_EQ(bird->State().stamina, full - 4.0f) << "the new flap key does not flap";

    PadButton(0, Engine::PadBits::kA, true);
    Step();
    PadButton(0, Engine::PadBits::kA, false);
    Step();
    EXPECT_FLOAT_EQ(bird->State().stamina, full - 4.0f) << "the old pad button still flaps";
    PadButton(0, Engine::PadBits::kLeftShoulder, true);
    Step();
    PadButton(0, Engine::PadBits::kLeftShoulder, false);
    EXPECT_FLOAT_EQ(bird->State().stamina, full - 8.0f) << "the new pad button does not flap";

    Step(30);
    Tap(Engine::VK_OEM_2);
    EXPECT_FALSE(Main("Player2")->State().pecking) << "player 2's old peck key still pecks";
    Press('P');
    Step();
    EXPECT_TRUE(Main("Player2")->State().pecking);
    Release('P');
}

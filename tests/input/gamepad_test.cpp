#include <gtest/gtest.h>

#include "input/gamepad.h"
#include "input/player_slots.h"
#include "scripted_input_fixture.h"

using namespace Engine;

class GamepadTest : public ScriptedInputTest {
protected:
    // Player 1's controller, plugged in, with the pad polled as a script would.
    GamepadState& Pad1() { return *pads->State(0); }
    void PollFrame(Gamepad& pad) {
        Frame();
        pad.Poll();
    }
};

TEST_F(GamepadTest, ButtonIndicesFollowTheirMasks) {
    struct Case {
        int index;
        uint16_t mask;
    };
    const Case cases[] = {{0, 0x1000}, {1, 0x2000}, {2, 0x4000},  {3, 0x8000},  {4, 0x0001},
                          {5, 0x0002}, {6, 0x0004}, {7, 0x0008},  {8, 0x0100},  {9, 0x0200},
                          {10, 0x0040}, {11, 0x0080}, {12, 0x0010}, {13, 0x0020}};
    Gamepad pad(1);
    EXPECT_EQ(pad.buttonCount, 14);
    for (const Case& c : cases) {
        Pad1().buttons = c.mask;
        PollFrame(pad);
        for (int i = 0; i < 14; ++i) EXPECT_EQ(pad.buttons[i], i == c.index) << "mask " << c.mask << " button " << i;
    }
}

TEST_F(GamepadTest, TriggeredIsConsumedAndReleasedCopiesAllButtons) {
    Gamepad pad(1);
    Pad1().buttons = PadBits::kA | PadBits::kX;
    PollFrame(pad);
    EXPECT_TRUE(pad.IsATriggered());
    EXPECT_TRUE(pad.IsATriggered()) << "IsATriggered consumes nothing";
    EXPECT_TRUE(pad.IsButtonTriggered(kButtonA));
    EXPECT_FALSE(pad.IsButtonTriggered(kButtonA)) << "second query before the next poll";
    EXPECT_FALSE(pad.IsATriggered());

    PollFrame(pad);
    EXPECT_FALSE(pad.IsButtonTriggered(kButtonX)) << "held across polls";

    Pad1().buttons = 0;
    PollFrame(pad);
    EXPECT_TRUE(pad.IsButtonReleased(kButtonA));
    EXPECT_FALSE(pad.IsButtonReleased(kButtonX)) << "the first release copied every button";

    EXPECT_FALSE(pad.IsButtonTriggered(-1));
    EXPECT_FALSE(pad.IsButtonTriggered(14));
    EXPECT_FALSE(pad.IsButtonReleased(14));
}

TEST_F(GamepadTest, LightestTriggerTouchCountsAndTriggersOnce) {
    Gamepad pad(1);
    Pad1().rightTrigger = 1;
    PollFrame(pad);
    EXPECT_TRUE(pad.rightTrigger);
    EXPECT_FALSE(pad.leftTrigger);
    EXPECT_TRUE(pad.IsRightTriggerTriggered());
    EXPECT_FALSE(pad.IsRightTriggerTriggered());
    EXPECT_FALSE(pad.IsLeftTriggerTriggered());
    PollFrame(pad);
    EXPECT_FALSE(pad.IsRightTriggerTriggered()) << "still held";
}

TEST_F(GamepadTest, DeadZoneBounds) {
    struct Case {
        int16_t x, y;
        bool inside;
    };
    const Case cases[] = {
        {0, 0, true},           {7849, -7849, true},  {-7849, 7849, true}, {7850, 0, false},
        {-7850, 0, false},      {0, 7850, false},     {0, -7850, false},   {-32768, 0, false},
        {32767, 32767, false},
    };
    Gamepad pad(1);
    for (const Case& c : cases) {
        Pad1().thumbLX = c.x;
        Pad1().thumbLY = c.y;
        PollFrame(pad);
        EXPECT_EQ(pad.LeftStickInDeadZone(), c.inside) << "(" << c.x << ", " << c.y << ")";
    }
}

TEST_F(GamepadTest, LeftStickScale) {
    Gamepad pad(1);
    Pad1().thumbLX = -32768;
    Pad1().thumbLY = 16384;
    PollFrame(pad);
    EXPECT_FLOAT_EQ(pad.LeftStickX(), -1.0f);
    EXPECT_FLOAT_EQ(pad.LeftStickY(), 0.5f);
    Pad1().thumbLX = 32767;
    PollFrame(pad);
    EXPECT_LT(pad.LeftStickX(), 1.0f);
    EXPECT_GT(pad.LeftStickX(), 0.9999f);
}

TEST_F(GamepadTest, VibrateSetsBothMotorsTruncatedAndHeldToRange) {
    pads->Plug(0);
    Gamepad pad(1);
    pad.Vibrate(0.3f, 0.3f);
    EXPECT_EQ(pads->MotorsOf(0).low, 19660);
    EXPECT_EQ(pads->MotorsOf(0).high, 19660);
    pad.Vibrate(1.5f, -2.0f);
    EXPECT_EQ(pads->MotorsOf(0).low, 65535);
    EXPECT_EQ(pads->MotorsOf(0).high, 0);

    input->active = false;
    pad.Vibrate(0.0f, 0.0f);
    EXPECT_EQ(pads->MotorsOf(0).low, 0) << "a pad can be stilled while input is off";
}

TEST_F(GamepadTest, InactiveInputAnswersNothingAndPollingChangesNothing) {
    Gamepad pad(1);
    Pad1().buttons = PadBits::kA;
    Pad1().leftTrigger = 200;
    Pad1().thumbLX = 30000;
    PollFrame(pad);
    const Gamepad before = pad;

    input->active = false;
    Pad1().buttons = PadBits::kB;
    pad.Poll();
    EXPECT_EQ(pad.buttons, before.buttons);
    EXPECT_EQ(pad.state.thumbLX, 30000);
    EXPECT_FALSE(pad.IsButtonDown(kButtonA));
    EXPECT_FALSE(pad.IsButtonTriggered(kButtonA));
    EXPECT_FALSE(pad.IsATriggered());
    EXPECT_FALSE(pad.IsLeftTriggerTriggered());
    EXPECT_EQ(pad.LeftStickX(), 0.0f);
    EXPECT_FALSE(pad.LeftStickInDeadZone());
    EXPECT_EQ(pad.previousButtons, before.previousButtons) << "queries while off consume nothing";
}

TEST_F(GamepadTest, AbsentControllerReadsAsNothingPressed) {
    Gamepad pad(2);
    pads->SetButton(1, PadBits::kStart, true);
    pads->State(1)->thumbLY = -20000;
    PollFrame(pad);
    EXPECT_TRUE(pad.IsConnected());
    EXPECT_TRUE(pad.buttons[kButtonStart]);

    pads->Unplug(1);
    PollFrame(pad);
    EXPECT_FALSE(pad.IsConnected());
    for (bool b : pad.buttons) EXPECT_FALSE(b);
    EXPECT_EQ(pad.state.buttons, 0);
    EXPECT_EQ(pad.state.thumbLY, 0);
    EXPECT_TRUE(pad.LeftStickInDeadZone());
    EXPECT_TRUE(pad.IsButtonReleased(kButtonStart)) << "unplugging lets go of what was held";

    Gamepad noController(4);
    noController.Vibrate(1.0f, 1.0f);
    EXPECT_EQ(pads->MotorsOf(3).low, 0);
}

TEST(GamepadWithoutInputTest, ReadsNothingWhenNoInputSystemExists) {
    ASSERT_EQ(Input::instance, nullptr);
    Gamepad pad(1);
    pad.Poll();
    pad.Vibrate(1.0f, 1.0f);
    EXPECT_FALSE(pad.IsConnected());
    EXPECT_FALSE(pad.IsButtonTriggered(kButtonA));
}

TEST(PlayerSlotsTest, SlotNReadsControllerNAndOddIndicesPlayForTeamTwo) {
    ResetPlayerSlots();
    for (int number = 1; number <= kPlayerSlotCount; ++number) {
        ASSERT_NE(PlayerSlot(number), nullptr);
        EXPECT_EQ(PlayerSlot(number)->userIndex, number - 1);
    }
    EXPECT_EQ(PlayerSlot(0), nullptr);
    EXPECT_EQ(PlayerSlot(5), nullptr);

    const bool teamTwo[] = {false, true, false, true};
    for (int index = 0; index < 4; ++index) EXPECT_EQ(PlaysForTeamTwo(Gamepad(index + 1)), teamTwo[index]) << index;

    // A controller script copies its slot; resetting gives back fresh slots.
    PlayerSlot(3)->buttons[kButtonA] = true;
    PlayerSlot(3)->userIndex = 0;
    ResetPlayerSlots();
    EXPECT_EQ(PlayerSlot(3)->userIndex, 2);
    EXPECT_FALSE(PlayerSlot(3)->buttons[kButtonA]);
}

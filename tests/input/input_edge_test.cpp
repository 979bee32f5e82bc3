#include <gtest/gtest.h>

#include "input/virtual_keys.h"
#include "scripted_input_fixture.h"

using namespace Engine;

using InputEdgeTest = ScriptedInputTest;

TEST_F(InputEdgeTest, InactiveInputAnswersNothingAndRecordsNothing) {
    Input fresh(std::make_unique<ScriptedKeyStateSource>(), std::make_unique<ScriptedPadSource>());
    EXPECT_FALSE(fresh.active) << "input starts inactive until the window is first activated";

    input->active = false;
    keyboard->Press('W');
    keyboard->Press(VK_LBUTTON);
    Frame();
    EXPECT_FALSE(input->IsKeyDown('W'));
    EXPECT_FALSE(input->IsKeyTriggered('W'));
    EXPECT_FALSE(input->IsKeyReleased('W'));
    EXPECT_FALSE(input->IsMouseDown(VK_LBUTTON));
    EXPECT_FALSE(input->IsMouseTriggered(VK_LBUTTON));
    EXPECT_FALSE(input->IsMouseReleased(VK_LBUTTON));
    EXPECT_TRUE(input->keys.empty());
    EXPECT_TRUE(input->mouseButtons.empty());

    // Switched back on, the key held all along is a fresh press.
    input->active = true;
    Frame();
    EXPECT_TRUE(input->IsKeyTriggered('W'));
}

TEST_F(InputEdgeTest, SecondTriggeredQueryInAFrameAnswersFalse) {
    keyboard->Press(VK_SPACE);
    Frame();
    EXPECT_TRUE(input->IsKeyTriggered(VK_SPACE));
    EXPECT_FALSE(input->IsKeyTriggered(VK_SPACE));
    EXPECT_TRUE(input->IsKeyDown(VK_SPACE)) << "the key is still held";
}

TEST_F(InputEdgeTest, HeldKeyTriggersOnceAcrossFramesAndAgainAfterRelease) {
    keyboard->Press('W');
    Frame();
    EXPECT_TRUE(input->IsKeyTriggered('W'));
    for (int frame = 0; frame < 3; ++frame) {
        Frame();
        EXPECT_FALSE(input->IsKeyTriggered('W')) << "held, frame " << frame;
        EXPECT_TRUE(input->IsKeyDown('W'));
    }
    keyboard->Release('W');
    Frame();
    EXPECT_FALSE(input->IsKeyTriggered('W'));
    keyboard->Press('W');
    Frame();
    EXPECT_TRUE(input->IsKeyTriggered('W'));
}

TEST_F(InputEdgeTest, ReleasedAnswersFromTheLastRecordNotFromTheKeyboard) {
    keyboard->Press(VK_LEFT);
    Frame();
    ASSERT_TRUE(input->IsKeyDown(VK_LEFT));

    keyboard->Release(VK_LEFT);
    Frame();
    // Nobody has read the key since it went up: the record still says down.
    EXPECT_FALSE(input->IsKeyReleased(VK_LEFT));
    EXPECT_FALSE(input->IsKeyDown(VK_LEFT));
    EXPECT_TRUE(input->IsKeyReleased(VK_LEFT));
    EXPECT_FALSE(input->IsKeyReleased(VK_LEFT)) << "the release is consumed";
    Frame();
    EXPECT_FALSE(input->IsKeyReleased(VK_LEFT));
}

TEST_F(InputEdgeTest, NeverQueriedKeyCountsAsUpAndTriggersOnFirstQuery) {
    EXPECT_FALSE(input->IsKeyReleased('K'));
    keyboard->Press('K');
    for (int frame = 0; frame < 5; ++frame) Frame();
    EXPECT_TRUE(input->IsKeyTriggered('K')) << "held for frames, but nobody saw it go down";
}

TEST_F(InputEdgeTest, ReportedEdgeConsumesEdgesOtherQueriesSawThisFrame) {
    keyboard->Press('A');
    keyboard->Press('D');
    Frame();
    EXPECT_TRUE(input->IsKeyDown('A'));
    EXPECT_TRUE(input->IsKeyTriggered('D'));
    // D's edge copied the whole record, A's new state included.
    EXPECT_FALSE(input->IsKeyTriggered('A'));
}

TEST_F(InputEdgeTest, MouseButtonsFollowTheSameRules) {
    keyboard->Press(VK_LBUTTON);
    Frame();
    EXPECT_TRUE(input->IsMouseTriggered(VK_LBUTTON));
    EXPECT_FALSE(input->IsMouseTriggered(VK_LBUTTON));
    EXPECT_FALSE(input->IsMouseDown(VK_RBUTTON));
    EXPECT_FALSE(input->IsMouseDown('A')) << "only the left and right buttons are mouse buttons";

    keyboard->Release(VK_LBUTTON);
    Frame();
    EXPECT_FALSE(input->IsMouseReleased(VK_LBUTTON));
    EXPECT_FALSE(input->IsMouseDown(VK_LBUTTON));
    EXPECT_TRUE(input->IsMouseReleased(VK_LBUTTON));
    EXPECT_TRUE(input->keys.empty()) << "mouse and keyboard records are kept apart";
}

TEST_F(InputEdgeTest, SidedModifierAnswersForTheSidelessCode) {
    keyboard->Press(VK_RSHIFT);
    Frame();
    EXPECT_TRUE(input->IsKeyDown(VK_SHIFT));
    EXPECT_TRUE(input->IsKeyDown(VK_RSHIFT));
    EXPECT_FALSE(input->IsKeyDown(VK_LSHIFT));
    EXPECT_FALSE(input->IsKeyDown(VK_CONTROL));
}

TEST_F(InputEdgeTest, PublishesTheNewestInstanceAndWithdrawsIt) {
    EXPECT_EQ(Input::instance, input.get());
    {
        Input other(std::make_unique<ScriptedKeyStateSource>(), std::make_unique<ScriptedPadSource>());
        EXPECT_EQ(Input::instance, &other);
    }
    EXPECT_EQ(Input::instance, nullptr);
}

#include <gtest/gtest.h>

#include <vector>

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

// Each query that reports an edge consumes that key's edge only: the birds ask
// about their own keys in one frame, and one bird's query must not take another
// key's press or release.
enum class Ask { kDown, kTriggered, kReleased, kMouseDown, kMouseTriggered, kMouseReleased };

struct Query {
    Ask ask;
    VirtualKey key;
    bool expected;
};

struct EdgeCase {
    const char* name;
    std::vector<VirtualKey> heldBefore;  // held in the first frame, each asked with a down query
    std::vector<VirtualKey> heldNow;     // held in the second frame
    std::vector<Query> queries;          // asked in order in the second frame
};

bool Answer(Input& input, const Query& q) {
    switch (q.ask) {
        case Ask::kDown: return input.IsKeyDown(q.key);
        case Ask::kTriggered: return input.IsKeyTriggered(q.key);
        case Ask::kReleased: return input.IsKeyReleased(q.key);
        case Ask::kMouseDown: return input.IsMouseDown(q.key);
        case Ask::kMouseTriggered: return input.IsMouseTriggered(q.key);
        case Ask::kMouseReleased: return input.IsMouseReleased(q.key);
    }
    return false;
}

bool IsMouse(VirtualKey key) { return key == VK_LBUTTON || key == VK_RBUTTON; }

TEST_F(InputEdgeTest, AnEdgeReportedForOneKeyLeavesEveryOtherKeysEdge) {
    const EdgeCase cases[] = {
        {"bird 1's release of W leaves bird 2's press of Up",
         {'W'},
         {VK_UP},
         {{Ask::kDown, VK_UP, true},
          {Ask::kDown, 'W', false},
          {Ask::kReleased, 'W', true},
          {Ask::kTriggered, VK_UP, true},
          {Ask::kTriggered, VK_UP, false}}},
        {"two presses seen first by down queries both trigger",
         {},
         {'A', 'D'},
         {{Ask::kDown, 'A', true},
          {Ask::kTriggered, 'D', true},
          {Ask::kTriggered, 'A', true},
          {Ask::kTriggered, 'A', false}}},
        {"two releases both report",
         {'A', 'B'},
         {},
         {{Ask::kDown, 'A', false},
          {Ask::kDown, 'B', false},
          {Ask::kReleased, 'A', true},
          {Ask::kReleased, 'B', true},
          {Ask::kReleased, 'A', false}}},
        {"the right button's release leaves the left button's press",
         {VK_RBUTTON},
         {VK_LBUTTON},
         {{Ask::kMouseDown, VK_LBUTTON, true},
          {Ask::kMouseDown, VK_RBUTTON, false},
          {Ask::kMouseReleased, VK_RBUTTON, true},
          {Ask::kMouseTriggered, VK_LBUTTON, true},
          {Ask::kMouseTriggered, VK_LBUTTON, false}}},
    };
    for (const EdgeCase& c : cases) {
        SCOPED_TRACE(c.name);
        // Every key up for a frame, so nothing carries over from the previous case.
        for (VirtualKey key : {VirtualKey('W'), VirtualKey('A'), VirtualKey('B'), VirtualKey('D'), VK_UP,
                               VK_LBUTTON, VK_RBUTTON})
            keyboard->Release(key);
        Frame();
        input->keys.clear();
        input->mouseButtons.clear();
        for (VirtualKey key : c.heldBefore) keyboard->Press(key);
        Frame();
        for (VirtualKey key : c.heldBefore) IsMouse(key) ? input->IsMouseDown(key) : input->IsKeyDown(key);
        for (VirtualKey key : c.heldBefore) keyboard->Release(key);
        for (VirtualKey key : c.heldNow) keyboard->Press(key);
        Frame();
        for (size_t i = 0; i < c.queries.size(); ++i)
            EXPECT_EQ(Answer(*input, c.queries[i]), c.queries[i].expected) << "query " << i;
    }
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

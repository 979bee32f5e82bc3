// The action map: the defaults the birds and menus always had, conflicts
// refused (or swapped), defaults restored, and the names prompts and the
// settings file use.
#include <gtest/gtest.h>

#include "input/action_map.h"
#include "input/gamepad_state.h"

using Engine::Action;
using Engine::ActionMap;

TEST(ActionMap, DefaultsAreTheBindingsBothPlayersAlwaysHad) {
    const ActionMap map;
    struct Row {
        Action action;
        Engine::VirtualKey player1, player2;
        int pad;
    };
    const Row rows[] = {
        {Action::kFlap, 'W', Engine::VK_UP, Engine::kButtonA},
        {Action::kWalkLeft, 'A', Engine::VK_LEFT, Engine::kPadStickLeft},
        {Action::kWalkRight, 'D', Engine::VK_RIGHT, Engine::kPadStickRight},
        {Action::kPeck, 'F', Engine::VK_OEM_2, Engine::kPadRightTrigger},
        {Action::kDung, 'G', Engine::VK_OEM_PERIOD, Engine::kPadLeftTrigger},
        {Action::kSkill, 'H', Engine::VK_OEM_COMMA, Engine::kButtonX},
        {Action::kUltimate, Engine::VK_LSHIFT, Engine::VK_RSHIFT, Engine::kButtonY},
        {Action::kPause, Engine::VK_ESCAPE, Engine::VK_ESCAPE, Engine::kButtonStart},
        {Action::kMenuUp, 'W', Engine::VK_UP, Engine::kButtonDpadUp},
        {Action::kMenuDown, 'S', Engine::VK_DOWN, Engine::kButtonDpadDown},
        {Action::kMenuConfirm, 'F', Engine::VK_OEM_2, Engine::kButtonA},
        {Action::kMenuBack, Engine::VK_ESCAPE, Engine::VK_ESCAPE, Engine::kButtonB},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(Engine::ActionName(row.action));
        EXPECT_EQ(map.KeyOf(1, row.action), row.player1);
        EXPECT_EQ(map.KeyOf(2, row.action), row.player2);
        EXPECT_EQ(map.PadOf(1, row.action), row.pad);
        EXPECT_EQ(map.PadOf(2, row.action), row.pad);
    }
    // Pads of players 3 and 4 play like player 1's; they have no keys.
    EXPECT_EQ(map.PadOf(3, Action::kPeck), Engine::kPadRightTrigger);
    EXPECT_EQ(map.KeyOf(3, Action::kPeck), 0);
}

TEST(ActionMap, AKeyAnotherActionOrTheOtherPlayerHoldsIsRefused) {
    struct Case {
        const char* what;
        int player;
        Action action;
        Engine::VirtualKey key;
        bool taken;
    };
    const Case cases[] = {
        {"player 1's own peck key for flapping", 1, Action::kFlap, 'F', true},
        {"player 2's peck key for player 1's flap", 1, Action::kFlap, Engine::VK_OEM_2, true},
        {"player 1's walk key for player 2's skill", 2, Action::kSkill, 'A', true},
        {"a free key", 1, Action::kFlap, 'Q', false},
        {"the key it already has", 1, Action::kFlap, 'W', false},
        // The menu keys are another group: S walks nowhere in a match.
        {"menu down's S for a bird action", 1, Action::kDung, 'S', false},
        {"flap's W for menu up", 1, Action::kMenuUp, 'W', false},
        {"player 2's menu confirm for player 1's menu up", 1, Action::kMenuUp, Engine::VK_OEM_2, true},
        // Both players pause with Escape.
        {"Escape for player 2's pause", 2, Action::kPause, Engine::VK_ESCAPE, false},
        {"Escape for a flap", 2, Action::kFlap, Engine::VK_ESCAPE, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ActionMap map;
        const Engine::VirtualKey before = map.KeyOf(c.player, c.action);
        EXPECT_EQ(map.KeyHolder(c.player, c.action, c.key).has_value(), c.taken);
        EXPECT_EQ(map.SetKey(c.player, c.action, c.key), !c.taken);
        EXPECT_EQ(map.KeyOf(c.player, c.action), c.taken ? before : c.key);
    }
}

TEST(ActionMap, SwappingHandsTheHolderTheOldKey) {
    ActionMap map;
    map.SwapKey(1, Action::kFlap, Engine::VK_OEM_2);  // player 2's peck
    EXPECT_EQ(map.KeyOf(1, Action::kFlap), Engine::VK_OEM_2);
    EXPECT_EQ(map.KeyOf(2, Action::kPeck), 'W');
    EXPECT_FALSE(map.KeyHolder(1, Action::kFlap, Engine::VK_OEM_2));
}

TEST(ActionMap, PadControlsClashOnlyWithinOnePlayersPad) {
    ActionMap map;
    EXPECT_FALSE(map.SetPad(1, Action::kFlap, Engine::kButtonX));  // player 1's skill
    EXPECT_EQ(map.PadOf(1, Action::kFlap), Engine::kButtonA);
    EXPECT_TRUE(map.SetPad(1, Action::kFlap, Engine::kButtonLeftShoulder));
    EXPECT_EQ(map.PadOf(2, Action::kFlap), Engine::kButtonA);  // player 2's pad is untouched
    map.SwapPad(2, Action::kPeck, Engine::kButtonA);
    EXPECT_EQ(map.PadOf(2, Action::kPeck), Engine::kButtonA);
    EXPECT_EQ(map.PadOf(2, Action::kFlap), Engine::kPadRightTrigger);
}

TEST(ActionMap, RestoringDefaultsTouchesOnlyThatPlayer) {
    ActionMap map;
    ASSERT_TRUE(map.SetKey(1, Action::kFlap, 'Q'));
    ASSERT_TRUE(map.SetKey(2, Action::kFlap, 'P'));
    ASSERT_TRUE(map.SetPad(1, Action::kPeck, Engine::kButtonRightShoulder));
    map.RestoreDefaults(1);
    EXPECT_EQ(map.KeyOf(1, Action::kFlap), 'W');
    EXPECT_EQ(map.PadOf(1, Action::kPeck), Engine::kPadRightTrigger);
    EXPECT_EQ(map.KeyOf(2, Action::kFlap), 'P');
    map.RestoreDefaults(2);
    EXPECT_EQ(map, ActionMap());
}

TEST(ActionMap, KeyAndPadNamesReadBack) {
    for (int key = 1; key <= 0xFF; ++key) {
        const std::string name = Engine::KeyName(static_cast<Engine::VirtualKey>(key));
        SCOPED_TRACE(name);
        EXPECT_EQ(Engine::KeyNamed(name), key);
    }
    EXPECT_EQ(Engine::KeyName(Engine::VK_LSHIFT), "Left Shift");
    EXPECT_EQ(Engine::KeyName(Engine::VK_OEM_2), "/");
    EXPECT_EQ(Engine::KeyName('W'), "W");
    for (int pad = 0; pad < Engine::kPadControlCount; ++pad)
        EXPECT_EQ(Engine::PadControlNamed(Engine::PadControlName(pad)), pad);
    EXPECT_EQ(Engine::PadControlName(Engine::kPadRightTrigger), "RT");
    EXPECT_EQ(Engine::KeyNamed("no such key"), 0);
    EXPECT_EQ(Engine::PadControlNamed("Z"), Engine::kPadNone);
}

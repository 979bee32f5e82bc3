// The adapter between keys and online actions: this machine's person plays with
// player 1's keys or the first pad, and the frame both games run presses player
// 1's actions on player 1's keys and player 2's on player 2's, and nothing else.
#include <gtest/gtest.h>

#include "input/scripted_key_state_source.h"
#include "input/virtual_keys.h"
#include "net/action_keys.h"

namespace {

using namespace Engine;
using namespace Engine::net;

struct KeyCase {
    Action action;
    VirtualKey player1;
    VirtualKey player2;
};

const KeyCase kBirdKeys[] = {
    {Action::Left, 'A', VK_LEFT},          {Action::Right, 'D', VK_RIGHT},   {Action::Flap, 'W', VK_UP},
    {Action::Peck, 'F', VK_OEM_2},         {Action::Dung, 'G', VK_OEM_PERIOD}, {Action::Skill, 'H', VK_OEM_COMMA},
    {Action::Ultimate, VK_LSHIFT, VK_RSHIFT}, {Action::MenuDown, 'S', VK_DOWN},
};

TEST(ActionKeys, PlayerOneKeysBecomeActionsAndPressTheRightPlayersKeys) {
    for (const KeyCase& c : kBirdKeys) {
        InputFrame local;
        local.keys.set(c.player1);
        const PlayerActions actions = ActionsFromLocalInput(local);
        EXPECT_TRUE(actions.Has(c.action)) << int(c.action);

        // The same actions as player 2's (the remote person's) drive only player 2's keys.
        FrameInputs asPlayer2;
        asPlayer2.players[1] = actions;
        const InputFrame run = LockstepInputFrame(asPlayer2);
        EXPECT_TRUE(run.keys.test(c.player2)) << int(c.action);
        EXPECT_FALSE(run.keys.test(c.player1)) << int(c.action);

        FrameInputs asPlayer1;
        asPlayer1.players[0] = actions;
        const InputFrame run1 = LockstepInputFrame(asPlayer1);
        EXPECT_TRUE(run1.keys.test(c.player1)) << int(c.action);
        EXPECT_FALSE(run1.keys.test(c.player2)) << int(c.action);
    }
}

TEST(ActionKeys, PlayerTwoKeysAndOtherPadsOfThisMachineAreNotSent) {
    InputFrame local;
    for (const KeyCase& c : kBirdKeys)
        if (c.player2 != VK_ESCAPE) local.keys.set(c.player2);
    local.pads[1].plugged = true;
    local.pads[1].buttons = PadBits::kA | PadBits::kX;
    EXPECT_EQ(ActionsFromLocalInput(local).bits, 0u);
}

TEST(ActionKeys, TheFirstPadPlaysToo) {
    InputFrame local;
    local.pads[0].plugged = true;
    local.pads[0].buttons = PadBits::kA | PadBits::kY;
    local.pads[0].rightTrigger = 1;
    local.pads[0].thumbLX = -30000;
    const PlayerActions actions = ActionsFromLocalInput(local);
    EXPECT_TRUE(actions.Has(Action::Flap));
    EXPECT_TRUE(actions.Has(Action::Confirm));
    EXPECT_TRUE(actions.Has(Action::Ultimate));
    EXPECT_TRUE(actions.Has(Action::Peck));
    EXPECT_TRUE(actions.Has(Action::Left));
    EXPECT_FALSE(actions.Has(Action::Right));
    EXPECT_FALSE(actions.Has(Action::Skill));

    local.pads[0].thumbLX = -20000;  // not pushed far enough
    EXPECT_FALSE(ActionsFromLocalInput(local).Has(Action::Left));
}

TEST(ActionKeys, TheRunFrameHoldsNothingButThePlayersKeys) {
    FrameInputs none;
    const InputFrame run = LockstepInputFrame(none);
    EXPECT_TRUE(run.keys.none());
    for (const PadFrame& pad : run.pads) EXPECT_FALSE(pad.plugged);
}

}  // namespace

// A computer player in this machine's seat presses its own player's keys; only
// that player's keys become the machine's actions, whichever seat it is.
TEST(ActionKeys, AComputerSeatsKeysBecomeActionsOnlyForItsOwnPlayer) {
    for (const KeyCase& c : kBirdKeys) {
        for (int player = 0; player < 2; ++player) {
            ScriptedKeyStateSource keys;
            keys.Press(player == 0 ? c.player1 : c.player2);
            EXPECT_TRUE(ActionsFromPlayerKeys(keys, player).Has(c.action)) << static_cast<int>(c.action);
            EXPECT_EQ(ActionsFromPlayerKeys(keys, 1 - player).bits, 0u) << static_cast<int>(c.action);
        }
    }
}

// The bird selection's foot lines name the keys as each player bound them,
// and a player's pad controls once that player used a pad.
#include <string>

#include "api/actions.h"
#include "api/script_api.h"
#include "graphics/label.h"
#include "support/menu_fixture.h"

namespace {

std::string TextOf(const char* name) {
    const Engine::graphics::Label* label = api::LabelOf(api::Find(name));
    return label ? label->text : std::string("<no label>");
}

TEST_F(MenuFixture, TheSelectionHintsNameTheKeysAsBoundAndAPadPlayersButtons) {
    Start();
    Engine::ActionMap controls;
    ASSERT_TRUE(controls.SetKey(1, Engine::Action::kMenuConfirm, 'E'));
    ASSERT_TRUE(controls.SetKey(2, Engine::Action::kSkill, 'M'));
    api::SetActions(controls);
    Open("BirdSelectionScreen");
    WaitUntilRevealed();
    EXPECT_EQ(TextOf("HintP1"), "P1:  A D move,  E ready,  H info");
    EXPECT_EQ(TextOf("HintP2"), "P2:  Left Right move,  / ready,  M info");
    EXPECT_EQ(TextOf("HintBack"), "Escape: back to the title");

    // Player 2 moves with a pad: their line shows the pad's controls, player 1's stays.
    engine->pads().Plug(1);
    engine->Step();
    TapPad(Engine::PadBits::kDpadRight, 1);
    engine->Step();
    EXPECT_EQ(TextOf("HintP2"), "P2:  D-pad Left D-pad Right move,  A ready,  X info");
    EXPECT_EQ(TextOf("HintP1"), "P1:  A D move,  E ready,  H info");
}

}  // namespace

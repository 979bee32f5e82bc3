// The controls screen: a key rebound and kept, a key another action holds
// refused (and swapped on a second confirm), defaults restored, Escape leaving
// without a change, a pad column taking pad buttons, and the hint naming the
// keys as bound.
#include <string>

#include "api/actions.h"
#include "api/script_api.h"
#include "game/menus/controls_screen.h"
#include "graphics/label.h"
#include "support/menu_fixture.h"
#include "wiring/user_settings.h"

namespace {

using Engine::Action;

struct ControlsScreenTest : MenuFixture {
    ControlsScreen* screen = nullptr;

    void OpenControls() {
        Open("ControlsLevel");
        Engine::GameObj* logic = Find("ControlsLogic");
        ASSERT_NE(logic, nullptr);
        screen = logic->GetScript<ControlsScreen>();
        ASSERT_NE(screen, nullptr);
        WaitUntilRevealed();
    }
    std::string Text(const std::string& object) {
        const Engine::graphics::Label* label = api::LabelOf(Find(object));
        return label ? label->text : std::string("<no label>");
    }
    // Confirms on the chosen cell and presses the new key.
    void Rebind(Engine::VirtualKey key) {
        Tap('F');
        ASSERT_TRUE(screen->editor.waiting);
        Tap(key);
    }
    Engine::UserSettings Stored() {
        return Engine::ReadUserSettings(dir.path() + "/src/sound/sound.xml").value_or(Engine::UserSettings{});
    }
};

TEST_F(ControlsScreenTest, ARebindingIsKeptAndWrittenWhenThePlayerKeepsIt) {
    OpenControls();
    Rebind('Q');  // player 1's flap, the first cell
    EXPECT_EQ(screen->editor.working.KeyOf(1, Action::kFlap), 'Q');
    EXPECT_EQ(api::ActionKey(1, Action::kFlap), 'W') << "changed before the player kept it";
    EXPECT_NE(Text("ControlsMessage").find("Flap: Q"), std::string::npos) << Text("ControlsMessage");

    Tap('W');  // up from the first row wraps to "Keep and go back"
    ASSERT_EQ(screen->editor.row, ControlsEditor::kKeepRow);
    Tap('F');
    EXPECT_EQ(api::ActionKey(1, Action::kFlap), 'Q');
    EXPECT_EQ(Stored().controls.KeyOf(1, Action::kFlap), 'Q');
    EXPECT_TRUE(StepUntilLevel("MapData//Options.xml"));
}

TEST_F(ControlsScreenTest, AKeyAnotherActionHoldsIsRefusedUnlessThePlayerConfirmsTheSwap) {
    OpenControls();
    Rebind(Engine::VK_OEM_2);  // player 2's peck
    EXPECT_EQ(screen->editor.working.KeyOf(1, Action::kFlap), 'W');
    EXPECT_NE(Text("ControlsMessage").find("Player 2's Peck"), std::string::npos) << Text("ControlsMessage");
    Tap(Engine::VK_ESCAPE);  // keep both as they are
    EXPECT_FALSE(screen->editor.pendingSwap.has_value());
    EXPECT_EQ(screen->editor.working.KeyOf(1, Action::kFlap), 'W');
    EXPECT_EQ(screen->editor.working.KeyOf(2, Action::kPeck), Engine::VK_OEM_2);
    EXPECT_EQ(Level(), "MapData//Controls.xml") << "the answer to the question left the screen";

    Rebind(Engine::VK_OEM_2);
    Tap('F');  // confirm: swap
    EXPECT_EQ(screen->editor.working.KeyOf(1, Action::kFlap), Engine::VK_OEM_2);
    EXPECT_EQ(screen->editor.working.KeyOf(2, Action::kPeck), 'W');
}

TEST_F(ControlsScreenTest, RestoreDefaultsGivesOnePlayerTheGamesOwnControlsBack) {
    OpenControls();
    Rebind('Q');
    Tap(Engine::VK_RIGHT);  // player 1's pad column ...
    Tap(Engine::VK_RIGHT);  // ... player 2's keys
    Rebind('P');
    ASSERT_EQ(screen->editor.working.KeyOf(2, Action::kFlap), 'P');
    Tap(Engine::VK_LEFT);
    Tap(Engine::VK_LEFT);
    Tap('W');
    Tap('W');
    ASSERT_EQ(screen->editor.row, ControlsEditor::kRestoreRow);
    Tap('F');
    EXPECT_EQ(screen->editor.working.KeyOf(1, Action::kFlap), 'W');
    EXPECT_EQ(screen->editor.working.KeyOf(2, Action::kFlap), 'P') << "player 2's choice went too";
}

TEST_F(ControlsScreenTest, EscapeLeavesWithoutChangingAnything) {
    OpenControls();
    const std::string before = dir.Read("src/sound/sound.xml");
    Rebind('Q');
    Tap(Engine::VK_ESCAPE);
    EXPECT_EQ(api::Actions(), Engine::ActionMap());
    EXPECT_TRUE(StepUntilLevel("MapData//Options.xml"));
    EXPECT_EQ(dir.Read("src/sound/sound.xml"), before);
}

TEST_F(ControlsScreenTest, APadColumnTakesAPadButton) {
    OpenControls();
    engine->pads().Plug(0);
    engine->Step();
    Tap(Engine::VK_RIGHT);  // player 1's pad column
    Tap('F');
    ASSERT_TRUE(screen->editor.waiting);
    Tap('Q');  // keys do not count in a pad column
    EXPECT_TRUE(screen->editor.waiting);
    TapPad(Engine::PadBits::kLeftShoulder);
    EXPECT_FALSE(screen->editor.waiting);
    EXPECT_EQ(screen->editor.working.PadOf(1, Action::kFlap), Engine::kButtonLeftShoulder);
}

TEST_F(ControlsScreenTest, TheHintNamesTheKeysAsBoundAndPadButtonsForAPadPlayer) {
    Start();
    Engine::ActionMap controls;
    ASSERT_TRUE(controls.SetKey(1, Action::kMenuConfirm, 'E'));
    api::SetActions(controls);
    OpenControls();
    EXPECT_NE(Text("ControlsHint").find("E: change"), std::string::npos) << Text("ControlsHint");
    EXPECT_EQ(Text("ControlsHint").find("F: change"), std::string::npos) << Text("ControlsHint");

    engine->pads().Plug(0);
    engine->Step();
    TapPad(Engine::PadBits::kDpadDown);  // player 1 moves with the pad
    OpenControls();
    EXPECT_NE(Text("ControlsHint").find("A: change"), std::string::npos) << Text("ControlsHint");
    EXPECT_NE(Text("ControlsHint").find("D-pad Up"), std::string::npos) << Text("ControlsHint");
}

}  // namespace

// Every screen's key line names the keys as player 1 bound them, and the pad's
// controls once player 1 used a pad: the level selection, the match's foot
// line, the pause menu and how to play.
#include <functional>
#include <string>

#include "api/actions.h"
#include "api/script_api.h"
#include "game/pause/how_to_play_script.h"
#include "game/pause/pause_behaviour.h"
#include "graphics/label.h"
#include "support/menu_fixture.h"

namespace {

using Engine::Action;

std::string TextOf(const Engine::GameObj* line) {
    const Engine::graphics::Label* label = api::LabelOf(line);
    return label ? label->text : std::string("<no label>");
}

struct PromptCase {
    const char* level;
    // Brings the screen to where its line shows (after the level is open).
    std::function<void(MenuFixture&)> reach;
    std::function<Engine::GameObj*(MenuFixture&)> line;
    const char* withKeys;  // the line starts so with player 1's rebound keys
    const char* withPad;   // ... and so once player 1 used a pad
    uint16_t padButton;    // what player 1 presses on the pad there
};

Engine::GameObj* PauseLine(MenuFixture& f) {
    Engine::GameObj* menu = f.Find("PauseMenu");
    const PauseBehaviour* pause = menu ? menu->GetScript<PauseBehaviour>() : nullptr;
    return pause ? pause->HintLine() : nullptr;
}

const PromptCase kCases[] = {
    {"LevelSelectionScreen", [](MenuFixture& f) { f.WaitUntilRevealed(); },
     [](MenuFixture& f) { return f.Find("Hint"); }, "J D: choose      E: play",
     "D-pad Left D-pad Right: choose      A: play", Engine::PadBits::kDpadDown},
    {"HowToPlay", [](MenuFixture& f) { f.WaitUntilRevealed(); },
     [](MenuFixture& f) {
         Engine::GameObj* logic = f.Find("HowToPlayLogic");
         const HowToPlayScript* pages = logic ? logic->GetScript<HowToPlayScript>() : nullptr;
         return pages ? pages->HintLine() : nullptr;
     },
     "J D: turn the page", "D-pad Left D-pad Right: turn the page", Engine::PadBits::kDpadDown},
    {"Level1", [](MenuFixture& f) { f.engine->Step(); },
     [](MenuFixture& f) { return f.Find("P1_Icon"); }, "P1:  U flap   J D walk", "P1:  A flap",
     Engine::PadBits::kA},
    {"Level1", [](MenuFixture& f) { f.Tap(Engine::VK_ESCAPE); f.engine->Step(); }, PauseLine,
     "I S: choose      E: confirm", "D-pad Up D-pad Down: choose      A: confirm", Engine::PadBits::kDpadDown},
};

class ControlPromptsTest : public MenuFixture, public ::testing::WithParamInterface<int> {};

TEST_P(ControlPromptsTest, TheLineNamesTheReboundKeysThenThePadsControls) {
    const PromptCase& c = kCases[GetParam()];
    Start();
    Engine::ActionMap controls;
    ASSERT_TRUE(controls.SetKey(1, Action::kMenuLeft, 'J'));
    ASSERT_TRUE(controls.SetKey(1, Action::kMenuUp, 'I'));
    ASSERT_TRUE(controls.SetKey(1, Action::kMenuConfirm, 'E'));
    ASSERT_TRUE(controls.SetKey(1, Action::kFlap, 'U'));
    ASSERT_TRUE(controls.SetKey(1, Action::kWalkLeft, 'J'));
    api::SetActions(controls);
    Open(c.level);
    c.reach(*this);
    const std::string keys = TextOf(c.line(*this));
    EXPECT_EQ(keys.rfind(c.withKeys, 0), 0u) << c.level << ": " << keys;

    engine->pads().Plug(0);
    engine->Step();
    // The match takes the birds' controls only after its opening.
    std::string pad;
    for (int tries = 0; tries < 300 && pad.rfind(c.withPad, 0) != 0; ++tries) {
        TapPad(c.padButton, 0);
        engine->Step();
        pad = TextOf(c.line(*this));
    }
    EXPECT_EQ(pad.rfind(c.withPad, 0), 0u) << c.level << ": " << pad;
}

INSTANTIATE_TEST_SUITE_P(Screens, ControlPromptsTest, ::testing::Range(0, static_cast<int>(std::size(kCases))));

}  // namespace

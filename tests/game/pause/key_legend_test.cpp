// The keyboard pages' legend names each player's controls as bound, on the
// how-to-play screen and on the pause menu's pages alike: a rebound key shows
// on its move's cap, over the page; the pages without a legend leave the caps
// empty; a player who last used a pad sees the pad's controls.
#include <functional>
#include <string>

#include "api/actions.h"
#include "api/script_api.h"
#include "game/pause/how_to_play_script.h"
#include "game/pause/key_legend.h"
#include "game/pause/pause_behaviour.h"
#include "graphics/label.h"
#include "support/menu_fixture.h"

namespace {

using Engine::Action;

enum Row { kFlapRow = 0, kWalkRow = 1, kPeckRow = 2 };

struct LegendCase {
    const char* level;
    // Brings the pages to their first page (after the level is open).
    std::function<void(MenuFixture&)> reach;
    std::function<const HowToPlayPages::KeyLegend*(MenuFixture&)> legend;
    const char* page;  // the object the pages are drawn on
};

const LegendCase kCases[] = {
    {"HowToPlay", [](MenuFixture& f) { f.WaitUntilRevealed(); },
     [](MenuFixture& f) -> const HowToPlayPages::KeyLegend* {
         Engine::GameObj* logic = f.Find("HowToPlayLogic");
         const HowToPlayScript* script = logic ? logic->GetScript<HowToPlayScript>() : nullptr;
         return script ? &script->Legend() : nullptr;
     },
     "MidGround"},
    {"Level1",
     [](MenuFixture& f) {
         f.Tap(Engine::VK_ESCAPE);
         f.Tap('S');
         f.Tap('S');
         f.Tap('F');
     },
     [](MenuFixture& f) -> const HowToPlayPages::KeyLegend* {
         Engine::GameObj* menu = f.Find("PauseMenu");
         const PauseBehaviour* pause = menu ? menu->GetScript<PauseBehaviour>() : nullptr;
         return pause && pause->pagesOpen ? &pause->Legend() : nullptr;
     },
     "HowToPlayScreen"},
};

class KeyLegendTest : public MenuFixture, public ::testing::WithParamInterface<int> {
protected:
    std::string Cap(int row) {
        const HowToPlayPages::KeyLegend* legend = kCases[GetParam()].legend(*this);
        const Engine::graphics::Label* label = legend ? api::LabelOf(legend->Cap(row)) : nullptr;
        return label ? label->text : std::string("<no label>");
    }
};

TEST_P(KeyLegendTest, TheCapsNameTheReboundKeysOverThePageThenThePadsControls) {
    const LegendCase& c = kCases[GetParam()];
    Start();
    Engine::ActionMap controls;
    ASSERT_TRUE(controls.SetKey(1, Action::kFlap, 'U'));
    ASSERT_TRUE(controls.SetKey(2, Action::kPeck, 'K'));
    api::SetActions(controls);
    Open(c.level);
    c.reach(*this);
    ASSERT_NE(c.legend(*this), nullptr) << c.level << ": the pages did not open";

    EXPECT_EQ(Cap(kFlapRow), "U") << c.level;
    EXPECT_EQ(Cap(kWalkRow), "A D") << c.level;
    // The caps lie on the legend's side of the page: right of its middle, in its upper half.
    Engine::GameObj* page = Find(c.page);
    ASSERT_NE(page, nullptr);
    const Engine::vec2 centre = api::Position(page);
    const Engine::vec2 size = api::Scale(page);
    const Engine::vec2 cap = api::Position(c.legend(*this)->Cap(kFlapRow));
    EXPECT_GT(cap.x, centre.x) << c.level;
    EXPECT_LT(cap.x, centre.x + size.x / 2.0f) << c.level;
    EXPECT_GT(cap.y, centre.y) << c.level;
    EXPECT_LT(cap.y, centre.y + size.y / 2.0f) << c.level;

    Tap('D');  // player 2's keyboard
    EXPECT_EQ(Cap(kPeckRow), "K") << c.level;
    EXPECT_EQ(Cap(kFlapRow), "Up") << c.level;
    Tap('D');  // the pad's page has no legend of keys
    EXPECT_EQ(Cap(kFlapRow), "") << c.level;
    Tap('A');
    Tap('A');
    EXPECT_EQ(Cap(kFlapRow), "U") << c.level;

    engine->pads().Plug(0);
    engine->Step();
    std::string pad;
    for (int tries = 0; tries < 60 && pad != "A"; ++tries) {
        TapPad(Engine::PadBits::kDpadDown, 0);
        engine->Step();
        pad = Cap(kFlapRow);
    }
    EXPECT_EQ(pad, "A") << c.level << ": player 1 used a pad";
}

INSTANTIATE_TEST_SUITE_P(Pages, KeyLegendTest, ::testing::Range(0, static_cast<int>(std::size(kCases))));

}  // namespace

// The pause menu's Controls page over a match in progress (the food court):
// a key rebound there is the key the bird answers to once the match resumes,
// the match's clock, score and objects are as they were, and backing out with
// Escape changes nothing.
#include <string>

#include "api/actions.h"
#include "api/script_api.h"
#include "food_court_fixture.h"
#include "game/birds/main_player_behaviour.h"
#include "game/foodcourt/lv2_timer.h"
#include "game/foodcourt/player1_level2_behaviour.h"
#include "game/pause/pause_behaviour.h"
#include "graphics/label.h"
#include "wiring/user_settings.h"
#include "support/bird_test_access.h"

namespace {

using Engine::Action;

struct PauseControlsTest : FoodCourtFixture {
    PauseBehaviour* menu = nullptr;
    MainPlayerBehaviour* bird = nullptr;
    Lv2Timer* timer = nullptr;
    Player1Level2Behaviour* score = nullptr;

    void SetUp() override {
        Open("Level2");
        menu = api::FindScript<PauseBehaviour>("PauseMenu");
        bird = api::FindScript<MainPlayerBehaviour>("Player");
        timer = api::FindScript<Lv2Timer>("Timer");
        score = api::FindScript<Player1Level2Behaviour>("Player");
        ASSERT_TRUE(menu && bird && timer && score);
        ASSERT_TRUE(StepUntil([&] { return !bird->State().controlsLocked; }, 5.0f));
        Step(30);
    }
    void Tap(Engine::VirtualKey key) {
        engine->keys().Press(key);
        Step();
        engine->keys().Release(key);
        Step();
    }
    void Pause() {
        Tap(Engine::VK_ESCAPE);
        ASSERT_TRUE(api::Paused());
    }
    void OpenControls() {
        if (!api::Paused()) Pause();
        for (int i = 1; i < PauseBehaviour::kControls; ++i) Tap('S');
        ASSERT_EQ(menu->selection, PauseBehaviour::kControls);
        Tap('F');
        ASSERT_TRUE(menu->Controls().IsOpen());
    }
    const ControlsEditor& Editor() { return menu->Controls().editor; }
    // On player 1's flap key (the first row, first column): confirm, press `key`.
    void RebindFlap(Engine::VirtualKey key) {
        ASSERT_EQ(Editor().row, 0);
        ASSERT_EQ(Editor().column, 0);
        Tap('F');
        ASSERT_TRUE(Editor().waiting);
        Tap(key);
    }
    void Keep() {
        for (int row = Editor().row; row < ControlsEditor::kKeepRow; ++row) Tap('S');
        Tap('F');
    }
    // Stamina a tap of `key` takes: a flap costs some, anything else none.
    float StaminaSpentBy(Engine::VirtualKey key) {
        Edit(bird).stamina = bird->State().maxStamina;
        engine->keys().Press(key);
        Step();
        engine->keys().Release(key);
        const float spent = bird->State().maxStamina - bird->State().stamina;
        Step(40);
        return spent;
    }
    // The bindings in the settings file (the game's own when there is none).
    Engine::ActionMap Stored() {
        return Engine::ReadUserSettings(dir.path() + "/src/sound/sound.xml").value_or(Engine::UserSettings{}).controls;
    }
};

TEST_F(PauseControlsTest, AKeyReboundOverThePausedMatchIsTheBirdsOnceItResumes) {
    ASSERT_EQ(api::ActionKey(1, Action::kFlap), 'W');
    ASSERT_GT(StaminaSpentBy('W'), 0.0f) << "W flaps before";
    score->score = 7;
    Step();
    Pause();
    const float clock = timer->seconds;
    const Engine::vec2 at = api::Position(Find("Player"));
    const size_t objects = engine->factory().liveObjects.size();
    OpenControls();
    EXPECT_GT(engine->factory().liveObjects.size(), objects) << "the page is drawn over the match";
    RebindFlap('Q');
    EXPECT_EQ(Editor().working.KeyOf(1, Action::kFlap), 'Q');
    EXPECT_EQ(api::ActionKey(1, Action::kFlap), 'W') << "nothing is the game's before it is kept";
    Keep();
    EXPECT_FALSE(menu->Controls().IsOpen());
    EXPECT_TRUE(api::Paused()) << "leaving the page goes back to the pause menu";
    EXPECT_EQ(api::ActionKey(1, Action::kFlap), 'Q');
    EXPECT_EQ(Stored().KeyOf(1, Action::kFlap), 'Q') << "kept bindings are written";

    EXPECT_FLOAT_EQ(timer->seconds, clock) << "the clock stood still";
    EXPECT_EQ(score->score, 7);
    EXPECT_EQ(api::Position(Find("Player")).x, at.x);
    EXPECT_EQ(api::Position(Find("Player")).y, at.y);
    Step(2);
    EXPECT_EQ(engine->factory().liveObjects.size(), objects) << "the page's own objects are gone";
    EXPECT_EQ(Level(), "MapData//Level2.xml");

    Tap(Engine::VK_ESCAPE);
    ASSERT_FALSE(api::Paused());
    EXPECT_EQ(StaminaSpentBy('W'), 0.0f) << "the old key no longer flaps";
    EXPECT_GT(StaminaSpentBy('Q'), 0.0f) << "the new one does";
    EXPECT_LT(timer->seconds, clock) << "and the clock runs on";
}

TEST_F(PauseControlsTest, ARefusedKeyAndEscapeLeaveTheBindingsAsTheyWere) {
    OpenControls();
    const float clock = timer->seconds;
    RebindFlap('A');  // player 1's walk left
    ASSERT_TRUE(Editor().pendingSwap.has_value()) << "a held key is refused first";
    const Engine::graphics::Label* message = nullptr;
    for (Engine::GameObj* object : engine->factory().liveObjects)
        if (const Engine::graphics::Label* label = api::LabelOf(object))
            if (label->text.find("already") != std::string::npos) message = label;
    ASSERT_NE(message, nullptr) << "the page says who holds it";
    EXPECT_NE(message->text.find("Walk left"), std::string::npos) << message->text;
    Tap(Engine::VK_ESCAPE);  // keep as it is
    EXPECT_FALSE(Editor().pendingSwap.has_value());
    EXPECT_TRUE(menu->Controls().IsOpen());
    RebindFlap('Q');
    EXPECT_EQ(Editor().working.KeyOf(1, Action::kFlap), 'Q');
    Tap(Engine::VK_ESCAPE);  // back without keeping
    EXPECT_FALSE(menu->Controls().IsOpen());
    EXPECT_TRUE(api::Paused()) << "Escape leaves the page, not the pause";
    EXPECT_EQ(api::ActionKey(1, Action::kFlap), 'W');
    EXPECT_EQ(api::ActionKey(1, Action::kWalkLeft), 'A');
    EXPECT_EQ(Stored().KeyOf(1, Action::kFlap), 'W') << "nothing was written";
    EXPECT_FLOAT_EQ(timer->seconds, clock);
    Tap(Engine::VK_ESCAPE);
    ASSERT_FALSE(api::Paused());
    EXPECT_GT(StaminaSpentBy('W'), 0.0f);
    EXPECT_EQ(StaminaSpentBy('Q'), 0.0f);
}

}  // namespace

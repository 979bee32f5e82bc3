// Whole games as one person alone plays them against the computer, headless,
// from the boot frame and the title (its co-op key for the co-op games): the
// person's keys set player 2's slot to the computer on the bird selection (or
// the co-op picker) and pick both birds, the game's own computer player plays
// player 2 through its keys, the person stands idle in the level, and the route
// goes on to the result scene and back to the title. One case per route of the
// table: a level with the birds that play it, so every bird plays at least
// once. A screen that stays longer than its own timers allow is a stall and
// fails the run, naming the screen and the frame; a level that records a match
// result must have recorded the computer player as its winner (a draw, or
// birds that do not answer their keys, fail), and the result scene shown must
// be the recorded winner's. The egg match shows the winner's result sheet over
// the level before it leads on to the end storyboard.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "api/script_api.h"
#include "sound/audio_engine.h"
#include "sound/audio_output.h"
#include "game/foodcourt/lv2_timer.h"
#include "game/game_values.h"
#include "game/levels/level_table.h"
#include "game/menus/transition.h"
#include "game/round/game_mode.h"
#include "game/runner/l4_goal.h"
#include "game/boss/zurododavad_boss_behaviour.h"
#include "game/boss/zurododavad_level_control.h"
#include "game/selection/vs_screen.h"
#include "game/story/general_cut_scene.h"
#include "game/story/victory_screen.h"
#include "graphics/renderable2d.h"
#include "game/story/winning_scene_logic.h"
#include "objects/game_object_factory.h"
#include "game/ai/computer_player.h"
#include "game/ai/computer_seats.h"
#include "support/headless_engine.h"
#include "game/ai/key_hands.h"
#include "support/menu_driver.h"
#include "support/scratch_dir.h"

namespace {

using TestSupport::HeadlessEngine;

constexpr const char* kTitle = "MapData//MainMenu_KR.xml";
constexpr float kFps = 60.0f;

// ---- How long each screen may stay --------------------------------------------
//
// Every bound is the screen's own timers added up, plus a margin for the presses
// the driver makes (a menu press every few frames) and the music endings the
// screens wait for. A wipe covers or opens a screen in kCovered / kSpeed seconds.
constexpr float kWipe = Transition::kCovered / Transition::kSpeed;
// The longest music loop (the level's, 6.4 s) may play out before its ending
// section (at most 4 s) starts.
constexpr float kMusicEnding = 6.4f + 4.0f;
// The opening speech bubbles: a delay of up to 2 s, two bubbles growing to full
// size and a hold, then shrinking: well under 8 s.
constexpr float kDialogue = 8.0f;
// Menus: the wipe in and out, the driver's presses (a few steps 8 frames apart)
// and a second for the game's own press delays.
constexpr float kMenuScreen = 2 * kWipe + 3.0f;

size_t LongestStoryboard() {
    size_t longest = 0;
    for (int i = 0; i < levels::RowCount(); ++i) longest = std::max(longest, levels::Rows()[i].storyboard.size());
    return longest;
}

// A round of the egg level: the countdown, at most the round's 90 s, the end
// sequence played at half speed.
constexpr float kEggRound = GameMode::kCountdownLength + 90.0f + 2.0f * GameMode::kEndSequenceLength;

// The boss fight has no clock: it lasts until the birds have worn the boss's
// 6000 health down. One computer player with an idle partner needs about two
// and a half minutes of it (the route's seed), the boss's six-second rise
// included: the bound leaves room for a slower fight without letting a dead end pass.
constexpr float kBossFightBudget = 240.0f;

std::map<std::string, float> ScreenBounds() {
    return {
        // The loading screen's four stages (3, 4, 2 and 2 s) while the textures
        // are read five a frame (about 190 of them, well inside the stages).
        {"MapData//LoadingScreen.xml", 3.0f + 4.0f + 2.0f + 2.0f + 2.0f},
        {kTitle, kMenuScreen},
        {"MapData//MainMenu.xml", kMenuScreen},
        {"MapData//BirdSelectionScreen.xml", kMenuScreen},
        {"MapData//PRBirdSelectionScreen.xml", kMenuScreen},
        {"MapData//LevelSelectionScreen.xml", kMenuScreen},
        // The co-op picker: four presses 20 frames apart and the three-second draw.
        {"MapData//CoopSelection.xml", 80 / kFps + 3.0f + 2.0f},
        // The versus screen's wait, then the menu music's ending.
        {"MapData//VSscreen.xml", 2 * kWipe + VSscreen::kWaitSeconds + kMusicEnding},
        // Two rounds, the opening dialogue, the music's ending.
        {"MapData//Level1.xml", kWipe + kDialogue + 2 * kEggRound + kMusicEnding + kWipe},
        // The run's goal comes at 230 s; it blows up, the birds fly off (or time
        // out), the black screen waits for the music, then the wipe.
        {"MapData//Level4.xml", kWipe + kDialogue + 230.0f + L4Goal::kBlowUpTime + L4Goal::kLeaveTimeout +
                                    L4Goal::kMusicWait + 2.0f + kWipe},
        // The energy phase, the fight, two seconds of shaking, the explosion
        // growing to 80 at 100 a second, the fade to white at 100 a second.
        {"MapData//Zurododavad.xml", kWipe + kDialogue + ZurododavadLevelControl::kEnergyPhase + kBossFightBudget +
                                         ZurododavadBossBehaviour::kShakeSeconds + 0.8f +
                                         ZurododavadBossBehaviour::kFadeEnd / 100.0f + kWipe},
        // The food court's round clock, then the wipe to the result.
        {"MapData//Level2.xml", kWipe + kDialogue + Lv2Timer::kRoundTime + 2.0f + kWipe},
        // Played for the route's time, then the pause menu's six presses 15 frames apart.
        {"MapData//PracticeRange.xml", 2 * kWipe + 15.0f + 90 / kFps + 1.0f},
        // One picture a second, then the wipe.
        {"MapData//CutScene.xml",
         2 * kWipe + static_cast<float>(LongestStoryboard()) * GeneralCutScene::kSecondsPerPicture + 1.0f},
        // The quiet second before a press counts, the driver's press, the wipe.
        {"MapData//Player1WinningScene.xml", 2 * kWipe + WinningSceneLogic::kQuietSeconds + 2.0f},
        {"MapData//Player2WinningScene.xml", 2 * kWipe + WinningSceneLogic::kQuietSeconds + 2.0f},
        {"MapData//DrawScene.xml", 2 * kWipe + WinningSceneLogic::kQuietSeconds + 2.0f},
    };
}

// ---- The routes ------------------------------------------------------------------

struct Route {
    const char* name;
    TestSupport::MenuChoices choices;
    const char* gameplayLevel;
    // The mode name the level records, or null for a level that records none.
    const char* modeName;
    unsigned seed;
    // The object that covers the level with the result once the match is
    // decided, or null for a level that has none.
    const char* resultSheet = nullptr;
};

std::ostream& operator<<(std::ostream& out, const Route& route) { return out << route.name; }

// Player 2's slot goes to the computer at normal strength (two presses of its seat key).
constexpr int kNormalComputer = 2;

TestSupport::MenuChoices Play(int bird1, int bird2, int level) {
    TestSupport::MenuChoices choices;
    choices.titleEntry = "Play";
    choices.computerSeatPresses = kNormalComputer;
    choices.player1Character = bird1;
    choices.player2Character = bird2;
    choices.chosenLevel = level;
    return choices;
}

TestSupport::MenuChoices Practice(int bird1, int bird2) {
    TestSupport::MenuChoices choices = Play(bird1, bird2, 1);
    choices.titleEntry = "Practice";
    choices.practiceFrames = 15 * 60;
    return choices;
}

TestSupport::MenuChoices Coop(int level) {
    TestSupport::MenuChoices choices;
    choices.titleEntry = "Coop";
    choices.coopLevel = level;
    choices.computerSeatPresses = kNormalComputer;
    return choices;
}

// Birds: 1 RoziDoro, 2 VadozaVaza, 3 DovaDizavov, 4 DoruZuvo.
const Route kRoutes[] = {
    {"EggLevel", Play(1, 2, 1), "MapData//Level1.xml", "Vozedoreroz", 20261210u, "VictoryScreen"},
    {"FoodCourt", Coop(2), "MapData//Level2.xml", "Zovadurazod", 31337u},
    {"PracticeRange", Practice(2, 3), "MapData//PracticeRange.xml", nullptr, 99u},
    {"Boss", Play(4, 1, 3), "MapData//Zurododavad.xml", "Zurododavad", 777u},
};

std::string ResultSceneOf(const std::string& winnerName) {
    if (winnerName == "Player") return "MapData//Player1WinningScene.xml";
    if (winnerName == "Player2") return "MapData//Player2WinningScene.xml";
    return "MapData//DrawScene.xml";
}

bool IsResultScene(const std::string& level) {
    return level == "MapData//Player1WinningScene.xml" || level == "MapData//Player2WinningScene.xml" ||
           level == "MapData//DrawScene.xml";
}

// ---- The run -------------------------------------------------------------------

class AutoplayTest : public ::testing::TestWithParam<Route> {
protected:
    AutoplayTest() {
        dir.CopyGameData();
    }

    std::string Level() const { return engine->factory().currentLevelPath; }

    // One frame: the hands let go of last frame's taps, the driver or the
    // players press, the engine steps; then the stall watch.
    void Frame() {
        hands->NextFrame();
        const std::string level = Level();
        // The person: menus through the driver, idle in the levels.
        driver->Act(level);
        engine->Step();
        ++frame;
        const std::string now = Level();
        if (now != screen) {
            if (!visited.empty()) visited.back() += " (" + std::to_string(frame - screenSince) + " frames)";
            screen = now;
            screenSince = frame;
            visited.push_back(now);
        }
        const auto bound = bounds.find(screen);
        const long allowed = static_cast<long>((bound == bounds.end() ? 10.0f : bound->second) * kFps);
        if (frame - screenSince > allowed && stall.empty()) {
            std::ostringstream line;
            line << "stalled on " << screen << " at frame " << frame << " (there since frame " << screenSince
                 << ", allowed " << allowed << " frames)";
            stall = line.str();
        }
    }

    TestSupport::ScratchDir dir;
    std::unique_ptr<HeadlessEngine> engine;
    std::unique_ptr<ai::KeyHands> hands;
    std::unique_ptr<TestSupport::MenuDriver> driver;
    std::map<std::string, float> bounds = ScreenBounds();
    std::vector<std::string> visited;
    std::string screen;
    std::string stall;
    long frame = 0;
    long screenSince = 0;
};

std::string Joined(const std::vector<std::string>& levels) {
    std::string out;
    for (const std::string& level : levels) out += (out.empty() ? "" : " > ") + level;
    return out;
}

TEST_P(AutoplayTest, PlaysFromTheMenuThroughTheLevelAndBack) {
    const Route& route = GetParam();
    engine = std::make_unique<HeadlessEngine>();
    // The harness's loopback device only mixes when a test renders it, so no
    // sound would ever end and every wait on music would last for ever. The
    // silent output the game uses without a sound card mixes with the frames:
    // music endings take their real length in game time.
    Engine::AudioEngine::instance->SwitchOutput(Engine::AudioOutput::OpenSilent());
    api::Seed(route.seed);
    hands = std::make_unique<ai::KeyHands>(engine->keys());
    driver = std::make_unique<TestSupport::MenuDriver>(*hands, route.choices);

    // The bound of a whole run: every screen at its longest.
    long budget = 0;
    for (const auto& bound : bounds) budget += static_cast<long>(bound.second * kFps);

    // The boot frame, the loading screen, the title.
    while (Level() != kTitle && stall.empty() && frame < budget) Frame();
    ASSERT_EQ(Level(), kTitle) << stall << "\nvisited: " << Joined(visited);

    bool played = false, resultChecked = false, resultShown = false, sheetShown = false;
    std::string recordedWinner, afterLevel;
    while (stall.empty() && frame < budget) {
        const std::string before = Level();
        Frame();
        const std::string now = Level();
        if (route.resultSheet && now == route.gameplayLevel && Game::matchResultReady && !sheetShown) {
            // The winner's sheet, opaque, over the level while the match music ends.
            const Engine::GameObj* sheet = api::Find(route.resultSheet);
            sheetShown = sheet && api::TextureOf(sheet) == VictoryScreen::SheetFor(Game::winnerTag) &&
                         (sheet->GetSprite()->color >> 24) == 0xFFu;
        }
        if (before == route.gameplayLevel && now != before) {
            played = true;
            afterLevel = now;
            if (route.modeName) {
                // Read the moment the level is left: the storyboard clears the names when it ends.
                EXPECT_TRUE(Game::matchResultReady) << "no match result recorded by " << before;
                EXPECT_EQ(Game::matchModeName, route.modeName);
                recordedWinner = Game::winnerName;
                resultChecked = true;
                // Player 2 is the computer, player 1 stood idle: nothing but a win is a pass.
                EXPECT_EQ(recordedWinner, "Player2") << "the computer player did not win " << before;
            }
        }
        if (IsResultScene(now) && !resultShown) {
            resultShown = true;
            EXPECT_EQ(now, ResultSceneOf(recordedWinner)) << "the result scene differs from the recorded winner "
                                                          << recordedWinner;
        }
        if (played && now == kTitle) break;
    }
    EXPECT_TRUE(stall.empty()) << stall << "\nvisited: " << Joined(visited);
    ASSERT_TRUE(played) << "never left " << route.gameplayLevel << "; visited: " << Joined(visited);
    EXPECT_EQ(Level(), kTitle) << "did not come back to the title; visited: " << Joined(visited);
    if (route.resultSheet) {
        EXPECT_TRUE(sheetShown) << "the match ended without its result sheet";
        EXPECT_EQ(afterLevel, "MapData//CutScene.xml") << "the sheet leads on to the end storyboard";
    }
    if (route.modeName) {
        EXPECT_TRUE(resultChecked);
        EXPECT_TRUE(resultShown) << "no result scene; visited: " << Joined(visited);
    }
    EXPECT_EQ(Game::seats[1], Game::Seat::ComputerNormal) << "player 2's slot was not given to the computer";
    EXPECT_EQ(Game::seats[0], Game::Seat::Person);
    std::cout << route.name << ": " << frame << " frames (" << frame / kFps << " s of game time), winner "
              << (recordedWinner.empty() ? "-" : recordedWinner) << "\n  " << Joined(visited) << std::endl;
}

INSTANTIATE_TEST_SUITE_P(Routes, AutoplayTest, ::testing::ValuesIn(kRoutes),
                         [](const ::testing::TestParamInfo<Route>& info) { return std::string(info.param.name); });

// Routes too slow for the sanitizer tree (see tests/autoplay.cmake): the release
// tree plays them.
#ifdef TOLVEX_AUTOPLAY_LONG_ROUTES
const Route kLongRoutes[] = {
    {"Runner", Play(3, 4, 2), "MapData//Level4.xml", "Rudorarurozavir", 4242u},
};
INSTANTIATE_TEST_SUITE_P(LongRoutes, AutoplayTest, ::testing::ValuesIn(kLongRoutes),
                         [](const ::testing::TestParamInfo<Route>& info) { return std::string(info.param.name); });
#endif

}  // namespace

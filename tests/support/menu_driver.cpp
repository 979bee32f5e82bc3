#include "support/menu_driver.h"

#include <cmath>

#include "api/script_api.h"
#include "game/game_values.h"
#include "game/menus/main_menu.h"
#include "game/selection/bird_table.h"
#include "game/ai/key_hands.h"

namespace TestSupport {

namespace {

constexpr const char* kTitle = "MapData//MainMenu_KR.xml";
constexpr const char* kCoopTitle = "MapData//MainMenu.xml";
constexpr const char* kBirdSelection = "MapData//BirdSelectionScreen.xml";
constexpr const char* kPracticeSelection = "MapData//PRBirdSelectionScreen.xml";
constexpr const char* kLevelSelection = "MapData//LevelSelectionScreen.xml";
constexpr const char* kCoopPicker = "MapData//CoopSelection.xml";
constexpr const char* kPracticeRange = "MapData//PracticeRange.xml";
constexpr const char* kResultScenes[] = {"MapData//Player1WinningScene.xml", "MapData//Player2WinningScene.xml",
                                         "MapData//DrawScene.xml"};
// Screens that move on by themselves: the loading screen, the versus screen,
// the storyboard after a match.
constexpr const char* kWaitedScreens[] = {"MapData//LoadingScreen.xml", "MapData//VSscreen.xml",
                                          "MapData//CutScene.xml"};

// Frames between two presses on a menu: enough for the game to see each one.
constexpr int kMenuCadence = 8;

bool Near(float a, float b) { return std::fabs(a - b) < 0.01f; }

}  // namespace

MenuDriver::MenuDriver(KeyHands& hands, MenuChoices choices) : hands_(hands), choices_(std::move(choices)) {}

void MenuDriver::TapEvery(int every, int key) {
    if (framesOnScreen_ % every == 0) hands_.Tap(static_cast<Engine::VirtualKey>(key));
}

void MenuDriver::TapSequence(const int* sequence, int count, int gap) {
    if (framesOnScreen_ % gap != 0) return;
    const int step = framesOnScreen_ / gap - 1;
    if (step >= 0 && step < count) hands_.Tap(static_cast<Engine::VirtualKey>(sequence[step]));
}

void MenuDriver::Title() {
    if (choices_.titleEntry == "Coop") {
        TapEvery(kMenuCadence, 'C');
        return;
    }
    // The highlighted entry wears its red texture; walk down to the chosen one.
    for (const MainMenu::Entry& entry : MainMenu::kEntries) {
        if (choices_.titleEntry != entry.object) continue;
        const bool highlighted = api::TextureOf(api::Find(entry.object)) == entry.selectedTexture;
        TapEvery(kMenuCadence, highlighted ? 'F' : 'S');
        return;
    }
}

void MenuDriver::BirdSelection() {
    const int characters[2] = {choices_.player1Character, choices_.player2Character};
    const char* cursors[2] = {"P1Select", "P2Select"};
    const char* readySigns[2] = {"RedReady", "BlueReady"};
    const int leftKeys[2] = {'A', Engine::VK_LEFT};
    const int rightKeys[2] = {'D', Engine::VK_RIGHT};
    const int confirmKeys[2] = {'F', Engine::VK_OEM_2};
    if (framesOnScreen_ % kMenuCadence != 0) return;
    // First the seat key, until player 2's slot shows the wanted choice on its label.
    const std::string wanted = Game::SeatLabel(static_cast<Game::Seat>(choices_.computerSeatPresses % 4));
    for (const Engine::GameObj* label : api::FindAll("SeatLabel")) {
        if (api::Position(label).x < 0.0f) continue;
        if (api::TextOf(label).rfind(wanted, 0) != 0) {
            hands_.Tap(static_cast<Engine::VirtualKey>('C'));
            return;
        }
    }
    const bool computer2 = choices_.computerSeatPresses % 4 != 0;
    for (int p = 0; p < 2; ++p) {
        // One person alone: player 1's keys pick the computer's bird once its own is ready.
        const int keysOf = p == 1 && computer2 ? 0 : p;
        const Selection::BirdLook* bird = Selection::BirdFor(characters[p]);
        const Engine::GameObj* cursor = api::Find(cursors[p]);
        const Engine::GameObj* portrait = bird ? api::Find(bird->portrait) : nullptr;
        if (!cursor || !portrait) continue;
        const float cursorX = api::Position(cursor).x;
        const float portraitX = api::Position(portrait).x;
        const bool ready = api::TextureOf(api::Find(readySigns[p])) == "Ready_Yes";
        if (!Near(cursorX, portraitX)) {
            if (!ready)
                hands_.Tap(static_cast<Engine::VirtualKey>(portraitX > cursorX ? rightKeys[keysOf] : leftKeys[keysOf]));
        } else if (!ready) {
            hands_.Tap(static_cast<Engine::VirtualKey>(confirmKeys[keysOf]));
        }
        // Player 1's keys serve one cursor a frame, its own first.
        if (keysOf == 0 && p == 0 && computer2 && !ready) return;
    }
}

void MenuDriver::LevelSelection() {
    const Selection::LevelLook* level = Selection::LevelFor(choices_.chosenLevel);
    const Engine::GameObj* selector = api::Find("Selector");
    const Engine::GameObj* slot = level ? api::Find(level->slot) : nullptr;
    if (!selector || !slot) return;
    const float x = api::Position(selector).x;
    const float target = api::Position(slot).x;
    TapEvery(kMenuCadence, Near(x, target) ? 'F' : target > x ? 'D' : 'A');
}

bool MenuDriver::PracticeRange() {
    if (framesOnScreen_ < choices_.practiceFrames) return false;
    // Escape pauses; the menu opens on Resume, Quit to menu is the last entry.
    static const int kLeave[] = {Engine::VK_ESCAPE, 'S', 'S', 'S', 'S', 'F'};
    const int saved = framesOnScreen_;
    framesOnScreen_ -= choices_.practiceFrames;
    TapSequence(kLeave, 6, 15);
    framesOnScreen_ = saved;
    return true;
}

bool MenuDriver::Act(const std::string& level) {
    if (level != screen_) {
        screen_ = level;
        framesOnScreen_ = 0;
    }
    ++framesOnScreen_;
    if (level == kTitle) {
        Title();
    } else if (level == kCoopTitle) {
        // Enter on "Start" opens the choice of player count; X confirms the one shown.
        static const int kStart[] = {Engine::VK_RETURN, 'X'};
        TapSequence(kStart, 2, 20);
    } else if (level == kBirdSelection || level == kPracticeSelection) {
        BirdSelection();
    } else if (level == kLevelSelection) {
        LevelSelection();
    } else if (level == kCoopPicker) {
        // Birds (X), the level: player 1 steps to its index (A is "next"), the
        // draw (X), then enter player 1's level (X).
        static int sequence[16];
        int count = 0;
        for (int i = 0; i < choices_.computerSeatPresses; ++i) sequence[count++] = '2';
        sequence[count++] = 'X';
        for (int i = 1; i < choices_.coopLevel && count < 12; ++i) sequence[count++] = 'A';
        sequence[count++] = 'X';
        sequence[count++] = 'X';
        TapSequence(sequence, count, 20);
    } else if (level == kPracticeRange) {
        return PracticeRange();
    } else {
        for (const char* result : kResultScenes)
            if (level == result) {
                TapEvery(30, 'F');
                return true;
            }
        for (const char* waited : kWaitedScreens)
            if (level == waited) return true;
        return false;
    }
    return true;
}

}  // namespace TestSupport

#pragma once
// The menu driver: presses the keys a player presses to move through the
// screens around a match, for one chosen route: the title entry, each player's
// bird, the level slot; the co-op title and picker; the versus screen and the
// storyboard are waited out; a result scene is confirmed; the practice range
// is left through its pause menu after a while of play. It reads the screens
// only through the script API's read-only calls (positions, textures) and
// taps the keys through the shared hands.

#include <string>

namespace ai {
class KeyHands;
}

namespace TestSupport {

using ai::KeyHands;

struct MenuChoices {
    std::string titleEntry;   // "Play" or "Practice" on the title; "Coop" takes its C key to the co-op title
    int player1Character = 3;  // 1 RoziDoro, 2 VadozaVaza, 3 DovaDizavov, 4 DoruZuvo
    int player2Character = 1;
    int chosenLevel = 1;       // slot on the level selection: 1 egg, 2 runner, 3 boss
    int coopLevel = 2;         // player 1's level on the co-op picker ("Level" + index)
    int practiceFrames = 900;  // how long the practice range is played before leaving
    // Presses of player 2's seat key on the bird selection (C) or the co-op
    // picker (2): 0 leaves a person there, 1 easy, 2 normal, 3 hard. A computer's
    // bird is then picked with player 1's keys, as one person alone does.
    int computerSeatPresses = 0;
};

class MenuDriver {
public:
    MenuDriver(KeyHands& hands, MenuChoices choices);

    // Presses this frame's keys for the screen `level`. False for a screen the
    // driver leaves to the computer players (a match level, the practice range
    // until it is time to leave).
    bool Act(const std::string& level);

private:
    // Taps `key` on every `every`-th frame spent on the current screen.
    void TapEvery(int every, int key);
    // Taps the keys of `sequence` one after another, `gap` frames apart.
    void TapSequence(const int* sequence, int count, int gap);
    void Title();
    void BirdSelection();
    void LevelSelection();
    // True once the driver has started leaving (the players then keep still).
    bool PracticeRange();

    KeyHands& hands_;
    MenuChoices choices_;
    std::string screen_;
    int framesOnScreen_ = 0;
};

}  // namespace TestSupport

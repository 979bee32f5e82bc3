#pragma once
// The game's levels, one row each: what kind of play a level holds and how the
// game treats it. Scripts ask this table which level they are in ("is this the
// runner?"), never a level file's path; adding a level means adding a row here
// and its key in MapData/LevelPaths.xml (docs/architecture.md, "Adding a level").

#include <vector>

#include "api/names.h"
#include "game/levels/bird_rules.h"

namespace levels {

// What is played in a level; scripts shared by several levels branch on it.
enum class Mode {
    Egg,        // attack and defend the egg, in rounds
    FoodCourt,  // co-op scraps and customers
    Runner,     // the side-scrolling run with the ship and its boss
    Boss,       // both birds against the boss
    Practice,   // the practice range: no match, no end
};

// Where a level is offered: each screen numbers its places from 1, and a row
// holds 0 for a screen that does not offer it.
struct Slots {
    int levelSelection;  // the versus level selection's slot ("Level1".."Level3")
    int story;           // its place on the story's way (1: after the opening storyboard)
    int coopPicker;      // the co-op picker's picture ("Level1".."Level8")
};

struct LevelRow {
    api::LevelKey key;        // the key in MapData/LevelPaths.xml
    Mode mode;
    const char* openingLine1;  // the opening dialogue's two lines, or null for none
    const char* openingLine2;
    const char* music;         // the sound event its mode's controller starts on load, or null
    Slots slots;
    // The end storyboard's pictures, one a second, shown after its match before
    // the winner's scene; none: the winner's scene follows the match at once.
    std::vector<const char*> storyboard;
    bool pausesOnFocusLoss;    // losing the window's focus pauses it
    BirdRules birds;           // how the birds play here
};

// Every played level. A played level has the pause menu and lets the computer
// players think.
const LevelRow* Rows();
int RowCount();

// The row of the loaded level, or null in a menu or a story screen.
const LevelRow* Current();
// Whether the loaded level is a played level of this mode.
bool CurrentIs(Mode mode);
// Whether a match (or the practice range) is being played in the loaded level.
bool InPlayedLevel();

// The row under this key, or null.
const LevelRow* RowOfKey(const std::string& key);
// The row a screen offers at this slot, or null for a slot it leaves empty.
enum class Screen { LevelSelection, Story, CoopPicker };
const LevelRow* RowAtSlot(Screen screen, int slot);

// Starts the loaded level's music and answers its event ("" for none), for the
// mode's controller to steer its parameters.
const char* StartMusic();
// The loaded level's music event, "" in a level without.
const char* Music();

}  // namespace levels

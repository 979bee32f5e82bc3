#pragma once
// The game's levels, one row each: what kind of play a level holds and how the
// game treats it. Scripts ask this table which level they are in ("is this the
// runner?"), never a level file's path; adding a level means adding a row here
// and its key in MapData/LevelPaths.xml (docs/architecture.md, "Adding a level").

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

struct LevelRow {
    api::LevelKey key;        // the key in MapData/LevelPaths.xml
    Mode mode;
    const char* openingLine1;  // the opening dialogue's two lines, or null for none
    const char* openingLine2;
    BirdRules birds;           // how the birds play here
};

// Every played level. A played level has the pause menu, pauses when the window
// loses the focus, and lets the computer players think.
const LevelRow* Rows();
int RowCount();

// The row of the loaded level, or null in a menu or a story screen.
const LevelRow* Current();
// Whether the loaded level is a played level of this mode.
bool CurrentIs(Mode mode);
// Whether a match (or the practice range) is being played in the loaded level.
bool InPlayedLevel();

}  // namespace levels

#pragma once
// How each of the four birds is presented on the selection and versus screens,
// and how each of the level selection's three slots restyles it.

#include <array>

#include "api/maths.h"

namespace Selection {

struct BirdLook {
    int character;            // 1 RoziDoro, 2 VadozaVaza, 3 DovaDizavov, 4 DoruZuvo
    const char* portrait;     // the portrait object on the selection screen
    const char* preview;      // the big picture of the chosen bird
    const char* stats;        // the name and stats card
    const char* info;         // the skill and ultimate card
    Engine::vec2 previewScale;
    unsigned char red, green, blue;  // the preview's particle colour
    Engine::vec2 versusScale;
};

extern const std::array<BirdLook, 4> kBirds;

// The look of a character number, or null for a number outside 1..4.
const BirdLook* BirdFor(int character);
// Opaque packed colour (bytes R, G, B, A from least significant).
unsigned PackedColour(const BirdLook& bird);

struct LevelLook {
    const char* slot;        // the slot object on the level selection
    int chosenLevel;         // 1, 2, 3: the slot; the level table says which level it enters
    const char* info;
    const char* midGround;
    Engine::vec2 midGroundScale;
    const char* redText;
    Engine::vec2 redScale;
    const char* blueText;
    Engine::vec2 blueScale;
    const char* currentText;
    Engine::vec2 currentScale;
};

extern const std::array<LevelLook, 3> kLevels;

// The row of a chosen-level number, or null for a number outside 1..3.
const LevelLook* LevelFor(int chosenLevel);

}  // namespace Selection

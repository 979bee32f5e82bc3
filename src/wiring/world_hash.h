#pragma once
// One number for the state of the running world, to tell two runs apart: FNV-1a
// (64 bits) over, in this order, the current level's path, the random source's
// state, and every live object in the live list's order: its name, whether it is
// active, its position, scale and rotation, its body's velocity, and what its
// sprite and label show (texture name, sheet cell, colour, hidden; the label's
// text), then each of its scripts' registry name and the gameplay state the
// script feeds in (logic/hashed_state.h: health, scores, timers, stamina,
// cooldowns, and the match values from the scripts that decide a match).
// Floats are hashed by their bits, so -0 and 0 differ and nothing rounds.

#include <cstdint>
#include <string>

namespace Engine {

uint64_t WorldHash();

// Sixteen lowercase hex digits.
std::string WorldHashText(uint64_t hash);

// "World hash after <frames> frames: <hash>"
std::string WorldHashLine(int frames);

}  // namespace Engine

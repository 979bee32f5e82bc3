#pragma once
// `tolvex --simulate ...` plays matches between computer players, which live in
// the game above this folder. The game registers the run from a static
// initialiser (as scripts register themselves); the entry only calls it.

#include <string>
#include <vector>

namespace Engine {

struct EngineOptions;

// Plays the matches the operands ask for and returns the exit code.
using SimulationRun = int (*)(const EngineOptions& options, const std::vector<std::string>& operands);

// Returns true, so a registration can initialise a static.
bool RegisterSimulation(SimulationRun run);
// The registered run, or null when the program has no game linked in.
SimulationRun RegisteredSimulation();

}  // namespace Engine

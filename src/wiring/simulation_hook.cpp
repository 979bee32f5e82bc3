#include "wiring/simulation_hook.h"

namespace Engine {

namespace {
SimulationRun& Registered() {
    static SimulationRun run = nullptr;
    return run;
}
}  // namespace

bool RegisterSimulation(SimulationRun run) {
    Registered() = run;
    return true;
}

SimulationRun RegisteredSimulation() { return Registered(); }

}  // namespace Engine

#include "game/menus/menu_flow.h"

#include "api/script_api.h"
#include "game/menus/transition.h"

namespace MenuFlow {

namespace {
const api::ObjectName kWipeBird{"TransitionBird"};
}  // namespace

Transition* FindWipe() { return api::FindScript<Transition>(kWipeBird); }

bool LeaveTo(Transition* wipe, const std::string& key) {
    // Covering the screen for a level that cannot open would leave the player
    // behind a closed wipe: the load says so once and keeps the screen.
    if (!wipe || !api::LevelExists(key)) return api::LoadLevel(key);
    wipe->leaving = true;
    wipe->Start(key);
    return true;
}

}  // namespace MenuFlow

#include "game/menus/menu_flow.h"

#include "api/script_api.h"
#include "game/menus/transition.h"

namespace MenuFlow {

namespace {
const api::ObjectName kWipeBird{"TransitionBird"};
}  // namespace

Transition* FindWipe() { return api::FindScript<Transition>(kWipeBird); }

void LeaveTo(Transition* wipe, const std::string& key) {
    if (wipe) {
        wipe->leaving = true;
        wipe->Start(key);
    } else {
        api::LoadLevel(key);
    }
}

}  // namespace MenuFlow

#include "game/story/story_wipe.h"

#include "api/script_api.h"
#include "game/menus/transition.h"

namespace Story {

namespace {
const api::ObjectName kWipe{"TransitionBird"};
}

api::ObjectRef FindWipe() { return api::Find(kWipe); }

Transition* WipeOf(const api::ObjectRef& wipe) { return api::ScriptOf<Transition>(wipe); }

bool Opened(const api::ObjectRef& wipe) {
    const Transition* transition = WipeOf(wipe);
    return !transition || transition->revealed;
}

void Leave(const api::ObjectRef& wipe, const std::string& key) {
    if (Transition* transition = WipeOf(wipe)) {
        transition->leaving = true;
        transition->Start(key);
        return;
    }
    api::LoadLevel(key);
}

}  // namespace Story

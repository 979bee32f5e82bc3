#include "game/menus/menu_flow.h"

#include "game/menus/transition.h"
#include "objects/game_obj.h"
#include "objects/game_object_factory.h"
#include "objects/level_paths.h"

namespace MenuFlow {

Engine::GameObj* FindLevelObject(const std::string& name) {
    Engine::GameObjectFactory* factory = Engine::GameObjectFactory::instance;
    if (!factory) return nullptr;
    for (const auto& object : factory->objectPool)
        if (object->active && object->name == name) return object.get();
    return nullptr;
}

Engine::GameObj* FindLastLevelObject(const std::string& name) {
    Engine::GameObjectFactory* factory = Engine::GameObjectFactory::instance;
    if (!factory) return nullptr;
    Engine::GameObj* found = nullptr;
    for (const auto& object : factory->objectPool)
        if (object->active && object->name == name) found = object.get();
    return found;
}

Transition* FindWipe() {
    Engine::GameObj* bird = FindLevelObject("TransitionBird");
    return bird ? bird->GetScript<Transition>() : nullptr;
}

void LoadLevelByKey(const std::string& key) {
    if (Engine::GameObjectFactory* factory = Engine::GameObjectFactory::instance)
        factory->LoadLevel(factory->levelPaths[key]);
}

void LeaveTo(Transition* wipe, const std::string& key) {
    if (wipe) {
        wipe->leaving = true;
        wipe->Start(key);
    } else {
        LoadLevelByKey(key);
    }
}

}  // namespace MenuFlow

#include "game/menus/menu_flow.h"

#include "game/menus/transition.h"
#include "objects/game_obj.h"
#include "objects/game_object_factory.h"

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

bool LoadLevelByKey(const std::string& key) {
    Engine::GameObjectFactory* factory = Engine::GameObjectFactory::instance;
    return factory && factory->LoadLevelByKey(key);
}

bool LeaveTo(Transition* wipe, const std::string& key) {
    if (!wipe) return LoadLevelByKey(key);
    // Covering the screen for a level that cannot open would leave the player
    // behind a closed wipe: say so once and stay.
    if (!Engine::GameObjectFactory::LevelKeyLoadable(key)) return LoadLevelByKey(key);
    wipe->leaving = true;
    wipe->Start(key);
    return true;
}

}  // namespace MenuFlow

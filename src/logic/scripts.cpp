#include "logic/scripts.h"

#include <algorithm>

#include "logic/script_pass.h"
#include "logic/script_registry.h"
#include "objects/game_obj.h"
#include "objects/game_object_factory.h"
#include "objects/object_lists.h"
#include "physics/physics_world.h"

namespace Engine {

std::vector<Scripts*> scriptList;

Scripts::Scripts(GameObj* owner_) : Components(kScriptsKind), owner(owner_) {}

Scripts::~Scripts() {
    scripts.clear();
    auto it = std::find(scriptList.begin(), scriptList.end(), this);
    if (it != scriptList.end()) scriptList.erase(it);
}

Components* Scripts::CopyInto(Components* target) {
    auto* targetContainer = dynamic_cast<Scripts*>(target);
    if (!targetContainer) return target;
    for (const auto& script : scripts) {
        Scripts* prototype = ScriptRegistry::Get().Find(script->name);
        if (!prototype) continue;
        if (Scripts* clone = prototype->Clone(targetContainer->owner))
            targetContainer->scripts.emplace_back(clone);
    }
    return target;
}

void Scripts::Update(float dt) {
    ScriptCallGuard guard;
    for (size_t i = 0; i < scripts.size(); ++i) {
        scripts[i]->Update(dt);
        const GameObjectFactory* factory = GameObjectFactory::instance;
        if (factory && factory->levelChanged) return;
    }
}

void Scripts::AlwaysUpdate(float dt) {
    ScriptCallGuard guard;
    for (size_t i = 0; i < scripts.size(); ++i) {
        if (scripts[i]->owner && !scripts[i]->owner->active) continue;
        scripts[i]->AlwaysUpdate(dt);
    }
}

void Scripts::Init() {
    ScriptCallGuard guard;
    for (size_t i = 0; i < scripts.size(); ++i) scripts[i]->Init();
}

void Scripts::OnCollisionEnter(GameObj* other) {
    ScriptCallGuard guard;
    ForEachScriptUntilLevelChanges([other](Scripts& script) { script.OnCollisionEnter(other); });
}

void Scripts::OnCollisionStay(GameObj* other) {
    ScriptCallGuard guard;
    ForEachScriptUntilLevelChanges([other](Scripts& script) { script.OnCollisionStay(other); });
}

void Scripts::OnCollisionExit(GameObj* other) {
    ScriptCallGuard guard;
    ForEachScriptUntilLevelChanges([other](Scripts& script) { script.OnCollisionExit(other); });
}

void Scripts::ForEachScriptUntilLevelChanges(const std::function<void(Scripts&)>& call) {
    // A level unload clears the physics lists; after one, this container's object
    // belongs to the old level and its remaining scripts must not run.
    const uint64_t level = physicsWorld.generation;
    for (size_t i = 0; i < scripts.size() && physicsWorld.generation == level; ++i) call(*scripts[i]);
}

void Scripts::AddByName(const std::string& scriptName) {
    Scripts* prototype = ScriptRegistry::Get().Find(scriptName);
    if (!prototype) return;
    std::unique_ptr<Scripts> clone(prototype->Clone(owner));
    if (!clone) return;
    for (const auto& script : scripts)
        if (script->name == clone->name) return;
    clone->name = scriptName;
    scripts.push_back(std::move(clone));
}

GameObj* Spawn(const std::string& archetype, float x, float y) {
    GameObjectFactory* factory = GameObjectFactory::instance;
    if (!factory) return nullptr;
    GameObj* object = factory->SpawnArchetype(archetype, x, y);
    if (object) {
        if (Scripts* container = object->GetScripts()) container->Init();
    }
    return object;
}

}  // namespace Engine

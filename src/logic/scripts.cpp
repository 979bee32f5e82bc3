#include "logic/scripts.h"

#include "logic/script_registry.h"
#include "objects/game_obj.h"
#include "objects/game_object_factory.h"
#include "objects/level_epoch.h"

namespace Engine {

Scripts::Scripts(GameObj* owner_) : Components(kScriptsKind), owner(owner_) {}

// Touches nothing but its own scripts: prototypes in the registry are freed with it,
// and a container leaves the game logic's list through its kind's release.
Scripts::~Scripts() { scripts.clear(); }

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
    // Stops also for a change the update pass has not seen yet (see LevelEpoch).
    ScriptCallScope scope(ScriptCallScope::Since::kAcknowledged);
    for (size_t i = 0; i < scripts.size(); ++i) {
        scripts[i]->Update(dt);
        if (scope.LevelChanged()) return;
    }
}

void Scripts::AlwaysUpdate(float dt) {
    ForEachScriptUntilLevelChanges([dt](Scripts& script) {
        if (script.owner && !script.owner->active) return;
        script.AlwaysUpdate(dt);
    });
}

void Scripts::Init() {
    ForEachScriptUntilLevelChanges([](Scripts& script) { script.Init(); });
}

void Scripts::OnCollisionEnter(GameObj* other) {
    ForEachScriptUntilLevelChanges([other](Scripts& script) { script.OnCollisionEnter(other); });
}

void Scripts::OnCollisionStay(GameObj* other) {
    ForEachScriptUntilLevelChanges([other](Scripts& script) { script.OnCollisionStay(other); });
}

void Scripts::OnCollisionExit(GameObj* other) {
    ForEachScriptUntilLevelChanges([other](Scripts& script) { script.OnCollisionExit(other); });
}

void Scripts::ForEachScriptUntilLevelChanges(const std::function<void(Scripts&)>& call) {
    // After a level load this container's object belongs to the old level (or
    // already to the new one, reused from the pool): its remaining scripts must
    // not run. The scope also keeps this container alive until the call returns.
    ScriptCallScope scope;
    for (size_t i = 0; i < scripts.size() && !scope.LevelChanged(); ++i) call(*scripts[i]);
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

void GameObj::AddScript(const std::string& scriptName) {
    if (Scripts* container = GetScripts()) {
        container->AddByName(scriptName);
        return;
    }
    AddComponent(kScriptsKind);
    if (Scripts* container = GetScripts()) container->AddByName(scriptName);
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

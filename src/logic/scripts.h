#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "objects/components.h"
#include "objects/game_obj.h"

namespace Engine {

// A game script, and also the per-object container that holds an object's scripts.
// Data files attach scripts by registry name; the container clones the registered
// prototype for the object and drives it. A container calls its scripts inside a
// ScriptCallScope and stops once one of them has loaded a level.
class Scripts : public Components {
public:
    static constexpr int32_t kKind = kScriptsKind;

    explicit Scripts(GameObj* owner_ = nullptr);
    ~Scripts() override;

    void Serialize(TiXmlNode*) override {}
    // A container clones each of its scripts' prototypes into the target container.
    Components* CopyInto(Components* target) override;
    void Update(float dt) override;
    void AlwaysUpdate(float dt) override;
    // A fresh script of the same class for `owner`; a container returns null.
    virtual Scripts* Clone(GameObj* /*owner*/) { return nullptr; }
    virtual void Init();
    void OnCollisionEnter(GameObj* other) override;
    void OnCollisionStay(GameObj* other) override;
    void OnCollisionExit(GameObj* other) override;

    // Attaches the registered script `scriptName` unless one of that name is present.
    void AddByName(const std::string& scriptName);

    template <class T>
    T* GetScript() const {
        for (const auto& script : scripts)
            if (T* typed = dynamic_cast<T*>(script.get())) return typed;
        return nullptr;
    }

    GameObj* owner = nullptr;
    std::string name;
    std::vector<std::unique_ptr<Scripts>> scripts;

private:
    void ForEachScriptUntilLevelChanges(const std::function<void(Scripts&)>& call);
};

// Clones the derived class for script classes: `class Foo : public ScriptBase<Foo>`.
// A clone carries the registry name its prototype was registered under.
template <class Derived, class Base = Scripts>
class ScriptBase : public Base {
public:
    explicit ScriptBase(GameObj* owner_ = nullptr) : Base(owner_) {}
    Scripts* Clone(GameObj* newOwner) override {
        Scripts* copy = new Derived(newOwner);
        copy->name = this->name;
        return copy;
    }
};

// Creates an archetype copy at (x, y) and starts its scripts at once.
GameObj* Spawn(const std::string& archetype, float x, float y);

}  // namespace Engine

template <class T>
T* Engine::GameObj::GetScript() const {
    Scripts* container = GetScripts();
    return container ? container->GetScript<T>() : nullptr;
}

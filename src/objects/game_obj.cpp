#include "objects/game_obj.h"

#include <tinyxml.h>

#include <algorithm>

#include "objects/component_elements.h"
#include "objects/component_kinds.h"
#include "objects/game_object_factory.h"
#include "objects/level_epoch.h"
#include "objects/xml_attributes.h"
#include "objects/xml_file.h"

namespace Engine {

GameObj::GameObj(int32_t layer, float scaleX, float scaleY, float rotation, const std::string& archetypePath,
                 const std::string& tag_, float x, float y)
    : tag(tag_), transform(std::make_unique<Transform>(layer, scaleX, scaleY, rotation, x, y)) {
    GameObjectFactory* factory = GameObjectFactory::instance;
    id = factory ? static_cast<int32_t>(factory->objectPool.size()) : 0;
    if (archetypePath.empty()) return;
    TiXmlDocument document;
    if (!LoadXmlFile(document, archetypePath)) return;
    const TiXmlElement* root = document.RootElement();
    if (!root) return;
    name = FirstAttribute(root);
    for (const TiXmlElement* element = root->FirstChildElement(); element; element = element->NextSiblingElement())
        ApplyComponentElement(*this, *element, archetypePath);
}

GameObj::~GameObj() { ClearComponents(); }

Components* GameObj::FirstComponentOfKind(int32_t kind) const {
    for (const auto& component : components) {
        if (!component) return nullptr;
        if (component->kind == kind) return component.get();
    }
    return nullptr;
}

void GameObj::SortComponents() {
    std::stable_sort(components.begin(), components.end(),
                     [](const std::unique_ptr<Components>& a, const std::unique_ptr<Components>& b) {
                         if (!a || !b) return static_cast<bool>(a) && !b;
                         return a->kind < b->kind;
                     });
}

void GameObj::AddComponent(int32_t kind) {
    const ComponentKindHooks* hooks = FindComponentKind(kind);
    if (!hooks || !hooks->add) return;
    hooks->add(*this);
    SortComponents();
}

void GameObj::RemoveCollider() {
    for (auto it = components.begin(); it != components.end(); ++it) {
        if (*it && (*it)->kind == kColliderKind) {
            components.erase(it);
            return;
        }
    }
}

void GameObj::Destroy() {
    if (GameObjectFactory* factory = GameObjectFactory::instance) factory->releaseQueue.push_back(this);
}

void GameObj::ClearComponents() {
    std::vector<std::unique_ptr<Components>> removed;
    removed.swap(components);
    for (auto& component : removed) {
        if (!component) continue;
        const ComponentKindHooks* hooks = FindComponentKind(component->kind);
        if (hooks && hooks->release)
            hooks->release(*this, std::move(component));
        else
            component.reset();
    }
    currentContacts.clear();
    previousContacts.clear();
    entered.clear();
    stayed.clear();
    exited.clear();
}

bool GameObj::DispatchContacts() {
    Components* receiver = FirstComponentOfKind(kScriptsKind);
    if (!receiver) return true;
    // A callback may load a level: that empties these lists and hands this pooled
    // object to the new level, so indices are re-checked against the live lists and
    // nothing more is delivered once the level has changed.
    ScriptCallScope scope;
    for (size_t i = 0; i < entered.size() && !scope.LevelChanged(); ++i) receiver->OnCollisionEnter(entered[i]);
    for (size_t i = 0; i < stayed.size() && !scope.LevelChanged(); ++i) receiver->OnCollisionStay(stayed[i]);
    for (size_t i = 0; i < exited.size() && !scope.LevelChanged(); ++i) receiver->OnCollisionExit(exited[i]);
    return !scope.LevelChanged();
}

GameObj* GameObj::FindObject(const std::string& objectName) {
    GameObjectFactory* factory = GameObjectFactory::instance;
    if (!factory) return nullptr;
    for (const auto& object : factory->objectPool)
        if (object->name == objectName) return object.get();
    return nullptr;
}

GameObj* CopyArchetype(GameObj* source, GameObj* target, float x, float y) {
    if (!source || !target) return nullptr;
    *target->transform = *source->transform;
    if (x != 0.0f || y != 0.0f) target->transform->position = {x, y};
    target->name = source->name;
    target->shooter.Reset();  // a reused slot fires for no one until its spawner says
    for (size_t i = 0; i < source->components.size(); ++i) {
        Components* sourceComponent = source->components[i].get();
        if (!sourceComponent) break;
        target->AddComponent(sourceComponent->kind);
        if (Components* targetComponent = target->FirstComponentOfKind(sourceComponent->kind))
            sourceComponent->CopyInto(targetComponent);
    }
    // A copy with a sprite always animates (the animator kind declines without one
    // and while components stay out of the lists).
    if (!target->FirstComponentOfKind(kAnimatorKind) && target->FirstComponentOfKind(kSpriteKind))
        target->AddComponent(kAnimatorKind);
    target->SortComponents();
    return target;
}

}  // namespace Engine

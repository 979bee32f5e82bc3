#include "objects/game_obj.h"

#include <tinyxml.h>

#include <algorithm>

#include "graphics/animator.h"
#include "graphics/graphics.h"
#include "graphics/label.h"
#include "graphics/particle_system.h"
#include "graphics/renderable2d.h"
#include "graphics/texture.h"
#include "logic/script_pass.h"
#include "logic/scripts.h"
#include "objects/component_elements.h"
#include "objects/game_object_factory.h"
#include "objects/object_lists.h"
#include "objects/xml_attributes.h"
#include "objects/xml_file.h"
#include "physics/collider.h"
#include "physics/physics_world.h"
#include "physics/rigid_body.h"
#include "sound/sound_emitter.h"
#include "sound/sound_emitter_kind.h"

namespace Engine {

std::vector<GameObj*> liveObjects;
std::vector<GameObj*> releaseQueue;
bool noRegister = true;

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

RigidBody* GameObj::GetRigidBody() const { return GetComponent<RigidBody>(); }
Collider* GameObj::GetCollider() const { return GetComponent<Collider>(); }
graphics::Animator* GameObj::GetAnimator() const { return GetComponent<graphics::Animator>(); }
Scripts* GameObj::GetScripts() const { return GetComponent<Scripts>(); }
graphics::Renderable2D* GameObj::GetSprite() const { return GetComponent<graphics::Renderable2D>(); }
graphics::ParticleSystem* GameObj::GetParticleSystem() const { return GetComponent<graphics::ParticleSystem>(); }
graphics::Label* GameObj::GetLabel() const { return GetComponent<graphics::Label>(); }
SoundEmitter* GameObj::GetSoundEmitter() const {
    return dynamic_cast<SoundEmitter*>(FirstComponentOfKind(kSoundEmitterKind));
}

void GameObj::SortComponents() {
    std::stable_sort(components.begin(), components.end(),
                     [](const std::unique_ptr<Components>& a, const std::unique_ptr<Components>& b) {
                         if (!a || !b) return static_cast<bool>(a) && !b;
                         return a->kind < b->kind;
                     });
}

void GameObj::AddSprite() {
    auto sprite = std::make_unique<graphics::Sprite>(transform->position.x, transform->position.y);
    sprite->color = 0xFFFFFFFF;
    sprite->size = transform->scale;
    sprite->colorRGBA = {1.0f, 1.0f, 1.0f, 1.0f};
    sprite->order = transform->layer;
    sprite->owner = transform.get();
    sprite->hidden = noRegister;
    graphics::Renderable2D* raw = sprite.get();
    components.push_back(std::move(sprite));
    if (graphics::Graphics* g = graphics::Graphics::instance) g->AddRenderable(raw);
}

void GameObj::AddLabel() {
    auto label = std::make_unique<graphics::Label>(transform->position.x, transform->position.y, "Arial", 32, 0u,
                                                   "Buttons");
    // The label has put itself in the world layer; a prototype's stays out of sight.
    label->owner = transform.get();
    label->hidden = noRegister;
    components.push_back(std::move(label));
}

void GameObj::AddCollider() {
    hasCollider = true;
    RigidBody* body = GetRigidBody();
    if (!body) {
        AddComponent(kRigidBodyKind);
        body = GetRigidBody();
    }
    auto collider =
        std::make_unique<Collider>(&transform->position, body, this, transform->scale.x, transform->scale.y);
    Collider* raw = collider.get();
    components.push_back(std::move(collider));
    if (noRegister) return;
    if (body->MotionType == kStaticMotion) {
        if (physicsWorld.staticTree) physicsWorld.staticTree->Insert(raw);
    } else {
        physicsWorld.movingColliders.push_back(raw);
    }
}

void GameObj::AddComponent(int32_t kind) {
    switch (kind) {
        case kRigidBodyKind:
            if (GetRigidBody()) return;
            components.push_back(std::make_unique<RigidBody>(this));
            break;
        case kColliderKind:
            AddCollider();
            break;
        case kAnimatorKind: {
            if (GetAnimator()) return;
            graphics::Renderable2D* sprite = GetSprite();
            if (!sprite || noRegister) return;
            components.push_back(std::make_unique<graphics::Animator>(sprite));
            break;
        }
        case kScriptsKind: {
            if (GetScripts()) return;
            auto container = std::make_unique<Scripts>(this);
            if (!noRegister) scriptList.push_back(container.get());
            components.push_back(std::move(container));
            break;
        }
        case kSpriteKind:
            if (GetSprite()) return;
            AddSprite();
            break;
        case kParticleSystemKind: {
            auto emitter = std::make_unique<graphics::ParticleSystem>(this);
            emitter->paused = noRegister;
            if (graphics::Graphics* g = graphics::Graphics::instance) g->particleSystems.push_back(emitter.get());
            components.push_back(std::move(emitter));
            break;
        }
        case kLabelKind:
            if (GetLabel()) return;
            AddLabel();
            break;
        case kSoundEmitterKind:
            components.push_back(MakeSoundEmitter());
            break;
        default:
            return;
    }
    SortComponents();
}

void GameObj::AddScript(const std::string& scriptName) {
    if (Scripts* container = GetScripts()) {
        container->AddByName(scriptName);
        return;
    }
    AddComponent(kScriptsKind);
    if (Scripts* container = GetScripts()) container->AddByName(scriptName);
}

void GameObj::RemoveCollider() {
    for (auto it = components.begin(); it != components.end(); ++it) {
        if (*it && (*it)->kind == kColliderKind) {
            components.erase(it);
            return;
        }
    }
}

void GameObj::Destroy() { releaseQueue.push_back(this); }

void GameObj::ClearComponents() {
    std::vector<std::unique_ptr<Components>> removed;
    removed.swap(components);
    for (auto& component : removed) {
        if (!component) continue;
        if (component->kind == kSpriteKind || component->kind == kLabelKind) {
            if (graphics::Graphics* g = graphics::Graphics::instance)
                g->RemoveRenderable(static_cast<graphics::Renderable2D*>(component.get()));
        }
        if (component->kind == kScriptsKind) {
            // A script may be clearing its own object: keep the container alive until
            // the script call on the stack returns.
            auto* container = static_cast<Scripts*>(component.get());
            auto it = std::find(scriptList.begin(), scriptList.end(), container);
            if (it != scriptList.end()) scriptList.erase(it);
            ScriptCallGuard::Retire(std::move(component));
        }
        component.reset();
    }
    currentContacts.clear();
    previousContacts.clear();
    entered.clear();
    stayed.clear();
    exited.clear();
}

void GameObj::DispatchContacts() {
    Scripts* container = GetScripts();
    if (!container) return;
    // A callback may load a level: that empties these lists and hands this pooled
    // object to the new level, so indices are re-checked against the live lists and
    // nothing more is delivered once the level has changed.
    const uint64_t level = physicsWorld.generation;
    auto sameLevel = [&] { return physicsWorld.generation == level; };
    ScriptCallGuard guard;
    for (size_t i = 0; i < entered.size() && sameLevel(); ++i) container->OnCollisionEnter(entered[i]);
    for (size_t i = 0; i < stayed.size() && sameLevel(); ++i) container->OnCollisionStay(stayed[i]);
    for (size_t i = 0; i < exited.size() && sameLevel(); ++i) container->OnCollisionExit(exited[i]);
}

GameObj* GameObj::FindObject(const std::string& objectName) {
    GameObjectFactory* factory = GameObjectFactory::instance;
    if (!factory) return nullptr;
    for (const auto& object : factory->objectPool)
        if (object->name == objectName) return object.get();
    return nullptr;
}

void ReleaseDestroyedObjects() {
    std::vector<GameObj*> queue;
    queue.swap(releaseQueue);
    for (GameObj* object : queue) {
        if (object->active) ++object->serial;
        object->active = false;
        auto it = std::find(liveObjects.begin(), liveObjects.end(), object);
        if (it != liveObjects.end()) liveObjects.erase(it);
        object->ClearComponents();
    }
}

GameObj* CopyArchetype(GameObj* source, GameObj* target, float x, float y) {
    if (!source || !target) return nullptr;
    *target->transform = *source->transform;
    if (x != 0.0f || y != 0.0f) target->transform->position = {x, y};
    target->name = source->name;
    for (size_t i = 0; i < source->components.size(); ++i) {
        Components* sourceComponent = source->components[i].get();
        if (!sourceComponent) break;
        target->AddComponent(sourceComponent->kind);
        if (Components* targetComponent = target->FirstComponentOfKind(sourceComponent->kind))
            sourceComponent->CopyInto(targetComponent);
    }
    if (!target->GetAnimator() && target->GetSprite() && !noRegister) target->AddComponent(kAnimatorKind);
    target->SortComponents();
    return target;
}

void SetTexture(GameObj* object, const std::string& textureName) {
    if (!object) return;
    graphics::Renderable2D* sprite = object->GetSprite();
    graphics::Texture* texture = graphics::FindTexture(textureName);
    if (sprite && texture) sprite->SetTexture(texture);
}

void SetColor(GameObj* object, uint32_t packedColor) {
    if (!object) return;
    if (graphics::Renderable2D* sprite = object->GetSprite()) sprite->SetColor(packedColor);
}

}  // namespace Engine

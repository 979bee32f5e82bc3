#include "objects/game_object_factory.h"

#include <tinyxml.h>

#include <cstring>
#include <iostream>

#include "core/editor_mode.h"
#include "graphics/camera.h"
#include "graphics/graphics.h"
#include "graphics/label.h"
#include "graphics/particle_system.h"
#include "graphics/renderable2d.h"
#include "logic/buttons.h"
#include "logic/game_logic.h"
#include "logic/scripts.h"
#include "objects/component_elements.h"
#include "objects/level_paths.h"
#include "objects/object_lists.h"
#include "objects/xml_attributes.h"
#include "objects/xml_file.h"
#include "physics/physics_world.h"
#include "physics/picking.h"

namespace Engine {

GameObjectFactory* GameObjectFactory::instance = nullptr;

GameObjectFactory::GameObjectFactory() {
    instance = this;
    camera = std::make_unique<graphics::Camera>(vec3(0.0f, -3.8f, 1.0f), 1.5f);
}

GameObjectFactory::~GameObjectFactory() {
    // Components of pooled objects unregister from lists that outlive them.
    noRegister = true;
    for (auto& button : buttonPool) {
        if (button->active) ++button->serial;
        button->Release();
    }
    for (auto& object : objectPool) object->ClearComponents();
    archetypes.clear();
    objectPool.clear();
    buttonPool.clear();
    graphics::particlePool.clear();
    liveObjects.clear();
    releaseQueue.clear();
    camera.reset();
    physicsWorld.Clear();
    if (instance == this) instance = nullptr;
}

bool GameObjectFactory::Initialize() {
    objectPool.reserve(kObjectPoolSize);
    for (size_t i = 0; i < kObjectPoolSize; ++i)
        objectPool.push_back(std::make_unique<GameObj>(0, 1.0f, 1.0f, 0.0f, "", "Default", 0.0f, 0.0f));
    buttonPool.reserve(kButtonPoolSize);
    for (size_t i = 0; i < kButtonPoolSize; ++i) {
        buttonPool.push_back(std::make_unique<Buttons>());
        buttonPool.back()->id = static_cast<int32_t>(i);
    }
    graphics::particlePool.reserve(kParticlePoolSize);
    for (size_t i = 0; i < kParticlePoolSize; ++i)
        graphics::particlePool.push_back(std::make_unique<graphics::Particles>(0.0f, 0.0f, 0.0f, 0.0f));
    levelPaths.clear();
    ReadLevelPaths(kLevelPathsFile, levelPaths);
    noRegister = false;
    return true;
}

void GameObjectFactory::LoadArchetype(const std::string& fileName) {
    const std::string path = "Objects\\" + fileName;
    TiXmlDocument document;
    if (!LoadXmlFile(document, path)) {
        std::cout << "Archetype not loaded: " << DescribeXmlError(document, path) << std::endl;
        return;
    }
    const TiXmlElement* root = document.RootElement();
    if (!root || !root->FirstAttribute()) {
        std::cout << "Archetype " << path << " has no name" << std::endl;
        return;
    }
    const std::string name = FirstAttribute(root);
    if (archetypes.count(name)) return;
    auto prototype = std::make_unique<GameObj>(0, 1.0f, 1.0f, 0.0f, path, "Default", 0.0f, 0.0f);
    prototype->active = false;
    if (graphics::Renderable2D* sprite = prototype->GetSprite()) sprite->hidden = true;
    archetypes[name] = std::move(prototype);
}

GameObj* GameObjectFactory::Archetype(const std::string& name) const {
    auto it = archetypes.find(name);
    return it == archetypes.end() ? nullptr : it->second.get();
}

GameObj* GameObjectFactory::FindLive(const std::string& name) const {
    for (GameObj* object : liveObjects)
        if (object->active && object->name == name) return object;
    return nullptr;
}

GameObj* GameObjectFactory::TakeFreeObject() {
    for (auto& object : objectPool)
        if (!object->active) {
            ++object->serial;
            return object.get();
        }
    return nullptr;
}

GameObj* GameObjectFactory::SpawnArchetype(const std::string& name, float x, float y) {
    GameObj* prototype = Archetype(name);
    if (!prototype) return nullptr;
    GameObj* object = TakeFreeObject();
    if (!object) return nullptr;
    object->active = true;
    CopyArchetype(prototype, object, x, y);
    liveObjects.push_back(object);
    return object;
}

Buttons* GameObjectFactory::TakeButton() {
    for (auto& button : buttonPool) {
        if (button->active) continue;
        ++button->serial;
        button->active = true;
        button->AddComponent(kSpriteKind);
        if (!button->GetLabel()) button->AddComponent(kLabelKind);
        if (graphics::Label* label = button->GetLabel()) {
            button->caption = label;
            label->order = button->transform->layer + 1;
            label->color = 0xFF000000;
            label->position = {0.0f, 0.0f, 0.0f};
            if (graphics::Graphics* g = graphics::Graphics::instance) g->SortLayers();
        }
        if (graphics::Renderable2D* sprite = button->GetSprite()) sprite->colorRGBA = {1.0f, 1.0f, 1.0f, 1.0f};
        return button.get();
    }
    return nullptr;
}

void GameObjectFactory::UnloadLevel() {
    if (Picking* picking = Picking::instance) picking->ClearSelection();
    GameLogic* logic = GameLogic::instance;
    if (logic) logic->timeScale = 1.0f;
    for (auto& object : objectPool) {
        if (object->active) ++object->serial;
        object->active = false;
        object->ClearComponents();
    }
    liveObjects.clear();
    releaseQueue.clear();
    for (auto& button : buttonPool) {
        if (button->active) ++button->serial;
        button->Release();
    }
    if (logic) logic->UndoHistory.clear();
    if (graphics::Graphics* g = graphics::Graphics::instance) g->ClearLayers();
    physicsWorld.Clear();
    scriptList.clear();
}

void GameObjectFactory::BuildGroup(const TiXmlElement& group, const std::string& file) {
    const std::string groupName = FirstAttribute(&group);
    const bool isButtonGroup = std::strcmp(group.Value(), "Button") == 0;
    const TiXmlElement* firstInstance = group.FirstChildElement();
    for (const TiXmlElement* instance = firstInstance; instance; instance = instance->NextSiblingElement()) {
        if (isButtonGroup) {
            Buttons* button = TakeButton();
            if (!button) {
                std::cout << file << ":" << instance->Row() << ": no free button for \"" << groupName << "\""
                          << std::endl;
                continue;
            }
            button->name = groupName;
            for (const TiXmlElement* e = instance->FirstChildElement(); e; e = e->NextSiblingElement())
                ApplyComponentElement(*button, *e, file);
            continue;
        }
        if (GameObj* copy = SpawnArchetype(groupName, 0.0f, 0.0f)) {
            for (const TiXmlElement* e = instance->FirstChildElement(); e; e = e->NextSiblingElement())
                ApplyComponentElement(*copy, *e, file);
            continue;
        }
        // No archetype of that name: the object is described by the level alone,
        // always from the group's first instance.
        GameObj* object = TakeFreeObject();
        if (!object) {
            std::cout << file << ":" << instance->Row() << ": object pool is full; \"" << groupName
                      << "\" skipped" << std::endl;
            continue;
        }
        object->active = true;
        object->name = groupName;
        for (const TiXmlElement* e = firstInstance->FirstChildElement(); e; e = e->NextSiblingElement())
            ApplyComponentElement(*object, *e, file);
        liveObjects.push_back(object);
    }
}

void GameObjectFactory::LoadLevel(const std::string& requestedPath) {
    UnloadLevel();
    // Set again at the end; cleared here so a level loaded from a script's Init
    // can be told apart below.
    levelChanged = false;
    graphics::Graphics* g = graphics::Graphics::instance;
    if (g) g->RedrawGrid();
    physicsWorld.staticTree = std::make_unique<StaticTree>();
    if (editorMode) {
        if (camera) camera->SetZoom(1.5f);
        graphics::worldWidth = 32.0f;
        graphics::worldHeight = 18.0f;
    }
    const GameLogic* logic = GameLogic::instance;
    const std::string path = (logic && logic->boot) ? kLoadingScreenPath : requestedPath;
    TiXmlDocument document;
    if (LoadXmlFile(document, path)) {
        currentLevelPath = path;
        std::cout << path << std::endl;
        graphics::worldWidth = 32.0f;
        graphics::worldHeight = 18.0f;
        if (const TiXmlElement* root = document.RootElement())
            for (const TiXmlElement* group = root->FirstChildElement(); group; group = group->NextSiblingElement())
                BuildGroup(*group, path);
    } else {
        std::cout << "Level not loaded: " << DescribeXmlError(document, path) << std::endl;
    }
    if (!editorMode) {
        // Containers appended by Init (spawns) are started by Spawn itself.
        const std::vector<Scripts*> containers = scriptList;
        for (Scripts* container : containers) {
            // An Init may load another level; the old list is then gone.
            if (levelChanged) break;
            container->Init();
        }
    }
    levelChanged = true;
}

bool GameObjectFactory::LevelKeyLoadable(const std::string& key, std::string* why) {
    auto it = levelPaths.find(key);
    if (it == levelPaths.end()) {
        if (why) *why = "no level is registered under \"" + key + "\"";
        return false;
    }
    TiXmlDocument document;
    if (!LoadXmlFile(document, it->second) || !document.RootElement()) {
        if (why) *why = "level \"" + key + "\" cannot be read: " + DescribeXmlError(document, it->second);
        return false;
    }
    return true;
}

bool GameObjectFactory::LoadLevelByKey(const std::string& key) {
    std::string why;
    if (!LevelKeyLoadable(key, &why)) {
        std::cout << "Staying in " << (currentLevelPath.empty() ? "this level" : currentLevelPath) << ": " << why
                  << std::endl;
        return false;
    }
    const std::string path = levelPaths[key];  // copied: the new level's scripts may change the table
    LoadLevel(path);
    return true;
}

}  // namespace Engine

#include "objects/game_object_factory.h"

#include <tinyxml.h>

#include <algorithm>
#include <cstring>
#include <iostream>

#include "core/core.h"
#include "core/message.h"
#include "objects/component_elements.h"
#include "objects/level_listener.h"
#include "objects/level_paths.h"
#include "objects/xml_attributes.h"
#include "objects/xml_file.h"

namespace Engine {

GameObjectFactory* GameObjectFactory::instance = nullptr;

bool RegisteringComponents() { return GameObjectFactory::instance && !GameObjectFactory::instance->noRegister; }

GameObjectFactory::GameObjectFactory() { instance = this; }

GameObjectFactory::~GameObjectFactory() {
    WriteLevelPaths(levelPathsWritePath, levelPaths);
    // Components of pooled objects unregister from lists that outlive them.
    noRegister = true;
    for (auto& object : objectPool) object->ClearComponents();
    archetypes.clear();
    objectPool.clear();
    liveObjects.clear();
    releaseQueue.clear();
    if (instance == this) instance = nullptr;
}

bool GameObjectFactory::Initialize() {
    objectPool.reserve(kObjectPoolSize);
    for (size_t i = 0; i < kObjectPoolSize; ++i)
        objectPool.push_back(std::make_unique<GameObj>(0, 1.0f, 1.0f, 0.0f, "", "Default", 0.0f, 0.0f));
    levelPaths.clear();
    ReadLevelPaths(levelPathsReadPath, levelPaths);
    noRegister = false;
    return true;
}

void GameObjectFactory::AddLevelListener(LevelListener* listener) {
    if (listener && std::find(listeners_.begin(), listeners_.end(), listener) == listeners_.end())
        listeners_.push_back(listener);
}

void GameObjectFactory::RemoveLevelListener(LevelListener* listener) {
    listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), listener), listeners_.end());
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
    if (Components* sprite = prototype->FirstComponentOfKind(kSpriteKind)) sprite->Hide();
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

void GameObjectFactory::ReleaseDestroyedObjects() {
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

void GameObjectFactory::UnloadLevel() {
    // Every caller that is inside a script call learns from here on that the level
    // it was walking is gone.
    epoch.Advance();
    for (auto& object : objectPool) {
        if (object->active) ++object->serial;
        object->active = false;
        object->ClearComponents();
    }
    liveObjects.clear();
    releaseQueue.clear();
    const std::vector<LevelListener*> listeners = listeners_;
    for (LevelListener* listener : listeners) listener->OnLevelUnloaded();
}

void GameObjectFactory::BuildGroup(const TiXmlElement& group, const std::string& file) {
    const std::string groupName = FirstAttribute(&group);
    const bool isButtonGroup = std::strcmp(group.Value(), "Button") == 0;
    const TiXmlElement* firstInstance = group.FirstChildElement();
    for (const TiXmlElement* instance = firstInstance; instance; instance = instance->NextSiblingElement()) {
        if (isButtonGroup) {
            GameObj* button = takeButton ? takeButton() : nullptr;
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
    const std::string previous = currentLevelPath;
    UnloadLevel();
    std::string path = requestedPath;
    const std::vector<LevelListener*> listeners = listeners_;
    for (LevelListener* listener : listeners) listener->OnLevelLoading(path);
    TiXmlDocument document;
    const bool read = LoadXmlFile(document, path);
    if (read) {
        currentLevelPath = path;
        std::cout << path << std::endl;
        for (LevelListener* listener : listeners) listener->OnLevelFileRead();
        if (const TiXmlElement* root = document.RootElement()) {
            size_t total = 0;
            for (const TiXmlElement* group = root->FirstChildElement(); group; group = group->NextSiblingElement())
                ++total;
            size_t built = 0;
            for (const TiXmlElement* group = root->FirstChildElement(); group; group = group->NextSiblingElement()) {
                BuildGroup(*group, path);
                ++built;
                for (LevelListener* listener : listeners) listener->OnLevelBuilding(built, total);
            }
        }
    } else if (path.empty()) {
        // A key the level-path table does not hold.
        std::cout << "Level not loaded: no path for it in " << kLevelPathsFile << std::endl;
    } else {
        std::cout << "Level not loaded: " << DescribeXmlError(document, path) << std::endl;
    }
    // The game logic starts the new level's scripts here; one of them may load yet
    // another level, after which the remaining listeners have nothing left to do.
    const uint64_t level = epoch.Current();
    for (LevelListener* listener : listeners) {
        if (epoch.Current() != level) break;
        listener->OnLevelLoaded();
    }
    if (!read && epoch.Current() == level) RecoverFromFailedLoad(path.empty() ? kLevelPathsFile : path, previous);
}

void GameObjectFactory::RecoverFromFailedLoad(const std::string& missing, const std::string& previous) {
    // The loading screen only ever leads to the title: failing to leave it, or to
    // start at all, leaves nothing to play.
    if (previous.empty() || previous == kLoadingScreenPath || recovering_) {
        std::cout << "Cannot go on without " << missing << std::endl;
        Message quit(kQuitMessage);
        if (Core::instance) Core::instance->BroadcastMessage(&quit);
        return;
    }
    std::cout << "Back to " << previous << std::endl;
    recovering_ = true;
    LoadLevel(previous);
    recovering_ = false;
}

bool GameObjectFactory::LevelKeyLoadable(const std::string& key, std::string* why) const {
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
        // Nothing to stay in when the game has not started yet or is still on its
        // loading screen, which only ever leads on: that is the end of the road.
        if (currentLevelPath.empty() || currentLevelPath == kLoadingScreenPath) {
            auto it = levelPaths.find(key);
            RecoverFromFailedLoad(it == levelPaths.end() ? kLevelPathsFile : it->second, currentLevelPath);
            return false;
        }
        std::cout << "Staying in " << (currentLevelPath.empty() ? "this level" : currentLevelPath) << ": " << why
                  << std::endl;
        return false;
    }
    const std::string path = levelPaths.at(key);  // copied: the new level's scripts may change the table
    LoadLevel(path);
    return true;
}

}  // namespace Engine

#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/system.h"
#include "objects/game_obj.h"
#include "objects/level_epoch.h"
#include "objects/live_objects.h"

class TiXmlElement;

namespace Engine {

class LevelListener;

// Owns the object pool, the archetype prototypes, the current level's object lists,
// the level-path table and the level epoch, and turns archetype and level files
// into objects. What a level change means for the systems above (physics lists,
// layers, script containers, buttons) they do as level listeners.
class GameObjectFactory : public System, public LiveObjectSource {
public:
    static constexpr size_t kObjectPoolSize = 2100;
    static constexpr const char* kLevelPathsFile = "MapData//LevelPaths.xml";
    static constexpr const char* kLoadingScreenPath = "MapData//LoadingScreen.xml";

    GameObjectFactory();
    // Writes the level-path table back, then frees the pool and the prototypes.
    ~GameObjectFactory() override;
    bool Initialize() override;
    void Update(float) override {}

    static GameObjectFactory* instance;

    // Reads "Objects\<fileName>" into a prototype; the first archetype of a name wins.
    void LoadArchetype(const std::string& fileName);
    // A pooled copy of the archetype at (x, y), or null.
    GameObj* SpawnArchetype(const std::string& name, float x, float y);
    void UnloadLevel();
    // Loads the level file. One that cannot be read is reported and the level that
    // was running is loaded again, so the game never sits in an empty world; when
    // there is nothing to go back to (the first level, the loading screen, or the
    // level gone back to fails too) the game stops with one line naming the file.
    void LoadLevel(const std::string& path);
    // Loads the level the level-path table lists under `key`. A key that is not
    // in the table, or whose file cannot be read as a level, prints one line and
    // keeps the current level: no caller ever lands in an empty scene by mistake.
    bool LoadLevelByKey(const std::string& key);
    // Whether `key` is in the level-path table and its file reads as XML.
    bool LevelKeyLoadable(const std::string& key, std::string* why = nullptr) const;

    GameObj* Archetype(const std::string& name) const;
    // The first object of the current level carrying `name`, or null. Pooled
    // objects keep their names after release, so only handed-out ones count.
    GameObj* FindLive(const std::string& name) const;

    // Releases every queued object: inactive, out of the live list, components cleared.
    void ReleaseDestroyedObjects();

    // Called in registration order on every unload and load (the wiring registers).
    void AddLevelListener(LevelListener* listener);
    void RemoveLevelListener(LevelListener* listener);

    const std::vector<GameObj*>& LiveObjects() const override { return liveObjects; }

    std::map<std::string, std::unique_ptr<GameObj>> archetypes;
    std::string currentLevelPath;
    std::vector<std::unique_ptr<GameObj>> objectPool;

    // Objects handed out since the last level load, in hand-out order.
    std::vector<GameObj*> liveObjects;
    // Objects waiting for the end-of-step release.
    std::vector<GameObj*> releaseQueue;
    // While set, new components stay out of the systems' lists (prototypes,
    // snapshots); set until Initialize and again from destruction on.
    bool noRegister = true;
    // Level key -> level file path, read at start and written back at exit.
    std::map<std::string, std::string> levelPaths;
    // Where the level-path table is read from at start, and written back to at exit.
    std::string levelPathsReadPath = kLevelPathsFile;
    std::string levelPathsWritePath = "MapData/LevelPaths.xml";
    // The level counter and the components retired during script calls.
    LevelEpoch epoch;
    // Hands out a pooled button for a level's "Button" groups; set by the game logic,
    // which owns the buttons. Without it button groups are skipped.
    std::function<GameObj*()> takeButton;

private:
    void BuildGroup(const TiXmlElement& group, const std::string& file);
    GameObj* TakeFreeObject();

    std::vector<LevelListener*> listeners_;

    // Loads `previous` again after a level could not be read, or stops the game.
    void RecoverFromFailedLoad(const std::string& missing, const std::string& previous);
    bool recovering_ = false;
};

// Whether a component made now files itself with its system: there is a factory
// and it does not hold registration back.
bool RegisteringComponents();

}  // namespace Engine

#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/system.h"
#include "objects/game_obj.h"

class TiXmlElement;

namespace Engine {

class Buttons;
namespace graphics {
class Camera;
}

// Owns the object and button pools, the archetype prototypes and the main camera,
// and turns archetype and level files into objects.
class GameObjectFactory : public System {
public:
    static constexpr size_t kObjectPoolSize = 2100;
    static constexpr size_t kButtonPoolSize = 128;
    static constexpr size_t kParticlePoolSize = 30000;
    static constexpr const char* kLevelPathsFile = "MapData//LevelPaths.xml";
    static constexpr const char* kLoadingScreenPath = "MapData//LoadingScreen.xml";

    GameObjectFactory();
    ~GameObjectFactory() override;
    bool Initialize() override;
    void Update(float) override {}

    static GameObjectFactory* instance;

    // Reads "Objects\<fileName>" into a prototype; the first archetype of a name wins.
    void LoadArchetype(const std::string& fileName);
    // A pooled copy of the archetype at (x, y), or null.
    GameObj* SpawnArchetype(const std::string& name, float x, float y);
    // A free pooled button with a sprite and a caption, or null.
    Buttons* TakeButton();
    void UnloadLevel();
    void LoadLevel(const std::string& path);
    // Loads the level the level-path table lists under `key`. A key that is not
    // in the table, or whose file cannot be read as a level, prints one line and
    // keeps the current level: no caller ever lands in an empty scene by mistake.
    bool LoadLevelByKey(const std::string& key);
    // Whether `key` is in the level-path table and its file reads as XML.
    static bool LevelKeyLoadable(const std::string& key, std::string* why = nullptr);

    GameObj* Archetype(const std::string& name) const;
    // The first object of the current level carrying `name`, or null. Pooled
    // objects keep their names after release, so only handed-out ones count.
    GameObj* FindLive(const std::string& name) const;

    bool levelChanged = false;
    std::map<std::string, std::unique_ptr<GameObj>> archetypes;
    std::string currentLevelPath;

    std::vector<std::unique_ptr<GameObj>> objectPool;
    std::vector<std::unique_ptr<Buttons>> buttonPool;
    std::unique_ptr<graphics::Camera> camera;

private:
    void BuildGroup(const TiXmlElement& group, const std::string& file);
    GameObj* TakeFreeObject();
};

}  // namespace Engine

#pragma once

#include <deque>
#include <memory>
#include <string>

#include "core/system.h"
#include "logic/editor_snapshot.h"

namespace Engine {

class GameObj;
namespace graphics {
class CameraShake;
}

// Runs the game: the boot frame, both script passes, the buttons, pause and the
// time scale; takes dropped files; writes the level-path table back at exit.
class GameLogic : public System {
public:
    static constexpr size_t kUndoLimit = 20;

    GameLogic();
    ~GameLogic() override;
    void Update(float dt) override;
    void SendMessage(Message* message) override;

    // Keeps at most the 20 newest snapshots.
    void AddSnapshot(EditorSnapshot snapshot);

    static GameLogic* instance;

    bool paused = false;
    float timeScale = 1.0f;
    // The editor's snapshots, oldest first; emptied by every level unload.
    std::deque<EditorSnapshot> UndoHistory;
    // The screen shake scripts apply to the main camera.
    std::unique_ptr<graphics::CameraShake> cameraShake;

    bool boot = true;
    bool fullscreen = true;
    std::string lastDroppedImagePath;
    // Where the level-path table is written back at exit.
    std::string levelPathsWritePath = "MapData/LevelPaths.xml";
};

}  // namespace Engine

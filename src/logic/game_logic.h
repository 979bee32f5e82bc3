#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/system.h"
#include "logic/editor_snapshot.h"
#include "objects/level_listener.h"

namespace Engine {

class Buttons;
class GameObj;
class Scripts;
namespace graphics {
class CameraShake;
}

// Runs the game: the boot frame, both script passes, the buttons, pause and the
// time scale; takes dropped files. Owns the script containers' list, the button
// pool and the pause menu's how-to-play flag. As a level listener it starts every
// level's scripts and lets the old level's containers and buttons go.
class GameLogic : public System, public LevelListener {
public:
    static constexpr size_t kUndoLimit = 20;
    static constexpr size_t kButtonPoolSize = 128;

    GameLogic();
    ~GameLogic() override;
    // Fills the button pool.
    bool Initialize() override;
    void Update(float dt) override;
    // Dropped files; the window's focus message (a match pauses when focus goes).
    void SendMessage(Message* message) override;

    // Keeps at most the 20 newest snapshots.
    void AddSnapshot(EditorSnapshot snapshot);
    // A free pooled button with a sprite and a caption, or null.
    Buttons* TakeButton();

    // Level listener.
    void OnLevelUnloaded() override;
    void OnLevelLoading(std::string& path) override;
    void OnLevelLoaded() override;

    // Whether a level change is still pending for the next update pass (it then
    // ends after the first script of the first active container).
    bool LevelChangePending() const;

    static GameLogic* instance;

    bool paused = false;
    // Whether losing the window's focus pauses the loaded level: set by the level's
    // pause menu when it starts (a level with a match to pause), cleared by every unload.
    bool pauseOnFocusLoss = false;
    float timeScale = 1.0f;
    // The editor's snapshots, oldest first; emptied by every level unload.
    std::deque<EditorSnapshot> UndoHistory;
    // The screen shake scripts apply to the main camera.
    std::unique_ptr<graphics::CameraShake> cameraShake;
    // Every registered script container, in registration order.
    std::vector<Scripts*> scriptList;
    // The mouse buttons a level's "Button" groups take.
    std::vector<std::unique_ptr<Buttons>> buttonPool;
    // Whether the pause menu's how-to-play page is open. Only the "HowToPlayPause" and
    // "ReturnToPauseMenu" commands open and close it; while it is open the quit and
    // resume commands do nothing, so a click meant for the page cannot reach them.
    bool howToPlayOpen = false;

    bool boot = true;
    bool fullscreen = true;
    std::string lastDroppedImagePath;
    // Switches the window in or out of full screen; set by the wiring (the window
    // sits above the game logic). Without it the flag only changes.
    std::function<void(bool fullscreen)> applyFullscreen;
    // F1 and Alt+Enter: flips `fullscreen` and applies it.
    void ToggleFullscreen();
    // The display's vsync, kept with the player's settings; set by the wiring.
    bool vsync = true;
    std::function<void(bool vsync)> applyVsync;
    void SetVsync(bool on) {
        vsync = on;
        if (applyVsync) applyVsync(on);
    }

private:
    void UpdatePass(float dt);
    void AlwaysUpdatePass(float dt);
    void ButtonPass(float dt);
};

}  // namespace Engine

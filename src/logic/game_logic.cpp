#include "logic/game_logic.h"

#include "core/core.h"
#include "graphics/camera.h"
#include "graphics/graphics.h"
#include "input/input.h"
#include "input/virtual_keys.h"
#include "logic/buttons.h"
#include "logic/script_pass.h"
#include "logic/scripts.h"
#include "objects/game_object_factory.h"
#include "objects/level_paths.h"
#include "sound/sound.h"
#include "window/window.h"

namespace Engine {

GameLogic* GameLogic::instance = nullptr;

GameLogic::GameLogic() : cameraShake(std::make_unique<graphics::CameraShake>()) {
    instance = this;
    if (Core::instance) Core::instance->SetTimeScaleSource(&timeScale);
}

GameLogic::~GameLogic() {
    while (!scriptList.empty()) {
        Scripts* container = scriptList.front();
        // The container removes itself from the list; its object forgets it here.
        if (container->owner) {
            auto& components = container->owner->components;
            for (auto& component : components)
                if (component.get() == container) {
                    component.reset();
                    break;
                }
            container->owner->SortComponents();
            while (!components.empty() && !components.back()) components.pop_back();
        } else {
            scriptList.erase(scriptList.begin());
        }
    }
    UndoHistory.clear();
    WriteLevelPaths(levelPathsWritePath, levelPaths);
    if (Core::instance) Core::instance->SetTimeScaleSource(nullptr);
    if (instance == this) instance = nullptr;
}

void GameLogic::AddSnapshot(EditorSnapshot snapshot) {
    if (UndoHistory.size() >= kUndoLimit) UndoHistory.pop_front();
    UndoHistory.push_back(std::move(snapshot));
}

void GameLogic::Update(float dt) {
    if (graphics::Graphics* g = graphics::Graphics::instance) g->BeginOverlayFrame();
    GameObjectFactory* factory = GameObjectFactory::instance;
    if (boot) {
        if (factory) factory->LoadLevel(levelPaths["LoadingScreen"]);
        boot = false;
        if (fullscreen && Window::instance) Window::instance->EnterFullscreen();
        return;
    }
    {
        ScriptCallGuard guard;
        if (!scriptList.empty() && !paused) {
            for (size_t i = 0; i < scriptList.size(); ++i) {
                Scripts* container = scriptList[i];
                if (!container->owner || !container->owner->active) continue;
                container->Update(dt);
                if (factory && factory->levelChanged) {
                    factory->levelChanged = false;
                    break;
                }
            }
        }
        for (size_t i = 0; i < scriptList.size(); ++i) {
            Scripts* container = scriptList[i];
            if (container->owner && container->owner->active) container->AlwaysUpdate(dt);
        }
        if (factory)
            for (size_t i = 0; i < factory->buttonPool.size(); ++i)
                if (factory->buttonPool[i]->active) factory->buttonPool[i]->Update(dt);
    }
    if (Input::instance && Input::instance->IsKeyTriggered(VK_F1)) {
        fullscreen = !fullscreen;
        if (Window::instance) {
            if (fullscreen)
                Window::instance->EnterFullscreen();
            else
                Window::instance->LeaveFullscreen();
        }
    }
}

void GameLogic::SendMessage(Message* message) {
    if (message->id != kFileDraggedMessage) return;
    const std::string& path = static_cast<FileDraggedMessage*>(message)->path;
    const size_t dot = path.find_last_of('.');
    const std::string extension = dot == std::string::npos ? path : path.substr(dot + 1);
    if (extension == "png" || extension == "PNG") {
        lastDroppedImagePath = path;
    } else if (extension == "ogg" || extension == "OGG" || extension == "WAV" || extension == "wav") {
        if (Sound::instance) Sound::instance->SendMessage(message);
    }
}

}  // namespace Engine

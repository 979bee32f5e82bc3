#include "logic/game_logic.h"

#include <algorithm>

#include "core/core.h"
#include "core/editor_mode.h"
#include "graphics/camera.h"
#include "graphics/graphics.h"
#include "graphics/label.h"
#include "graphics/renderable2d.h"
#include "input/input.h"
#include "input/virtual_keys.h"
#include "logic/buttons.h"
#include "logic/scripts.h"
#include "objects/game_object_factory.h"
#include "objects/level_epoch.h"
#include "sound/sound.h"

namespace Engine {

GameLogic* GameLogic::instance = nullptr;

GameLogic::GameLogic() : cameraShake(std::make_unique<graphics::CameraShake>()) {
    instance = this;
    if (Core::instance) Core::instance->SetTimeScaleSource(&timeScale);
}

GameLogic::~GameLogic() {
    for (auto& button : buttonPool) button->Release();
    buttonPool.clear();
    while (!scriptList.empty()) {
        Scripts* container = scriptList.front();
        // The container leaves the list as its object lets it go.
        if (container->owner) {
            auto& components = container->owner->components;
            for (auto& component : components)
                if (component.get() == container) {
                    component.reset();
                    break;
                }
            container->owner->SortComponents();
            while (!components.empty() && !components.back()) components.pop_back();
        }
        scriptList.erase(std::remove(scriptList.begin(), scriptList.end(), container), scriptList.end());
    }
    UndoHistory.clear();
    if (Core::instance) Core::instance->SetTimeScaleSource(nullptr);
    if (instance == this) instance = nullptr;
}

bool GameLogic::Initialize() {
    if (!buttonPool.empty()) return true;
    buttonPool.reserve(kButtonPoolSize);
    for (size_t i = 0; i < kButtonPoolSize; ++i) {
        buttonPool.push_back(std::make_unique<Buttons>());
        buttonPool.back()->id = static_cast<int32_t>(i);
    }
    return true;
}

void GameLogic::AddSnapshot(EditorSnapshot snapshot) {
    if (UndoHistory.size() >= kUndoLimit) UndoHistory.pop_front();
    UndoHistory.push_back(std::move(snapshot));
}

Buttons* GameLogic::TakeButton() {
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

void GameLogic::OnLevelUnloaded() {
    timeScale = 1.0f;
    pauseOnFocusLoss = false;
    for (auto& button : buttonPool) button->Release();
    UndoHistory.clear();
    scriptList.clear();
}

void GameLogic::OnLevelLoading(std::string& path) {
    // The first frame's load always shows the loading screen.
    if (boot) path = GameObjectFactory::kLoadingScreenPath;
}

void GameLogic::OnLevelLoaded() {
    if (EditorMode()) return;
    // Containers appended by Init (spawns) are started by Spawn itself; an Init that
    // loads another level ends this level's start-up.
    const std::vector<Scripts*> containers = scriptList;
    ScriptCallScope scope;
    for (Scripts* container : containers) {
        if (scope.LevelChanged()) break;
        container->Init();
    }
}

bool GameLogic::LevelChangePending() const {
    const GameObjectFactory* factory = GameObjectFactory::instance;
    return factory && factory->epoch.LevelChangePending();
}

void GameLogic::UpdatePass(float dt) {
    if (scriptList.empty() || paused) return;
    // A level loaded inside ends the pass, and so does one loaded since the pass
    // last ran (after the first script that sees it).
    ScriptCallScope scope(ScriptCallScope::Since::kAcknowledged);
    for (size_t i = 0; i < scriptList.size(); ++i) {
        Scripts* container = scriptList[i];
        if (!container->owner || !container->owner->active) continue;
        container->Update(dt);
        if (scope.LevelChanged()) {
            if (GameObjectFactory* factory = GameObjectFactory::instance) factory->epoch.Acknowledge();
            return;
        }
    }
}

void GameLogic::AlwaysUpdatePass(float dt) {
    // The list is the level's; once a level was loaded inside, the rest belongs to
    // the new level, which starts with the next frame.
    ScriptCallScope scope;
    for (size_t i = 0; i < scriptList.size() && !scope.LevelChanged(); ++i) {
        Scripts* container = scriptList[i];
        if (container->owner && container->owner->active) container->AlwaysUpdate(dt);
    }
}

void GameLogic::ButtonPass(float dt) {
    // A command that loads a level ends the pass: the new level's buttons wait for
    // the next frame rather than taking the same click.
    ScriptCallScope scope;
    for (size_t i = 0; i < buttonPool.size() && !scope.LevelChanged(); ++i)
        if (buttonPool[i]->active) buttonPool[i]->Update(dt);
}

void GameLogic::Update(float dt) {
    if (graphics::Graphics* g = graphics::Graphics::instance) g->BeginOverlayFrame();
    GameObjectFactory* factory = GameObjectFactory::instance;
    if (boot) {
        if (factory) factory->LoadLevel(factory->levelPaths["LoadingScreen"]);
        boot = false;
        if (fullscreen && applyFullscreen) applyFullscreen(true);
        // The GL context exists now; the kept choice replaces the graphics' default.
        if (applyVsync) applyVsync(vsync);
        return;
    }
    UpdatePass(dt);
    AlwaysUpdatePass(dt);
    ButtonPass(dt);
    if (Input::instance && Input::instance->IsKeyTriggered(VK_F1)) ToggleFullscreen();
}

void GameLogic::ToggleFullscreen() {
    fullscreen = !fullscreen;
    if (applyFullscreen) applyFullscreen(fullscreen);
}

void GameLogic::SendMessage(Message* message) {
    if (message->id == kFocusMessage) {
        // Losing focus in a match pauses it; nothing else pauses and nothing resumes.
        if (!static_cast<FocusMessage*>(message)->focused && pauseOnFocusLoss) paused = true;
        return;
    }
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

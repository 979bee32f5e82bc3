#include "logic/button_commands.h"

#include <iostream>

#include "core/core.h"
#include "logic/buttons.h"
#include "logic/game_logic.h"
#include "objects/game_object_factory.h"

namespace Engine {

namespace {

constexpr uint32_t kShownColor = 0xFFFFFFFF;
constexpr uint32_t kHiddenColor = 0x00FFFFFF;

// The first pooled button carrying `name`, in use or not.
GameObj* FindButton(const std::string& name) {
    GameLogic* logic = GameLogic::instance;
    if (!logic) return nullptr;
    for (const auto& button : logic->buttonPool)
        if (button->name == name) return button.get();
    return nullptr;
}

GameObj* FindLevelObject(const std::string& name) {
    GameObjectFactory* factory = GameObjectFactory::instance;
    return factory ? factory->FindLive(name) : nullptr;
}

}  // namespace

void LoadLevelCommand::Execute() {
    if (GameObjectFactory* factory = GameObjectFactory::instance) factory->LoadLevelByKey(levelKey);
}
REGISTER_BUTTON_COMMAND("LoadLevelMainMenu", LoadMainMenu);
REGISTER_BUTTON_COMMAND("LoadLevelLevel1", LoadLevel1);
REGISTER_BUTTON_COMMAND("LoadToOption", LoadToOption);
REGISTER_BUTTON_COMMAND("LoadToCredits", LoadToCredits);
REGISTER_BUTTON_COMMAND("LoadToCutScene", LoadToCutScene);
REGISTER_BUTTON_COMMAND("HowToPlay", HowToPlayScene);

void PauseTheGame::Execute() {
    target = FindButton("Resume");
    SetColor(target, kShownColor);
    SetColor(button, kHiddenColor);
}
REGISTER_BUTTON_COMMAND("PauseGame", PauseTheGame);

void ResumeGame::Execute() {
    target = FindButton("Pause");
    SetColor(target, kShownColor);
}
REGISTER_BUTTON_COMMAND("ResumeGame", ResumeGame);

namespace {

bool HowToPlayOpen() { return GameLogic::instance && GameLogic::instance->howToPlayOpen; }

void SetHowToPlayOpen(bool open) {
    if (GameLogic::instance) GameLogic::instance->howToPlayOpen = open;
}

}  // namespace

void QuitGame::Execute() {
    if (HowToPlayOpen()) return;
    if (Core::instance) Core::instance->active = false;
}
REGISTER_BUTTON_COMMAND("QuitGame", QuitGame);

void PauseMenuResumeGame::Execute() {
    if (HowToPlayOpen()) return;
    if (GameLogic::instance) GameLogic::instance->paused = false;
}
REGISTER_BUTTON_COMMAND("PauseMenuResumeGame", PauseMenuResumeGame);

void HowToPlay::Execute() {
    if (HowToPlayOpen()) return;
    target = FindLevelObject("HowToPlayScreen");
    if (!target) return;
    SetColor(target, kShownColor);
    SetColor(FindButton("BackToPauseMenu"), kShownColor);
    SetHowToPlayOpen(true);
}
REGISTER_BUTTON_COMMAND("HowToPlayPause", HowToPlay);

void ReturnToPauseMenu::Execute() {
    if (!HowToPlayOpen() || !FindLevelObject("PauseMenu")) return;
    SetColor(button, kHiddenColor);
    target = FindLevelObject("HowToPlayScreen");
    SetColor(target, kHiddenColor);
    SetHowToPlayOpen(false);
}
REGISTER_BUTTON_COMMAND("ReturnToPauseMenu", ReturnToPauseMenu);

}  // namespace Engine

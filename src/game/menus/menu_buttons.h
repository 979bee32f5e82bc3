#pragma once
// The commands a menu's mouse buttons name in the level files: the six that
// open a screen by its level key, and "QuitGame".

#include <string>
#include <utility>

#include "api/buttons.h"

namespace MenuButtons {

// Loads the level the level-path table lists under `levelKey`.
class LoadLevelCommand : public Engine::ButtonFunction {
public:
    explicit LoadLevelCommand(std::string key) : levelKey(std::move(key)) {}
    void Execute() override;
    std::string levelKey;
};

// "LoadLevelMainMenu"
class LoadMainMenu : public Engine::ButtonFunctionBase<LoadMainMenu, LoadLevelCommand> {
public:
    LoadMainMenu();
};
// "LoadLevelLevel1"
class LoadLevel1 : public Engine::ButtonFunctionBase<LoadLevel1, LoadLevelCommand> {
public:
    LoadLevel1();
};
// "LoadToOption"
class LoadToOption : public Engine::ButtonFunctionBase<LoadToOption, LoadLevelCommand> {
public:
    LoadToOption();
};
// "LoadToCredits"
class LoadToCredits : public Engine::ButtonFunctionBase<LoadToCredits, LoadLevelCommand> {
public:
    LoadToCredits();
};
// "LoadToCutScene"
class LoadToCutScene : public Engine::ButtonFunctionBase<LoadToCutScene, LoadLevelCommand> {
public:
    LoadToCutScene();
};
// "HowToPlay": the how-to-play level, not the pause menu's page.
class HowToPlayScene : public Engine::ButtonFunctionBase<HowToPlayScene, LoadLevelCommand> {
public:
    HowToPlayScene();
};

// "QuitGame": the program ends after this frame, unless the how-to-play page is open.
class QuitGame : public Engine::ButtonFunctionBase<QuitGame> {
public:
    void Execute() override;
};

}  // namespace MenuButtons

#pragma once
// The commands a menu's mouse buttons name in the level files: the six that
// open a screen by its level key, and "QuitGame".

#include <memory>
#include <string>

#include "api/buttons.h"

namespace MenuButtons {

// Loads the level the level-path table lists under `levelKey`.
class LoadLevelCommand : public Engine::ButtonFunction {
public:
    explicit LoadLevelCommand(std::string key) : levelKey(std::move(key)) {}
    void Execute() override;
    std::string levelKey;
};

// Gives a level command class its Clone, as ButtonFunctionBase does for the others.
template <class Derived>
class LoadLevelCommandBase : public LoadLevelCommand {
public:
    using LoadLevelCommand::LoadLevelCommand;
    std::unique_ptr<Engine::ButtonFunction> Clone(Engine::GameObj* owner) const override {
        auto copy = std::make_unique<Derived>(static_cast<const Derived&>(*this));
        copy->button = owner;
        copy->target = nullptr;
        return copy;
    }
};

// "LoadLevelMainMenu"
class LoadMainMenu : public LoadLevelCommandBase<LoadMainMenu> {
public:
    LoadMainMenu();
};
// "LoadLevelLevel1"
class LoadLevel1 : public LoadLevelCommandBase<LoadLevel1> {
public:
    LoadLevel1();
};
// "LoadToOption"
class LoadToOption : public LoadLevelCommandBase<LoadToOption> {
public:
    LoadToOption();
};
// "LoadToCredits"
class LoadToCredits : public LoadLevelCommandBase<LoadToCredits> {
public:
    LoadToCredits();
};
// "LoadToCutScene"
class LoadToCutScene : public LoadLevelCommandBase<LoadToCutScene> {
public:
    LoadToCutScene();
};
// "HowToPlay": the how-to-play level, not the pause menu's page.
class HowToPlayScene : public LoadLevelCommandBase<HowToPlayScene> {
public:
    HowToPlayScene();
};

// "QuitGame": the program ends after this frame, unless the how-to-play page is open.
class QuitGame : public Engine::ButtonFunctionBase<QuitGame> {
public:
    void Execute() override;
};

}  // namespace MenuButtons

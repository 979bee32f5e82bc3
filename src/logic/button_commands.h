#pragma once
// The twelve commands a level file can give a button by name (see ButtonCommands).

#include <string>

#include "logic/button_function.h"

namespace Engine {

// Loads the level the level-path table lists under `levelKey`.
class LoadLevelCommand : public ButtonFunction {
public:
    explicit LoadLevelCommand(std::string key) : levelKey(std::move(key)) {}
    void Execute() override;
    std::string levelKey;
};

template <class Derived>
class LoadLevelCommandBase : public LoadLevelCommand {
public:
    using LoadLevelCommand::LoadLevelCommand;
    std::unique_ptr<ButtonFunction> Clone(GameObj* owner) const override {
        auto copy = std::make_unique<Derived>(static_cast<const Derived&>(*this));
        copy->button = owner;
        copy->target = nullptr;
        return copy;
    }
};

// "LoadLevelMainMenu"
class LoadMainMenu : public LoadLevelCommandBase<LoadMainMenu> {
public:
    LoadMainMenu() : LoadLevelCommandBase("MainMenu") {}
};
// "LoadLevelLevel1"
class LoadLevel1 : public LoadLevelCommandBase<LoadLevel1> {
public:
    LoadLevel1() : LoadLevelCommandBase("Level1") {}
};
// "LoadToOption"
class LoadToOption : public LoadLevelCommandBase<LoadToOption> {
public:
    LoadToOption() : LoadLevelCommandBase("OptionLevel") {}
};
// "LoadToCredits"
class LoadToCredits : public LoadLevelCommandBase<LoadToCredits> {
public:
    LoadToCredits() : LoadLevelCommandBase("CreditsLevel") {}
};
// "LoadToCutScene"
class LoadToCutScene : public LoadLevelCommandBase<LoadToCutScene> {
public:
    LoadToCutScene() : LoadLevelCommandBase("LevelSelector") {}
};
// "HowToPlay": the how-to-play level, not the pause menu's page.
class HowToPlayScene : public LoadLevelCommandBase<HowToPlayScene> {
public:
    HowToPlayScene() : LoadLevelCommandBase("HowToPlay") {}
};

// "PauseGame": shows the "Resume" button and hides its own.
class PauseTheGame : public ButtonFunctionBase<PauseTheGame> {
public:
    void Execute() override;
};
// "ResumeGame": shows the "Pause" button.
class ResumeGame : public ButtonFunctionBase<ResumeGame> {
public:
    void Execute() override;
};
// "QuitGame": the program ends after this frame, unless the how-to-play page is open.
class QuitGame : public ButtonFunctionBase<QuitGame> {
public:
    void Execute() override;
};
// "PauseMenuResumeGame": unpauses, unless the how-to-play page is open.
class PauseMenuResumeGame : public ButtonFunctionBase<PauseMenuResumeGame> {
public:
    void Execute() override;
};
// "HowToPlayPause": opens the pause menu's how-to-play page ("HowToPlayScreen").
class HowToPlay : public ButtonFunctionBase<HowToPlay> {
public:
    void Execute() override;
};
// "ReturnToPauseMenu": closes the page again, in a level with a "PauseMenu".
class ReturnToPauseMenu : public ButtonFunctionBase<ReturnToPauseMenu> {
public:
    void Execute() override;
};

}  // namespace Engine

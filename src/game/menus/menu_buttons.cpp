#include "game/menus/menu_buttons.h"

#include "api/script_api.h"

namespace MenuButtons {

namespace {
// Declared before the registrations below: each prototype copies its key when
// it is built at start-up.
const api::LevelKey kMainMenu{"MainMenu"};
const api::LevelKey kLevel1{"Level1"};
const api::LevelKey kOptions{"OptionLevel"};
const api::LevelKey kCredits{"CreditsLevel"};
const api::LevelKey kLevelSelector{"LevelSelector"};
const api::LevelKey kHowToPlay{"HowToPlay"};
}  // namespace

void LoadLevelCommand::Execute() { api::LoadLevel(levelKey); }

LoadMainMenu::LoadMainMenu() : ButtonFunctionBase(kMainMenu) {}
LoadLevel1::LoadLevel1() : ButtonFunctionBase(kLevel1) {}
LoadToOption::LoadToOption() : ButtonFunctionBase(kOptions) {}
LoadToCredits::LoadToCredits() : ButtonFunctionBase(kCredits) {}
LoadToCutScene::LoadToCutScene() : ButtonFunctionBase(kLevelSelector) {}
HowToPlayScene::HowToPlayScene() : ButtonFunctionBase(kHowToPlay) {}

REGISTER_BUTTON_COMMAND("LoadLevelMainMenu", LoadMainMenu);
REGISTER_BUTTON_COMMAND("LoadLevelLevel1", LoadLevel1);
REGISTER_BUTTON_COMMAND("LoadToOption", LoadToOption);
REGISTER_BUTTON_COMMAND("LoadToCredits", LoadToCredits);
REGISTER_BUTTON_COMMAND("LoadToCutScene", LoadToCutScene);
REGISTER_BUTTON_COMMAND("HowToPlay", HowToPlayScene);

void QuitGame::Execute() {
    if (api::HowToPlayOpen()) return;
    api::Quit();
}
REGISTER_BUTTON_COMMAND("QuitGame", QuitGame);

}  // namespace MenuButtons

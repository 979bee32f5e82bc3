#include "game/pause/pause_buttons.h"

#include <cstdint>

#include "api/script_api.h"

namespace PauseButtons {

namespace {
const api::ObjectName kPauseButton{"Pause"};
const api::ObjectName kResumeButton{"Resume"};
const api::ObjectName kBackButton{"BackToPauseMenu"};
const api::ObjectName kHowToPlayPage{"HowToPlayScreen"};
const api::ObjectName kPauseMenu{"PauseMenu"};

constexpr uint32_t kShownColor = 0xFFFFFFFF;
constexpr uint32_t kHiddenColor = 0x00FFFFFF;
}  // namespace

void PauseTheGame::Execute() {
    target = api::FindButton(kResumeButton);
    api::SetColor(target, kShownColor);
    api::SetColor(button, kHiddenColor);
}
REGISTER_BUTTON_COMMAND("PauseGame", PauseTheGame);

void ResumeGame::Execute() {
    target = api::FindButton(kPauseButton);
    api::SetColor(target, kShownColor);
}
REGISTER_BUTTON_COMMAND("ResumeGame", ResumeGame);

void PauseMenuResumeGame::Execute() {
    if (api::HowToPlayOpen()) return;
    api::SetPaused(false);
}
REGISTER_BUTTON_COMMAND("PauseMenuResumeGame", PauseMenuResumeGame);

void HowToPlay::Execute() {
    if (api::HowToPlayOpen()) return;
    target = api::Find(kHowToPlayPage);
    if (!target) return;
    api::SetColor(target, kShownColor);
    api::SetColor(api::FindButton(kBackButton), kShownColor);
    api::SetHowToPlayOpen(true);
}
REGISTER_BUTTON_COMMAND("HowToPlayPause", HowToPlay);

void ReturnToPauseMenu::Execute() {
    if (!api::HowToPlayOpen() || !api::Find(kPauseMenu)) return;
    api::SetColor(button, kHiddenColor);
    target = api::Find(kHowToPlayPage);
    api::SetColor(target, kHiddenColor);
    api::SetHowToPlayOpen(false);
}
REGISTER_BUTTON_COMMAND("ReturnToPauseMenu", ReturnToPauseMenu);

}  // namespace PauseButtons

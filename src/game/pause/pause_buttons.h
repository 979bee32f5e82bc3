#pragma once
// The commands the pause menu's mouse buttons name in the level files (the
// pause menu part, MapData/Parts/PauseMenu.xml): the "Pause" and "Resume"
// buttons, and opening and closing the how-to-play page over the menu.

#include "api/buttons.h"

namespace PauseButtons {

// "PauseGame": shows the "Resume" button and hides its own.
class PauseTheGame : public Engine::ButtonFunctionBase<PauseTheGame> {
public:
    void Execute() override;
};
// "ResumeGame": shows the "Pause" button.
class ResumeGame : public Engine::ButtonFunctionBase<ResumeGame> {
public:
    void Execute() override;
};
// "PauseMenuResumeGame": unpauses, unless the how-to-play page is open.
class PauseMenuResumeGame : public Engine::ButtonFunctionBase<PauseMenuResumeGame> {
public:
    void Execute() override;
};
// "HowToPlayPause": opens the pause menu's how-to-play page ("HowToPlayScreen").
class HowToPlay : public Engine::ButtonFunctionBase<HowToPlay> {
public:
    void Execute() override;
};
// "ReturnToPauseMenu": closes the page again, in a level with a "PauseMenu".
class ReturnToPauseMenu : public Engine::ButtonFunctionBase<ReturnToPauseMenu> {
public:
    void Execute() override;
};

}  // namespace PauseButtons

#pragma once
// The older co-op title screen: five pooled buttons ("Start", "HowToPlay",
// "Credits", "Options", "Quit") walked with the arrow keys or the d-pad, the
// selected caption red. Confirming "Start" opens the choice between the objects
// "Coop2P" and "Coop4P"; confirming a mode stores the player count and opens
// the co-op picker, which reads that count. Confirming another entry runs its
// button's command as a click would; Escape or B goes back to the title.
// Without both mode objects the screen cannot work: the script says so once
// and stays idle.

#include <array>

#include "api/script_api.h"

class MainMenuBehaviour : public Engine::ScriptBase<MainMenuBehaviour> {
public:
    static constexpr uint32_t kSelectedColor = 0xFF0000FFu;  // opaque red
    static constexpr uint32_t kOtherColor = 0xFF000000u;     // opaque black
    static constexpr uint32_t kChosenModeColor = 0xFFFF0000u;
    static constexpr uint32_t kOtherModeColor = 0xFFFFFFFFu;
    static constexpr uint32_t kHiddenColor = 0x00000000u;
    static const std::array<const char*, 5> kButtonNames;

    using ScriptBase::ScriptBase;

    void Init() override;
    void Update(float dt) override;

    // False when the level lacks "Coop2P" or "Coop4P"; the script then does nothing.
    bool ready = false;
    int selection = 0;
    bool choosingMode = false;
    // 1 two players, 2 four players.
    int mode = 0;

private:
    void CollectButtons();
    void ColourButtons();
    void ColourModes();
    void UpdateMenu();
    void UpdateModeChoice();

    api::ObjectRef coop2_;
    api::ObjectRef coop4_;
    std::array<api::ObjectRef, 5> buttons_{};
    bool buttonsCollected_ = false;
    MenuPad pad_{1};
};

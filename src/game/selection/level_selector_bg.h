#pragma once
// The level selection's backdrop: follows the selector, and when the selector
// stands exactly on a level slot writes that level as the chosen one, lights
// its slot, dims the neighbours and restyles the screen (middle picture, the
// two players' title images, the level's name). F or pad A goes on to the
// versus screen; player 1's skill key (H) or pad X shows the level's info card.
// The foot line ("Hint") names these keys as player 1 has them bound.

#include <array>

#include "api/script_api.h"
#include "api/script_ref.h"
#include "game/menus/control_prompts.h"

class Transition;

class LevelSelectorBG : public Engine::ScriptBase<LevelSelectorBG> {
public:
    static constexpr uint32_t kLitColour = 0xFFFFFFFFu;
    static constexpr uint32_t kDimColour = 0xFF404040u;  // (64, 64, 64, 255)
    static constexpr uint32_t kHiddenColour = 0x00FFFFFFu;  // (255, 255, 255, 0)

    using ScriptBase::ScriptBase;

    void Init() override;
    void Update(float dt) override;

    bool infoShown = false;

private:
    void Restyle(size_t row);

    api::ScriptRef<Transition> wipe_;
    api::ObjectRef selector_;
    std::array<api::ObjectRef, 3> slots_;
    api::ObjectRef currentText_;
    api::ObjectRef redText_;
    api::ObjectRef blueText_;
    api::ObjectRef midGround_;
    api::ObjectRef infoScreen_;
    api::MenuInput menu_;
    ControlPrompts::HintLabel hint_;
    bool leaving_ = false;
};

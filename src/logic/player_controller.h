#pragma once

#include "input/gamepad.h"
#include "logic/scripts.h"

namespace Engine {

// Hands a bird the gamepad of player slot N and its team: a controller on an odd
// user index plays for team two. The bird's character script copies `gamepad`.
class PlayerController : public Scripts {
public:
    PlayerController(GameObj* owner, int slot);
    void Init() override;
    // Copies the slot's gamepad and sets the team flag of the team member on the
    // same object. Init does it; a script that needs the pad or the team in its
    // own Init calls it first, since a level file may list that script before
    // the controller. Doing it twice changes nothing.
    void HandOver();

    const int slot;
    Gamepad gamepad;
};

inline constexpr const char* kPlayerControllerNames[] = {"UPlayer1Controller", "UPlayer2Controller",
                                                        "UPlayer3Controller", "UPlayer4Controller"};

// The controller script of player slot N (1..4).
template <int N>
class PlayerSlotController : public PlayerController {
public:
    explicit PlayerSlotController(GameObj* owner = nullptr) : PlayerController(owner, N) {
        name = kPlayerControllerNames[N - 1];
    }
    Scripts* Clone(GameObj* owner) override { return new PlayerSlotController(owner); }
};

using UPlayer1Controller = PlayerSlotController<1>;
using UPlayer2Controller = PlayerSlotController<2>;
using UPlayer3Controller = PlayerSlotController<3>;
using UPlayer4Controller = PlayerSlotController<4>;

}  // namespace Engine

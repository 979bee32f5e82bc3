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

    const int slot;
    Gamepad gamepad;
};

class UPlayer1Controller : public PlayerController {
public:
    explicit UPlayer1Controller(GameObj* owner = nullptr) : PlayerController(owner, 1) { name = "UPlayer1Controller"; }
    Scripts* Clone(GameObj* owner) override { return new UPlayer1Controller(owner); }
};
class UPlayer2Controller : public PlayerController {
public:
    explicit UPlayer2Controller(GameObj* owner = nullptr) : PlayerController(owner, 2) { name = "UPlayer2Controller"; }
    Scripts* Clone(GameObj* owner) override { return new UPlayer2Controller(owner); }
};
class UPlayer3Controller : public PlayerController {
public:
    explicit UPlayer3Controller(GameObj* owner = nullptr) : PlayerController(owner, 3) { name = "UPlayer3Controller"; }
    Scripts* Clone(GameObj* owner) override { return new UPlayer3Controller(owner); }
};
class UPlayer4Controller : public PlayerController {
public:
    explicit UPlayer4Controller(GameObj* owner = nullptr) : PlayerController(owner, 4) { name = "UPlayer4Controller"; }
    Scripts* Clone(GameObj* owner) override { return new UPlayer4Controller(owner); }
};

}  // namespace Engine

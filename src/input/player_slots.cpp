#include "input/player_slots.h"

#include <array>

namespace Engine {

namespace {

// A function-local array: scripts' prototypes are built during static
// initialisation, possibly before a namespace-scope array would be.
std::array<Gamepad, kPlayerSlotCount>& Slots() {
    static std::array<Gamepad, kPlayerSlotCount> slots{Gamepad(1), Gamepad(2), Gamepad(3), Gamepad(4)};
    return slots;
}

}  // namespace

Gamepad* PlayerSlot(int playerNumber) {
    if (playerNumber < 1 || playerNumber > kPlayerSlotCount) return nullptr;
    return &Slots()[playerNumber - 1];
}

void ResetPlayerSlots() {
    for (int number = 1; number <= kPlayerSlotCount; ++number) Slots()[number - 1] = Gamepad(number);
}

bool PlaysForTeamTwo(const Gamepad& pad) { return pad.userIndex % 2 != 0; }

}  // namespace Engine

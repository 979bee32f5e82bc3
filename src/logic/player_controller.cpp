#include "logic/player_controller.h"

#include "input/player_slots.h"
#include "input/team_member.h"
#include "logic/script_registry.h"
#include "objects/game_obj.h"

namespace Engine {

PlayerController::PlayerController(GameObj* owner_, int slot_) : Scripts(owner_), slot(slot_), gamepad(slot_) {}

void PlayerController::Init() { HandOver(); }

void PlayerController::HandOver() {
    if (const Gamepad* assigned = PlayerSlot(slot)) gamepad = *assigned;
    Scripts* container = owner ? owner->GetScripts() : nullptr;
    if (!container) return;
    for (const auto& script : container->scripts)
        if (auto* member = dynamic_cast<TeamMember*>(script.get())) {
            member->team2Flag = PlaysForTeamTwo(gamepad);
            return;
        }
}

REGISTER_SCRIPT("UPlayer1Controller", UPlayer1Controller);
REGISTER_SCRIPT("UPlayer2Controller", UPlayer2Controller);
REGISTER_SCRIPT("UPlayer3Controller", UPlayer3Controller);
REGISTER_SCRIPT("UPlayer4Controller", UPlayer4Controller);

}  // namespace Engine

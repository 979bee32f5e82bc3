#include "game/foodcourt/player1_level2_behaviour.h"

#include "api/script_api.h"

REGISTER_SCRIPT("Player1Level2Behaviour", Player1Level2Behaviour);

namespace {
const api::ObjectName kLabel{"P1Score"};
}

const char* Player1Level2Behaviour::LabelName() const { return kLabel; }

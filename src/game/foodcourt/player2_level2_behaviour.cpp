#include "game/foodcourt/player2_level2_behaviour.h"

#include "api/script_api.h"

REGISTER_SCRIPT("Player2Level2Behaviour", Player2Level2Behaviour);

namespace {
const api::ObjectName kLabel{"P2Score"};
}

const char* Player2Level2Behaviour::LabelName() const { return kLabel; }

#include "game/round/score.h"

#include "api/script_api.h"

REGISTER_SCRIPT("Score", Score);

namespace {
const api::ObjectName kT1Score{"T1Score"};
const api::ObjectName kT2Score{"T2Score"};
}  // namespace

void Score::Init() {
    bonusObjectCount = 0;
    for (const char* name : {"B1", "B2", "B3", "B4"})
        if (api::GameObj* found = api::Find(name)) bonusObjects[static_cast<size_t>(bonusObjectCount++)] = found;
    team1Score = api::Find(kT1Score);
    team2Score = api::Find(kT2Score);
}

void Score::OnCollisionEnter(Engine::GameObj* other) {
    if (!other) return;
    if (other->name == "B1") bonus1Total += kBonus;
    if (other->name == "B2") bonus2Total += kBonus;
}

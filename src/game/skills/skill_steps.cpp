#include "game/skills/skill_steps.h"

#include "api/script_api.h"
#include "game/birds/individual_player_behaviour.h"
#include "game/birds/main_player_behaviour.h"

namespace skills {

MainPlayerBehaviour* BirdOf(const IndividualPlayerBehaviour& bird) { return bird.Bird(); }

void EndSkill(IndividualPlayerBehaviour& bird) {
    bird.skillElapsed = 0.0f;
    bird.skillStarted = false;
    bird.bombLaunched = false;
    if (MainPlayerBehaviour* main = bird.Bird()) main->skillRequested = false;
}

std::string OwnerName(const IndividualPlayerBehaviour& bird) {
    const Engine::GameObj* self = bird.Object();
    return self ? self->name : std::string();
}

}  // namespace skills

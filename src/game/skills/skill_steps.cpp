#include "game/skills/skill_steps.h"

#include "game/birds/individual_player_behaviour.h"
#include "game/birds/main_player_behaviour.h"

namespace skills {

void EndSkill(IndividualPlayerBehaviour& bird) {
    bird.skillElapsed = 0.0f;
    bird.skillStarted = false;
    bird.bombLaunched = false;
    if (MainPlayerBehaviour* main = bird.Bird()) main->skillRequested = false;
}

}  // namespace skills

#pragma once
// What every skill step does at its end, shared by the four skills.

class IndividualPlayerBehaviour;

namespace skills {

// The skill is over: its timer and flags clear and the bird may count its
// cooldown from now.
void EndSkill(IndividualPlayerBehaviour& bird);

}  // namespace skills

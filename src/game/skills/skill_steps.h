#pragma once
// What every skill step does at its start and end, shared by the four skills.

#include <string>

class IndividualPlayerBehaviour;
class MainPlayerBehaviour;

namespace skills {

// The bird's own behaviour, or null when the bird object lacks it.
MainPlayerBehaviour* BirdOf(const IndividualPlayerBehaviour& bird);
// The skill is over: its timer and flags clear and the bird may count its
// cooldown from now.
void EndSkill(IndividualPlayerBehaviour& bird);
// The bird's name, written into a skill object's owner field so that the
// object never harms its own bird.
std::string OwnerName(const IndividualPlayerBehaviour& bird);

}  // namespace skills

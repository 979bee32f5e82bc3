#pragma once
// Where each bird's skill reaches over its life, so a computer player fires it
// when it would meet its target: RoziDoro's two balls fly straight on at its
// beak's height, VadozaVaza's scream sits at its beak for a second,
// DovaDizavov's cannon ball falls away in an arc, and DoruZuvo's bomb sinks
// under it and swells into a cloud after a second. One rule ("something in
// line ahead") served the balls and wasted the other three.

#include <string>

#include "api/maths.h"

namespace ai {

enum class SkillShape { None, Balls, Scream, Cannon, Cloud };

// The skill of the bird its picture shows ("RoziDoro_Idle", "DoruZuvo_Flap",
// ...); None for a picture that names no bird.
SkillShape SkillShapeOf(const std::string& birdTexture);

// The bird its picture shows: 1 RoziDoro, 2 VadozaVaza, 3 DovaDizavov,
// 4 DoruZuvo; 0 for any other picture.
int BirdOfPicture(const std::string& texture);

// Something the skill may meet, seen from the bird: `ahead` and `velocity`
// with x counted the way the bird faces, `half` its half size.
struct SkillTarget {
    Engine::vec2 ahead;
    Engine::vec2 velocity;
    Engine::vec2 half;
};

// Whether the skill fired now meets the target moving on as it does;
// `birdHalfWidth` is half the bird's width (the scream sits at its beak).
bool SkillWouldMeet(SkillShape shape, float birdHalfWidth, const SkillTarget& target);

}  // namespace ai

#pragma once
// What the runner's scripts ask of the two birds, in one place: whether an
// object is a bird, whether a bird is protected, killing it, its score (the hit
// counter of its round companion) and holding it still at the end of the run.

#include <string>

#include "api/script_api.h"

namespace runner {

// "Player" or "Player2".
bool IsBird(const api::GameObj* object);
// The bird named by a projectile's `owner` ("Player" or "Player2"), or null.
api::GameObj* BirdNamed(const std::string& owner);
// Immune (power-up) or blinking invulnerable: harm passes it by.
bool IsProtected(const api::GameObj* bird);
bool IsDead(const api::GameObj* bird);
bool IsPecking(const api::GameObj* bird);
// Sets the bird's `dead` flag; the bird's own script does the rest.
void Kill(api::GameObj* bird);
// Kill plus a push downwards (-10 on the body's vertical force), as the hazards do.
void KillWithPush(api::GameObj* bird);
int Score(const api::GameObj* bird);
void AddScore(api::GameObj* bird, int amount);
// The score anchor of the bird: "P1Score" for "Player", "P2Score" for "Player2".
api::GameObj* ScoreAnchorOf(const api::GameObj* bird);
// No gravity, no motion, no controls: the birds at the end of the run.
void HoldStill(api::GameObj* bird);
void SetControlsLocked(api::GameObj* bird, bool locked);
void SetFacingRight(api::GameObj* bird, bool right);
// The walk-in from the left edge that the round companion runs once revealed.
void StartWalkIn(api::GameObj* bird);

}  // namespace runner

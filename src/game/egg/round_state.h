#pragma once
// What the egg level's spawners read of the round in play. The round
// (`GameMode` on "GameLevelSettings") implements it; the spawners find it by
// cross-cast, so they never depend on the round's own class.

#include "api/object_ref.h"

class RoundState {
public:
    virtual ~RoundState() = default;
    virtual float TimeLeft() const = 0;
    virtual float RoundTime() const = 0;
    // The bird defending the egg this round.
    virtual const api::ObjectRef& DefendingBird() const = 0;
};

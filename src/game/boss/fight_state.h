#pragma once
// The boss fight's shared state. It belongs to the boss level: the level's
// control script ("ZurododavadControl") owns it, so every boss level starts
// with a fight that has not begun, whatever an earlier level left behind.

#include <cstdint>

namespace boss {

struct FightState {
    bool started = false;     // the opening dialogue is over
    bool vulnerable = false;  // the fight phase has begun: the boss can be hurt
    int32_t orbCount = 0;     // energy orbs the boss has absorbed, 0 to kMaxOrbs
};

// The script that owns the fight (the level's control script implements it).
class FightOwner {
public:
    virtual ~FightOwner() = default;
    virtual FightState& OwnedFight() = 0;
};

// The loaded level's fight, or null outside a boss level.
FightState* Fight();
// The loaded level's fight to read: one that never began outside a boss level.
const FightState& FightNow();

}  // namespace boss

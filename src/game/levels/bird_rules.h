#pragma once
// How the birds play in a level: everything the bird's scripts do differently
// from one level to the next, as one column of the level table. A new level
// takes the rules of the level it plays like, or sets its own below.

namespace levels {

struct BirdRules {
    // Where a bird starts, and where it comes back after dying.
    enum class Start {
        Lanes,       // its lane at the left, (-12.5, 1.5) and (-12.5, -1.5); a respawn walks in from the left
        Corners,     // beside "Player1Corner" and "Player2Corner"; a respawn appears there
        ArenaSides,  // (-10, 2) and (10, 2), facing the middle; a respawn appears there
        Rounds,      // the egg rounds' rules on "GameLevelSettings" decide (the corners while they run)
    };

    Start start = Start::Lanes;
    bool flapsCostStamina = true;  // false where flying is free
    bool staminaBar = true;        // the heads-up stamina bar shows
    bool staminaWarning = false;   // the bar blinks when the stamina runs low
    bool teamIconByPlayer = false; // the team icon marks player one as the attacker, whatever the role
    bool holdAtStart = false;      // both birds stand still for two seconds at the start
    bool pecksScore = false;       // a landed peck scores a hit for the pecker
    bool leftEdgeKills = false;    // the left edge ("LeftBound") kills an unprotected bird
    bool arenaEdgesKill = false;   // the arena's bounds and laser belts kill an unprotected bird
    bool barrierPushes = false;    // the opponent's barrier pushes a bird back

    // A respawned bird walks in from the left edge.
    bool WalksIn() const { return start == Start::Lanes || start == Start::Rounds; }
};

// The egg rounds: corners, stamina that warns, roles on the team icons, barriers.
constexpr BirdRules EggRoundBirds() {
    BirdRules rules;
    rules.start = BirdRules::Start::Rounds;
    rules.staminaWarning = true;
    rules.barrierPushes = true;
    return rules;
}

// The food court and any level without rules of its own.
constexpr BirdRules PlainBirds() { return BirdRules{}; }

// The runner: free flight, no stamina bar, pecks score, the left edge kills.
constexpr BirdRules RunnerBirds() {
    BirdRules rules;
    rules.flapsCostStamina = false;
    rules.staminaBar = false;
    rules.teamIconByPlayer = true;
    rules.pecksScore = true;
    rules.leftEdgeKills = true;
    return rules;
}

// The boss fight: free flight from the arena's sides, whose edges kill.
constexpr BirdRules BossArenaBirds() {
    BirdRules rules;
    rules.start = BirdRules::Start::ArenaSides;
    rules.flapsCostStamina = false;
    rules.teamIconByPlayer = true;
    rules.arenaEdgesKill = true;
    return rules;
}

// The practice range: corners, and a short hold before the birds move.
constexpr BirdRules PracticeBirds() {
    BirdRules rules;
    rules.start = BirdRules::Start::Corners;
    rules.holdAtStart = true;
    return rules;
}

// The rules of the loaded level (the plain ones outside the table's levels).
const BirdRules& CurrentBirdRules();

}  // namespace levels

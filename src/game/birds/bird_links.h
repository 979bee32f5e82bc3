#pragma once
// What a bird needs from scripts that live in other parts of the game, as small
// interfaces those scripts implement next to their own fields. A bird finds them
// on objects by cross-cast (`api::ScriptOf<MatchRules>(object)`), so it never
// depends on the level's or the egg's own classes.
//
//   class GameMode : public Engine::ScriptBase<GameMode>, public MatchRules {
//       int32_t MatchMode() const override { return mode; }
//       bool InCountdown() const override { return countdown && !matchOver; }
//   };

#include <cstdint>

// The level's match rules, on "GameLevelSettings" (the egg level's `GameMode`).
class MatchRules {
public:
    virtual ~MatchRules() = default;
    // 1 while the egg rounds run.
    virtual int32_t MatchMode() const = 0;
    // While the countdown before a round runs, birds are held at their spawn points.
    virtual bool InCountdown() const = 0;
    bool EggMode() const { return MatchMode() == 1; }
};

// The egg a bird pecks and heals, on "Egg" (the egg's `EggBehaviour`).
class EggTarget {
public:
    virtual ~EggTarget() = default;
    virtual int32_t& EggHealth() = 0;
    virtual int32_t EggMaxHealth() const = 0;
    // Set by the pecking bird while the egg shows its hurt animation.
    virtual bool& EggShowingHit() = 0;
};

// Upgrades a bird picks up in the boss level (`ZurododavadPlayerBehaviour`).
class BirdUpgrades {
public:
    virtual ~BirdUpgrades() = default;
    // True once the upgrade was chosen and its bonuses rolled.
    virtual bool UpgradesReady() const = 0;
    virtual float StopwatchBonus() const = 0;
    virtual float PoopBonus() const = 0;
    virtual float SpeedBonus() const = 0;
    virtual bool UltimateTier() const = 0;
};

// Something a bird picks up that makes its ultimate ready at once (the egg
// level's ultimate bug, the practice range's "Ultimate" pickup).
class UltimateGiver {
public:
    virtual ~UltimateGiver() = default;
    virtual bool GrantsUltimate() const = 0;
};

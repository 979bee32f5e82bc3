#pragma once
// What the ultimates need from the boss of the boss level, as a small interface
// the boss script implements next to its own fields. The ultimates find it on
// "Level4Boss" by cross-cast, so they never depend on the boss's own class.
//
//   class ZurododavadBossBehaviour : public Engine::ScriptBase<ZurododavadBossBehaviour>,
//                                    public BossTarget {
//       bool Vulnerable() const override { return boss::FightNow().vulnerable; }
//       int32_t& Health() override { return bossHealth; }
//   };

#include <cstdint>

class BossTarget {
public:
    virtual ~BossTarget() = default;
    // Whether the boss can be damaged right now.
    virtual bool Vulnerable() const = 0;
    virtual int32_t& Health() = 0;
};

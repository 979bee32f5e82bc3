#pragma once
// What the ultimates do to the bosses, written once.

#include <cstdint>

namespace ultimates {

// In the boss level, while its boss ("Level4Boss") is vulnerable: takes `damage`
// off the boss's health. True when the boss took it.
bool DamageBoss(int32_t damage);
// Whether the current level has an object named "Boss" (the runner's boss).
bool RunnerBossPresent();

}  // namespace ultimates

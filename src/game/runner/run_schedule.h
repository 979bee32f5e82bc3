#pragma once
// The runner's spawn schedule: which archetype appears when and where, and when
// it may leave. Built once per run, in a fixed order, from the level's random
// source.

#include <string>
#include <vector>

#include "api/script_api.h"

namespace runner {

struct ScheduleEntry {
    std::string archetype;
    bool spawned = false;
    float spawnTime = 0.0f;
    api::vec2 position;
    api::ObjectRef object;
    float endTime = 0.0f;
    float entryClock = 0.0f;  // starts at the spawn time
};

// Where a scheduled object goes once its time is up and it is off screen.
constexpr float kScheduleParkX = 999.0f;
constexpr float kScheduleParkY = 999.0f;

// The whole run: sections, goal, debris rows, pipe and tunnel columns, the boss.
std::vector<ScheduleEntry> BuildSchedule();

}  // namespace runner

#include "game/runner/run_schedule.h"

namespace runner {

namespace {
const api::ArchetypeName kSection2{"L4Section2"};
const api::ArchetypeName kSection3{"L4Section3"};
const api::ArchetypeName kGoal{"L4Goal"};
const api::ArchetypeName kDebris{"L4Debris"};
const api::ArchetypeName kPipe{"L4Pipe"};
const api::ArchetypeName kTunnel{"L4Section1"};
const api::ArchetypeName kBoss{"Boss"};

float Uniform(float range) { return static_cast<float>(api::Rand()) * range / 32767.0f; }

void Add(std::vector<ScheduleEntry>& schedule, const char* archetype, float time, api::vec2 at, float end) {
    ScheduleEntry entry;
    entry.archetype = archetype;
    entry.spawnTime = time;
    entry.position = at;
    entry.endTime = end;
    entry.entryClock = time;
    schedule.push_back(std::move(entry));
}
}  // namespace

std::vector<ScheduleEntry> BuildSchedule() {
    std::vector<ScheduleEntry> schedule;
    Add(schedule, kSection2, 120.0f, {0.0f, 0.0f}, 160.0f);
    Add(schedule, kSection3, 180.0f, {0.0f, 0.0f}, 220.0f);
    Add(schedule, kGoal, 230.0f, {0.0f, 0.0f}, 9999.0f);
    for (int i = 0; i < 5; ++i) api::Rand();
    for (int k = 0; k < 10; ++k)
        Add(schedule, kDebris, 55.0f, {16.0f + 5.0f * static_cast<float>(k), 6.0f + Uniform(1.25f)}, 100.0f);
    for (int k = 0; k < 10; ++k)
        Add(schedule, kDebris, 55.0f, {16.0f + 5.0f * static_cast<float>(k), -8.5f + Uniform(2.5f)}, 100.0f);
    for (int k = 0; k < 20; ++k) {
        const float x = 16.0f + 23.0f * static_cast<float>(k);
        Add(schedule, kPipe, 120.0f, {x, 7.0f}, 160.0f);
        Add(schedule, kTunnel, 120.0f, {x, 0.0f}, 160.0f);
    }
    for (int k = 0; k < 20; ++k) Add(schedule, kPipe, 120.0f, {16.0f + 23.0f * static_cast<float>(k), -8.5f}, 160.0f);
    Add(schedule, kBoss, 180.0f, {476.0f, -8.5f}, 9999.0f);
    return schedule;
}

}  // namespace runner

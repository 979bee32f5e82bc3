#include "game/foodcourt/human_spawner.h"

#include <iostream>

#include "api/archetypes.h"
#include "api/script_api.h"
#include "game/foodcourt/food_court.h"
#include "game/foodcourt/human_customer_behaviour.h"

REGISTER_SCRIPT("HumanSpawner", HumanSpawner);

namespace {
const api::ObjectName kTable1{"Table1"};
const api::ObjectName kTable2{"Table2"};

}  // namespace

void HumanSpawner::Init() {
    archetypeFound_ = api::Archetype(FoodCourt::kCustomerArchetype) != nullptr;
    if (!archetypeFound_) std::cout << "HumanSpawner: no \"HumanCustomer\" archetype; no customers come" << std::endl;
    tables[0] = {api::Find(kTable1), false};
    tables[1] = {api::Find(kTable2), false};
    for (const Table& table : tables)
        if (!table.object) std::cout << "HumanSpawner: a table is missing; fewer customers come" << std::endl;
    customers = {};
    timer = kInterval;
    count = 0;
    maximum = 2;
}

void HumanSpawner::Update(float dt) {
    timer -= dt;
    if (timer <= 0.0f && count < maximum) SpawnCustomer();
}

void HumanSpawner::SpawnCustomer() {
    // Draw tables until a free one comes up; with none free nobody comes.
    bool anyFree = false;
    for (const Table& table : tables) anyFree = anyFree || (table.object && !table.occupied);
    if (!archetypeFound_ || !anyFree) {
        timer = kInterval;
        return;
    }
    size_t index = 0;
    do {
        index = static_cast<size_t>(api::Rand() % 2);
    } while (!tables[index].object || tables[index].occupied);

    const float y = api::Position(api::Archetype(FoodCourt::kCustomerArchetype)).y;
    api::GameObj* customer = api::Spawn(FoodCourt::kCustomerArchetype, kEntryX, y);
    if (auto* behaviour = api::ScriptOf<HumanCustomerBehaviour>(customer)) {
        behaviour->table = tables[index].object;
        behaviour->look = count % 2 + 1;
    }
    if (!customer) {
        timer = kInterval;
        return;
    }
    tables[index].occupied = true;
    if (static_cast<size_t>(count) < customers.size()) customers[static_cast<size_t>(count)] = customer;
    ++count;
    timer = kInterval;
}

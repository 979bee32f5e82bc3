#pragma once
// Sends the food court its customers: one every ten seconds, each to a free
// table, and no more than there are tables for (two).

#include <array>
#include <cstdint>

#include "api/object_ref.h"
#include "api/script.h"

class HumanSpawner : public Engine::ScriptBase<HumanSpawner> {
public:
    using ScriptBase::ScriptBase;

    static constexpr float kInterval = 10.0f;
    // Customers come in just beyond the right edge of the screen.
    static constexpr float kEntryX = 17.0f;

    void Init() override;
    void Update(float dt) override;

    struct Table {
        api::ObjectRef object;
        bool occupied = false;
    };
    std::array<Table, 2> tables;
    std::array<api::ObjectRef, 2> customers;
    float timer = kInterval;
    int32_t count = 0;
    int32_t maximum = 2;

private:
    void SpawnCustomer();
    bool archetypeFound_ = false;
};

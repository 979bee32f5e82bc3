#pragma once
// Marks the object that launches the moving platforms; the round logic stops it
// between rounds. The launching itself is `Debris`.

#include <cstdint>

#include "api/script.h"

class PlatformSpawner : public Engine::ScriptBase<PlatformSpawner> {
public:
    explicit PlatformSpawner(Engine::GameObj* owner = nullptr);

    // Between rounds: the platforms crossing the field leave it.
    void Stop();

    int32_t count = 3;
    int32_t side = 1;
    bool flag = false;
    bool stopped = false;
};

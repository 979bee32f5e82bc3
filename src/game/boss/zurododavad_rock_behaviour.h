#pragma once
// A rock the boss can drop; it keeps the hits the birds' pecks take from it.

#include <cstdint>

#include "api/script.h"

class ZurododavadRockBehaviour : public Engine::ScriptBase<ZurododavadRockBehaviour> {
public:
    using ScriptBase::ScriptBase;
    void Init() override { hitPoints = 0; }
    int32_t hitPoints = 0;
};

#pragma once
// Latches three flags with the keys 1, 2 and 3 (each stays set once its key
// went down). Finds both birds when it starts.

#include "api/object_ref.h"
#include "api/script.h"

class CheatCode : public Engine::ScriptBase<CheatCode> {
public:
    using ScriptBase::ScriptBase;
    void Init() override;
    void Update(float dt) override;

    api::ObjectRef player1;
    api::ObjectRef player2;
    bool cheat1 = false;
    bool cheat2 = false;
    bool cheat3 = false;
};

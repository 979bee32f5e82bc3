#pragma once
// The credits screen: it only waits for the way back. B on pad 1 or Escape
// covers the screen and returns to the title screen.

#include "api/script_api.h"

class CreditSceneBehaviour : public Engine::ScriptBase<CreditSceneBehaviour> {
public:
    using ScriptBase::ScriptBase;

    void Init() override;
    void Update(float dt) override;

    bool leaving = false;

private:
    api::ObjectRef wipe_;
    api::MenuInput menu_{{1}};
};

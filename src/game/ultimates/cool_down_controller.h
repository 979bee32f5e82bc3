#pragma once
// A script levels may attach to their cooldown icons; the birds drive the
// icons themselves, so it does nothing.

#include "api/script.h"

class CoolDownController : public Engine::ScriptBase<CoolDownController> {
public:
    using ScriptBase::ScriptBase;
};

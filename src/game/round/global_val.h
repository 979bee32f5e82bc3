#pragma once
// A script with no behaviour: level files name it on objects that only mark a place.

#include "api/script.h"

class GlobalVal : public Engine::ScriptBase<GlobalVal> {
public:
    using ScriptBase::ScriptBase;
};

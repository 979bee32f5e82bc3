#pragma once
// The runner's scenery sections. "Tunnel" slides a section left at its speed;
// "L4Road" and "L4Road2" mark the later stretches and have no behaviour.

#include "api/script_api.h"

class L4Section1 : public Engine::ScriptBase<L4Section1> {
public:
    using ScriptBase::ScriptBase;
    void Update(float dt) override;
    float speed = 7.0f;
};

class L4Section2 : public Engine::ScriptBase<L4Section2> {
public:
    using ScriptBase::ScriptBase;
};

class L4Section3 : public Engine::ScriptBase<L4Section3> {
public:
    using ScriptBase::ScriptBase;
};

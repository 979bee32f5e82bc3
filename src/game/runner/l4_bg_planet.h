#pragma once
// The far scenery: six planets, two UFOs and twelve asteroids drift slowly
// through a band a little larger than the screen and wrap around its edges;
// the object carrying the script turns slowly.

#include <vector>

#include "api/script_api.h"

class L4BGPlanet : public Engine::ScriptBase<L4BGPlanet> {
public:
    using ScriptBase::ScriptBase;
    void Init() override;
    void Update(float dt) override;

    static constexpr float kBandX = 20.0f;
    static constexpr float kBandY = 10.0f;

    std::vector<api::ObjectRef> drifters;
};

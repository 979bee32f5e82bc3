#pragma once
// The first level's script: shows three logos and then the loading animation on
// the object "LoadingBG" while the texture list loads five entries a frame.
// Once the list is read to the end it loads every archetype of the archetype
// list and opens the title screen.
//
// Stages: 0 first logo (2 s), 1 second logo with its jingle (4 s), 2 controller
// picture (2 s), 3 loading animation (at least 2 s, until the textures are in).

#include <cstdint>

#include "api/script_api.h"

class LoadingLogic : public Engine::ScriptBase<LoadingLogic> {
public:
    static constexpr int kTexturesPerFrame = 5;
    static constexpr const char* kArchetypeList = "Objects\\ArchetypeList.xml";

    using ScriptBase::ScriptBase;

    void Init() override;
    void Update(float dt) override;

    float timer = 1.0f;
    int32_t stage = 0;
    api::ObjectRef background;
};

// Loads every archetype that the archetype list names, in list order.
void LoadArchetypeList(const char* path = LoadingLogic::kArchetypeList);

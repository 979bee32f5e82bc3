#pragma once
// The first level's script: shows three logos and then the loading animation on
// the object "LoadingBG" while the texture list loads five entries a frame.
// Once the list is read to the end it loads the archetypes of the archetype
// list, ten a frame, and then opens the title screen. With the loading
// animation, the bar "LoadingBarFill" grows over "LoadingBarTrack" with the
// entries loaded (textures, then archetypes) out of all of them. It also hands
// the engine the running bird for the picture a slow level load shows later.
//
// Stages: 0 first logo (2 s), 1 second logo with its jingle (4 s), 2 controller
// picture (2 s), 3 loading animation and bar (at least 2 s, until everything is
// loaded and the bar was shown full).

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "api/script_api.h"

class LoadingLogic : public Engine::ScriptBase<LoadingLogic> {
public:
    static constexpr int kTexturesPerFrame = 5;
    static constexpr size_t kArchetypesPerFrame = 10;
    static constexpr const char* kArchetypeList = "Objects\\ArchetypeList.xml";

    using ScriptBase::ScriptBase;

    void Init() override;
    void Update(float dt) override;
    // The share of the load done, 0 to 1 (1 when there is nothing to load).
    float Progress() const;

    float timer = 1.0f;
    int32_t stage = 0;
    api::ObjectRef background;
    api::ObjectRef barTrack;
    api::ObjectRef barFill;

private:
    // Loads the next few archetypes of the list; true once all are loaded.
    bool LoadNextArchetypes();
    // Hides the bar during the logos, otherwise sizes its fill to the progress.
    void ShowBar();

    std::vector<std::string> archetypeFiles;
    size_t archetypesLoaded = 0;
    bool loadComplete = false;
};

// Loads every archetype that the archetype list names, in list order.
void LoadArchetypeList(const char* path = LoadingLogic::kArchetypeList);
// Loads the rest of the texture list and then every archetype at once, what
// the loading screen spreads over many frames: for starts that skip that
// screen (the simulation, the test harness, the benchmarks).
void LoadContentAtOnce();

#pragma once
// A headless engine in a scratch folder, with helpers to write archetypes and levels.

#include <gtest/gtest.h>

#include <string>

#include "graphics/renderable2d.h"
#include "logic/buttons.h"
#include "logic/game_logic.h"
#include "objects/game_obj.h"
#include "objects/game_object_factory.h"
#include "support/headless_engine.h"
#include "support/scratch_dir.h"

struct ObjectsFixture : ::testing::Test {
    TestSupport::ScratchDir dir;
    TestSupport::HeadlessEngine engine;
    Engine::GameObjectFactory& factory = engine.factory();

    ObjectsFixture() {
        // Skip the boot frame's loading-screen load: these tests load their own levels.
        engine.logic().boot = false;
    }

    // Writes Objects/<file> and loads it as an archetype.
    void Archetype(const std::string& file, const std::string& xml) {
        dir.Write("Objects/" + file, xml);
        factory.LoadArchetype(file);
    }
    void Level(const std::string& xml, const std::string& path = "MapData//Test.xml") {
        dir.Write(path, xml);
        factory.LoadLevel(path);
    }
    static std::vector<Engine::GameObj*> Named(const std::string& name) {
        std::vector<Engine::GameObj*> found;
        for (Engine::GameObj* object : Engine::GameObjectFactory::instance->liveObjects)
            if (object->name == name) found.push_back(object);
        return found;
    }
};

// libFuzzer target for the archetype and level reader: every input is loaded as
// an archetype, spawned, then loaded as a level and run for a frame, on the real
// (headless) engine. Built with clang by tools/test.sh and run for a bounded time
// with the game's own data files as the starting corpus.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>

#include <unistd.h>

#include "wiring/engine.h"
#include "logic/game_logic.h"
#include "objects/game_object_factory.h"

namespace {

namespace fs = std::filesystem;

struct FuzzWorld {
    FuzzWorld() {
        std::string pattern = (fs::temp_directory_path() / "tolvex-fuzz-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) std::abort();
        fs::current_path(pattern);
        fs::create_directories("Objects");
        fs::create_directories("MapData");
        // The loader's messages would flood the fuzzer's own report.
        std::cout.setstate(std::ios::failbit);
        systems = std::make_unique<Engine::EngineSystems>(Engine::EngineOptions::Headless());
        if (!systems->Initialize()) std::abort();
        systems->logic->boot = false;
    }
    std::unique_ptr<Engine::EngineSystems> systems;
};

void WriteFile(const char* path, const uint8_t* data, size_t size) {
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data),
                                                                  static_cast<std::streamsize>(size));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static FuzzWorld world;
    Engine::GameObjectFactory& factory = *world.systems->factory;
    WriteFile("Objects/Fuzz.xml", data, size);
    factory.archetypes.clear();
    factory.LoadArchetype("Fuzz.xml");
    if (!factory.archetypes.empty()) factory.SpawnArchetype(factory.archetypes.begin()->first, 1.0f, 1.0f);
    WriteFile("MapData/Fuzz.xml", data, size);
    factory.LoadLevel("MapData//Fuzz.xml");
    world.systems->core->RunFrame(1.0f / 60.0f);
    return 0;
}

#pragma once
// Test scripts that write what happens to them into one log, and a headless
// engine in a scratch folder to run them in.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "logic/game_logic.h"
#include "logic/scripts.h"
#include "objects/game_obj.h"
#include "objects/game_object_factory.h"
#include "objects/level_paths.h"
#include "support/headless_engine.h"
#include "support/scratch_dir.h"

namespace LogicTest {

extern std::vector<std::string> log;
// Runs inside the next Update of a Recorder on an object of that name, once.
extern std::function<void(Engine::GameObj&)> onUpdate;
extern std::string onUpdateObject;

// Logs "<object>.<script>.<call>" for every call it receives.
class Recorder : public Engine::Scripts {
public:
    explicit Recorder(Engine::GameObj* owner = nullptr, const char* scriptName = "Recorder")
        : Engine::Scripts(owner) {
        name = scriptName;
    }
    Scripts* Clone(Engine::GameObj* newOwner) override { return new Recorder(newOwner, "Recorder"); }
    void Init() override { Log("init"); }
    void Update(float dt) override;
    void AlwaysUpdate(float) override { Log("always"); }
    void Log(const std::string& call) { log.push_back(owner->name + "." + name + "." + call); }
    float lastDt = -1.0f;
};

// A second class, so one object can hold two different scripts.
class OtherRecorder : public Recorder {
public:
    explicit OtherRecorder(Engine::GameObj* owner = nullptr) : Recorder(owner, "OtherRecorder") {}
    Scripts* Clone(Engine::GameObj* newOwner) override { return new OtherRecorder(newOwner); }
};

}  // namespace LogicTest

struct LogicFixture : ::testing::Test {
    TestSupport::ScratchDir dir;
    std::unique_ptr<TestSupport::HeadlessEngine> engine;

    LogicFixture() {
        LogicTest::log.clear();
        LogicTest::onUpdate = nullptr;
        LogicTest::onUpdateObject.clear();
    }
    void Start() { engine = std::make_unique<TestSupport::HeadlessEngine>(); }
    Engine::GameObjectFactory& factory() { return engine->factory(); }
    Engine::GameLogic& logic() { return engine->logic(); }
};

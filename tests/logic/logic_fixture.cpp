#include "logic_fixture.h"

#include "logic/script_registry.h"

namespace LogicTest {

std::vector<std::string> log;
std::function<void(Engine::GameObj&)> onUpdate;
std::string onUpdateObject;

void Recorder::Update(float dt) {
    lastDt = dt;
    Log("update");
    if (onUpdate && owner->name == onUpdateObject) {
        auto action = onUpdate;
        onUpdate = nullptr;
        action(*owner);
    }
}

REGISTER_SCRIPT("Recorder", Recorder);
REGISTER_SCRIPT("OtherRecorder", OtherRecorder);

}  // namespace LogicTest

#include "game/egg/platform_spawner.h"

#include "api/script_api.h"
#include "game/egg/platform_behaviour.h"

REGISTER_SCRIPT("PlatformSpawner", PlatformSpawner);

namespace {
const api::ObjectName kPlatform{"Platform"};
}

PlatformSpawner::PlatformSpawner(Engine::GameObj* owner) : ScriptBase(owner) {
    count = api::RandomInt(3, 7);
    side = api::Rand() % 2 == 1 ? 1 : -1;
    flag = api::Rand() % 2 == 1;
}

void PlatformSpawner::Stop() {
    stopped = true;
    for (api::GameObj* platform : api::FindAll(kPlatform))
        if (PlatformBehaviour* p = api::ScriptOf<PlatformBehaviour>(platform)) p->Leave();
}

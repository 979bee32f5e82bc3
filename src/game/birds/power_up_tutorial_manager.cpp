#include "game/birds/power_up_tutorial_manager.h"

#include "api/script_api.h"

REGISTER_SCRIPT("PowerUpTutorialManager", PowerUpTutorialManager);

void PowerUpTutorialManager::Init() {}
void PowerUpTutorialManager::Update(float) {}
void PowerUpTutorialManager::OnCollisionEnter(Engine::GameObj*) {}

#include "game/menus/loading_logic.h"

#include <tinyxml.h>

#include <iostream>

#include "game/menus/menu_flow.h"
#include "graphics/animator.h"
#include "graphics/graphics.h"
#include "graphics/renderable2d.h"
#include "logic/script_registry.h"
#include "objects/game_obj.h"
#include "objects/game_object_factory.h"
#include "objects/xml_attributes.h"
#include "objects/xml_file.h"
#include "sound/audio_engine.h"

REGISTER_SCRIPT("LoadingLogic", LoadingLogic);

namespace {

// True once the texture list has been read to the end (always true without graphics).
bool LoadTextures() {
    Engine::graphics::Graphics* graphics = Engine::graphics::Graphics::instance;
    return !graphics || graphics->LoadTextureBatch(LoadingLogic::kTexturesPerFrame);
}

}  // namespace

void LoadArchetypeList(const char* path) {
    Engine::GameObjectFactory* factory = Engine::GameObjectFactory::instance;
    if (!factory) return;
    TiXmlDocument document;
    if (!Engine::LoadXmlFile(document, path)) {
        std::cout << "Archetype list not read: " << Engine::DescribeXmlError(document, path) << std::endl;
        return;
    }
    const TiXmlElement* root = document.RootElement();
    for (const TiXmlElement* entry = root ? root->FirstChildElement() : nullptr; entry;
         entry = entry->NextSiblingElement()) {
        const std::string file = Engine::FirstAttribute(entry);
        if (file.empty()) {
            std::cout << path << ":" << entry->Row() << ": archetype entry without a file name" << std::endl;
            continue;
        }
        factory->LoadArchetype(file);
    }
}

LoadingLogic::LoadingLogic(Engine::GameObj* owner) : ScriptBase(owner) { name = "LoadingLogic"; }

void LoadingLogic::Init() {
    LoadTextures();
    background = MenuFlow::FindLastLevelObject("LoadingBG");
    Engine::SetTexture(background, "AA_Brennic_Logo");
}

void LoadingLogic::Update(float dt) {
    const bool texturesLoaded = LoadTextures();
    timer += dt;
    switch (stage) {
        case 0:
            if (timer >= 3.0f) {
                if (background) background->transform->scale = {21.0f, 16.0f};
                Engine::SetTexture(background, "AA_Talvik_Logo");
                Engine::PlayEvent("event:/Logo_Sound");
                stage = 1;
                timer = 0.0f;
            }
            break;
        case 1:
            if (timer >= 4.0f) {
                if (background) background->transform->scale = {32.0f, 18.0f};
                Engine::SetTexture(background, "AA_Controller_Logo");
                stage = 2;
                timer = 0.0f;
            }
            break;
        case 2:
            if (timer >= 2.0f) {
                Engine::SetTexture(background, "AA_Loading_Screen");
                if (background) {
                    if (!background->GetAnimator()) background->AddComponent(Engine::kAnimatorKind);
                    if (Engine::graphics::Animator* animator = background->GetAnimator()) animator->frameTime = 0.1f;
                    if (Engine::graphics::Renderable2D* sprite = background->GetSprite()) sprite->SetFrame(1, 5);
                    // The running bird sits in the lower right corner.
                    background->transform->scale = {3.5f, 3.0f};
                    background->transform->position = {13.0f, -6.5f};
                }
                stage = 3;
                timer = 0.0f;
            }
            break;
        case 3:
            if (timer >= 2.0f && texturesLoaded) {
                timer = 0.0f;
                LoadArchetypeList();
                // Unloads this level and this script with it.
                MenuFlow::LoadLevelByKey("MainMenu_KR");
            }
            break;
        default:
            break;
    }
}

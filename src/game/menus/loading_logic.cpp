#include "game/menus/loading_logic.h"

#include <tinyxml.h>

#include <iostream>

#include "game/ai/computer_seats.h"
#include "api/online.h"
#include "api/script_api.h"
#include "graphics/animator.h"
#include "graphics/renderable2d.h"
#include "objects/game_object_factory.h"
#include "objects/xml_attributes.h"
#include "objects/xml_file.h"

REGISTER_SCRIPT("LoadingLogic", LoadingLogic);

namespace {
const api::LevelKey kTitle{"MainMenu_KR"};
// Back from an online game: its Online screen, with the line it ended with.
const api::LevelKey kOnlineScreen{"OnlineMenu"};
const api::ObjectName kBackground{"LoadingBG"};
const api::SoundEvent kLogoSound{"event:/Logo_Sound"};
const api::TextureName kFirstLogo{"AA_Brennic_Logo"};
const api::TextureName kSecondLogo{"AA_Talvik_Logo"};
const api::TextureName kControllerPicture{"AA_Controller_Logo"};
const api::TextureName kRunningBird{"AA_Loading_Screen"};

// True once the texture list has been read to the end (always true without graphics).
bool LoadTextures() { return api::LoadTextures(LoadingLogic::kTexturesPerFrame); }
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


void LoadingLogic::Init() {
    // The computer players think from the first frame on (input/computer_keys.h).
    ai::InstallComputerSeats();
    LoadTextures();
    background = api::FindLast(kBackground);
    api::SetTexture(background.Get(), kFirstLogo);
    // Coming back from an online game, the logos are not shown again.
    if (api::OnlineEndWaiting()) stage = 3;
}

void LoadingLogic::Update(float dt) {
    const bool texturesLoaded = LoadTextures();
    timer += dt;
    switch (stage) {
        case 0:
            if (timer >= 3.0f) {
                api::SetScale(background.Get(), {21.0f, 16.0f});
                api::SetTexture(background.Get(), kSecondLogo);
                api::Play(kLogoSound);
                stage = 1;
                timer = 0.0f;
            }
            break;
        case 1:
            if (timer >= 4.0f) {
                api::SetScale(background.Get(), {32.0f, 18.0f});
                api::SetTexture(background.Get(), kControllerPicture);
                stage = 2;
                timer = 0.0f;
            }
            break;
        case 2:
            if (timer >= 2.0f) {
                if (Engine::GameObj* bird = background.Get()) {
                    api::SetTexture(bird, kRunningBird);
                    if (!bird->GetAnimator()) bird->AddComponent(Engine::kAnimatorKind);
                    if (Engine::graphics::Animator* animator = api::AnimatorOf(bird)) animator->frameTime = 0.1f;
                    if (Engine::graphics::Renderable2D* sprite = bird->GetSprite()) sprite->SetFrame(1, 5);
                    // The running bird sits in the lower right corner.
                    api::SetScale(bird, {3.5f, 3.0f});
                    api::SetPosition(bird, {13.0f, -6.5f});
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
                api::LoadLevel(api::OnlineEndWaiting() ? kOnlineScreen : kTitle);
            }
            break;
        default:
            break;
    }
}

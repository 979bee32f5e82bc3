#include "game/menus/loading_logic.h"

#include <algorithm>
#include <iostream>
#include <utility>

#include "api/drawing.h"
#include "api/online.h"
#include "api/archetypes.h"
#include "api/script_api.h"
#include "game/ai/computer_seats.h"

REGISTER_SCRIPT("LoadingLogic", LoadingLogic);

namespace {
const api::LevelKey kTitle{"MainMenu_KR"};
// Back from an online game: its Online screen, with the line it ended with.
const api::LevelKey kOnlineScreen{"OnlineMenu"};
const api::ObjectName kBackground{"LoadingBG"};
const api::ObjectName kBarTrack{"LoadingBarTrack"};
const api::ObjectName kBarFill{"LoadingBarFill"};
const api::SoundEvent kLogoSound{"event:/Logo_Sound"};
const api::TextureName kFirstLogo{"AA_Brennic_Logo"};
const api::TextureName kSecondLogo{"AA_Talvik_Logo"};
const api::TextureName kControllerPicture{"AA_Controller_Logo"};
const api::TextureName kRunningBird{"AA_Loading_Screen"};
// The running bird sits in the lower right corner, here and on every slow level load.
const api::vec2 kRunningBirdPlace{13.0f, -6.5f};
const api::vec2 kRunningBirdSize{3.5f, 3.0f};

// True once the texture list has been read to the end (always true without graphics).
bool LoadTextures() { return api::LoadTextures(LoadingLogic::kTexturesPerFrame); }
}  // namespace

void LoadArchetypeList(const char* path) {
    for (const std::string& file : api::ArchetypeListFiles(path)) api::LoadArchetype(file);
}

void LoadContentAtOnce() {
    api::LoadTextures(1 << 20);
    LoadArchetypeList();
}

void LoadingLogic::Init() {
    // The computer players think from the first frame on (input/computer_keys.h).
    ai::InstallComputerSeats();
    api::ShowOnSlowLoads(kRunningBird, kRunningBirdPlace, kRunningBirdSize);
    LoadTextures();
    background = api::FindLast(kBackground);
    api::SetTexture(background.Get(), kFirstLogo);
    archetypeFiles = api::ArchetypeListFiles(kArchetypeList);
    barTrack = api::FindLast(kBarTrack);
    barFill = api::FindLast(kBarFill);
    // Coming back from an online game, the logos are not shown again.
    if (api::OnlineEndWaiting()) stage = 3;
    ShowBar();
}

bool LoadingLogic::LoadNextArchetypes() {
    const size_t end = std::min(archetypeFiles.size(), archetypesLoaded + kArchetypesPerFrame);
    for (; archetypesLoaded < end; ++archetypesLoaded) api::LoadArchetype(archetypeFiles[archetypesLoaded]);
    return archetypesLoaded == archetypeFiles.size();
}

float LoadingLogic::Progress() const {
    const api::LoadProgress textures = api::TextureListProgress();
    const int done = textures.read + static_cast<int>(archetypesLoaded);
    const int total = textures.total + static_cast<int>(archetypeFiles.size());
    return total > 0 ? std::clamp(static_cast<float>(done) / static_cast<float>(total), 0.0f, 1.0f) : 1.0f;
}

void LoadingLogic::ShowBar() {
    Engine::GameObj* track = barTrack.Get();
    Engine::GameObj* fill = barFill.Get();
    // The bar belongs to the loading animation; the logos fill the screen alone.
    api::SetHidden(track, stage < 3);
    api::SetHidden(fill, stage < 3);
    if (!track || !fill) return;
    // The fill grows from the track's left end; the track's place and size come from the level.
    const Engine::vec2 trackPosition = api::Position(track);
    const Engine::vec2 trackScale = api::Scale(track);
    const float width = trackScale.x * Progress();
    api::SetScale(fill, {width, api::Scale(fill).y});
    api::SetPosition(fill, {trackPosition.x - (trackScale.x - width) * 0.5f, trackPosition.y});
}

void LoadingLogic::Update(float dt) {
    // Moving on waits for a frame that already showed the bar full.
    const bool loadedBefore = loadComplete;
    if (LoadTextures()) loadComplete = LoadNextArchetypes();
    ShowBar();
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
                    api::SetScale(bird, kRunningBirdSize);
                    api::SetPosition(bird, kRunningBirdPlace);
                }
                stage = 3;
                timer = 0.0f;
                ShowBar();
            }
            break;
        case 3:
            if (timer >= 2.0f && loadedBefore) {
                timer = 0.0f;
                // Unloads this level and this script with it.
                api::LoadLevel(api::OnlineEndWaiting() ? kOnlineScreen : kTitle);
            }
            break;
        default:
            break;
    }
}

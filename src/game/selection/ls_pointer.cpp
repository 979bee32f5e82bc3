#include "game/selection/ls_pointer.h"

#include "api/script_api.h"

REGISTER_SCRIPT("LSPointer", LSPointer);

namespace {
const api::ObjectName kBlank{"Blank"};
const api::LevelKey kStory{"StartingCutScene"};
const api::LevelKey kTitle{"MainMenu_KR"};
const api::TextureName kForestPicture{"RoostBG"};
const api::TextureName kComingSoon{"camera"};
const api::SoundEvent kHover{"event:/Button_Hover"};
const api::SoundEvent kClosed{"event:/Menu_Return"};

struct Place {
    api::ObjectName map;
    const char* picture;
    Engine::vec2 offset;
};
const Place kMapPlaces[] = {
    {api::ObjectName{"ForestMap"}, kForestPicture, {0.0f, 0.5f}},
    {api::ObjectName{"KopitiamMap"}, kComingSoon, {1.0f, 1.0f}},
    {api::ObjectName{"AirportMap"}, kComingSoon, {0.0f, 1.5f}},
    {api::ObjectName{"BankMap"}, kComingSoon, {0.0f, 1.5f}},
};
static_assert(sizeof(kMapPlaces) / sizeof(kMapPlaces[0]) == LSPointer::kPlaces, "one map object per place");
}  // namespace

int StepWithin(int index, int step, int count) {
    if (count < 1) return 1;
    // Any index, also one already out of range, lands within 1..count.
    const int zeroBased = ((index - 1 + step) % count + count) % count;
    return zeroBased + 1;
}

void LSPointer::ShowPlace() {
    if (index < 1 || index > static_cast<int>(sizeof(kMapPlaces) / sizeof(kMapPlaces[0]))) return;
    const Place& place = kMapPlaces[index - 1];
    Engine::GameObj* map = api::Find(place.map);
    if (!map) return;
    api::SetTexture(api::Find(kBlank), place.picture);
    api::SetPosition(owner, api::Position(map) + place.offset);
}

void LSPointer::Update(float dt) {
    pad_.Poll(dt);
    int step = 0;
    if (pad_.Triggered(Engine::kButtonDpadRight) || api::KeyTriggered(Engine::VK_RIGHT)) ++step;
    if (pad_.Triggered(Engine::kButtonDpadLeft) || api::KeyTriggered(Engine::VK_LEFT)) --step;
    if (step != 0) {
        index = StepWithin(index, step, kPlaces);
        api::Play(kHover);
    }
    ShowPlace();

    if (pad_.Triggered(Engine::kButtonB) || api::KeyTriggered(Engine::VK_ESCAPE)) {
        api::LoadLevel(kTitle);
        return;
    }
    // P is the keyboard's start of the story from anywhere on the map; A
    // enters the place it points at, and only the forest is open.
    if (api::KeyTriggered('P')) {
        api::LoadLevel(kStory);
        return;
    }
    if (pad_.Triggered(Engine::kButtonA)) {
        if (index == 1)
            api::LoadLevel(kStory);
        else
            api::Play(kClosed);
    }
}

#include "game/selection/character_selection.h"

#include <cmath>

#include "api/actions.h"
#include "api/script_api.h"
#include "game/game_values.h"
#include "game/menus/menu_flow.h"
#include "game/menus/transition.h"
#include "game/selection/bird_table.h"
#include "game/selection/selection_hints.h"
#include "graphics/particle_system.h"

REGISTER_SCRIPT("CharacterSelection", CharacterSelection);

namespace {
const api::LevelKey kLevelSelection{"LevelSelectionScreen"};
const api::LevelKey kPracticeRange{"PracticeRange"};
const api::LevelKey kTitle{"MainMenu_KR"};
const api::SoundEvent kSelectBird{"event:/Select_Bird"};
const api::SoundEvent kHover{"event:/Button_Hover"};
const api::SoundEvent kClick{"event:/Button_Click"};
const api::SoundEvent kReturn{"event:/Menu_Return"};
const api::TextureName kReadyYes{"Ready_Yes"};
const api::TextureName kReadyNot{"Ready_Not"};
const char* const kPracticeScreen = "MapData//PRBirdSelectionScreen.xml";

struct SideNames {
    api::ObjectName cursor, preview, readySign, name, info;
    api::ObjectName slowLeft, slowRight, fastLeft, fastRight;
};
const SideNames kRed{api::ObjectName{"P1Select"},  api::ObjectName{"RedBird"},
                     api::ObjectName{"RedReady"},  api::ObjectName{"RedName"},
                     api::ObjectName{"InfoP1"},    api::ObjectName{"RedReadyPartLeftSlow"},
                     api::ObjectName{"RedReadyPartRightSlow"}, api::ObjectName{"RedReadyPartLeftFast"},
                     api::ObjectName{"RedReadyPartRightFast"}};
const SideNames kBlue{api::ObjectName{"P2Select"}, api::ObjectName{"BlueBird"},
                      api::ObjectName{"BlueReady"}, api::ObjectName{"BlueName"},
                      api::ObjectName{"InfoP2"},    api::ObjectName{"BlueReadyPartLeftSlow"},
                      api::ObjectName{"BlueReadyPartRightSlow"}, api::ObjectName{"BlueReadyPartLeftFast"},
                      api::ObjectName{"BlueReadyPartRightFast"}};

// Each player picks with their own menu keys; player 1's back leaves the screen.
api::MenuKeys PlayerKeys(int player) {
    api::MenuKeys keys = api::MenuKeys::OfPlayer(player);
    keys.up.clear();
    keys.down.clear();
    if (player != 1) keys.back.clear();
    return keys;
}

// Cursors step by sums of level-file numbers; a hair of float error must not
// lose a portrait.
bool SameX(const Engine::GameObj* a, const Engine::GameObj* b) {
    return a && b && std::fabs(api::Position(a).x - api::Position(b).x) < 0.01f;
}

void SetPlaying(Engine::GameObj* object, bool playing) {
    if (Engine::graphics::ParticleSystem* sparks = object ? object->GetParticleSystem() : nullptr)
        sparks->playing = playing;
}
}  // namespace

CharacterSelection::CharacterSelection(Engine::GameObj* owner)
    : ScriptBase(owner), input_{api::MenuInput{{1}, PlayerKeys(1)}, api::MenuInput{{2}, PlayerKeys(2)}} {}

void CharacterSelection::Init() {
    wipe_ = MenuFlow::FindWipe();
    SelectionHints::Show();
    for (size_t i = 0; i < portraits_.size(); ++i) portraits_[i] = api::Find(Selection::kBirds[i].portrait);
    const SideNames* names[2] = {&kRed, &kBlue};
    for (int p = 0; p < 2; ++p) {
        Side& side = sides_[p];
        const SideNames& n = *names[p];
        side.cursor = api::Find(n.cursor);
        side.preview = api::Find(n.preview);
        side.readySign = api::Find(n.readySign);
        side.name = api::Find(n.name);
        side.info = api::Find(n.info);
        side.slowSparks = {api::Find(n.slowLeft), api::Find(n.slowRight)};
        side.fastSparks = {api::Find(n.fastLeft), api::Find(n.fastRight)};
    }
    Game::player1Character = 3;
    Game::player2Character = 1;
    api::Play(kSelectBird);
    ready = {false, false};
    infoShown = {false, false};
    leaving_ = false;
    triedToLeave_ = false;
    practice = api::InLevel(kPracticeScreen);
    for (int p = 0; p < 2; ++p) {
        ShowChoice(p);
        ShowReadiness(p);
        api::SetColor(sides_[p].info.Get(), kHiddenColour);
    }
}

int CharacterSelection::CharacterUnder(const Engine::GameObj* cursor) const {
    if (!cursor) return 0;
    for (size_t i = 0; i < portraits_.size(); ++i)
        if (const Engine::GameObj* portrait = portraits_[i].Get())
            if (SameX(portrait, cursor)) return Selection::kBirds[i].character;
    return 0;
}

void CharacterSelection::Move(int p, int direction) {
    Engine::GameObj* cursor = sides_[p].cursor.Get();
    // Portraits stand evenly from DovaDizavov (leftmost) to VadozaVaza (rightmost).
    const Engine::GameObj* rozi = portraits_[0].Get();
    const Engine::GameObj* vadoza = portraits_[1].Get();
    const Engine::GameObj* dova = portraits_[2].Get();
    if (cursor && rozi && vadoza && dova) {
        const float step = api::Position(rozi).x - api::Position(dova).x;
        const float x = api::Position(cursor).x;
        if (direction < 0 && x > api::Position(dova).x && !SameX(cursor, dova)) api::MoveBy(cursor, {-step, 0.0f});
        if (direction > 0 && x < api::Position(vadoza).x && !SameX(cursor, vadoza)) api::MoveBy(cursor, {step, 0.0f});
    }
    api::Play(kHover);
    input_[p].TakeMove();
    ShowChoice(p);
}

void CharacterSelection::ShowChoice(int p) {
    const Selection::BirdLook* bird = Selection::BirdFor(CharacterUnder(sides_[p].cursor.Get()));
    if (!bird) return;
    Side& side = sides_[p];
    Engine::GameObj* preview = side.preview.Get();
    api::SetTexture(preview, bird->preview);
    // Player 2's bird faces player 1's.
    api::SetScale(preview, {p == 0 ? bird->previewScale.x : -bird->previewScale.x, bird->previewScale.y});
    api::SetTexture(side.name.Get(), bird->stats);
    api::SetTexture(side.info.Get(), bird->info);
    if (Engine::graphics::ParticleSystem* sparks = preview ? preview->GetParticleSystem() : nullptr)
        sparks->colorMin = sparks->colorMax = Selection::PackedColour(*bird);
    (p == 0 ? Game::player1Character : Game::player2Character) = bird->character;
}

void CharacterSelection::ToggleReady(int p) {
    const int other = 1 - p;
    const Engine::GameObj* mine = sides_[p].cursor.Get();
    const Engine::GameObj* theirs = sides_[other].cursor.Get();
    const bool sameBird = SameX(mine, theirs);
    if (sameBird && ready[other]) return;  // that bird is taken
    ready[p] = !ready[p];
    Engine::GameObj* preview = sides_[p].preview.Get();
    api::SetColor(preview, ready[p] ? kReadyColour : kWaitingColour);
    if (ready[p]) {
        // One burst of sparks: on for exactly one update.
        if (Engine::graphics::ParticleSystem* sparks = preview ? preview->GetParticleSystem() : nullptr) {
            sparks->playing = true;
            sparks->stopAfterUpdate = true;
        }
    }
    api::Play(ready[p] ? kClick : kReturn);
}

void CharacterSelection::ShowReadiness(int p) {
    Side& side = sides_[p];
    api::SetTexture(side.readySign.Get(), ready[p] ? kReadyYes : kReadyNot);
    for (api::ObjectRef& slow : side.slowSparks) SetPlaying(slow.Get(), !ready[p]);
    for (api::ObjectRef& fast : side.fastSparks) SetPlaying(fast.Get(), ready[p]);
    if (!ready[p]) api::SetColor(side.preview.Get(), kWaitingColour);
}

void CharacterSelection::Update(float dt) {
    if (!wipe_ || !wipe_->revealed || leaving_) return;
    for (api::MenuInput& in : input_) in.Poll(dt);

    for (int p = 0; p < 2; ++p) {
        api::MenuInput& in = input_[p];
        if (!ready[p]) {
            if (in.left) Move(p, -1);
            else if (in.right) Move(p, +1);
        }
        if (in.confirm) ToggleReady(p);
    }
    for (int p = 0; p < 2; ++p) ShowReadiness(p);

    if (ready[0] && ready[1]) {
        // A level that cannot open keeps both here (one printed line, not one a frame).
        if (!triedToLeave_) {
            triedToLeave_ = true;
            leaving_ = MenuFlow::LeaveTo(wipe_, practice ? kPracticeRange : kLevelSelection);
            if (leaving_) return;
        }
    } else {
        triedToLeave_ = false;
    }
    if (input_[0].back) {
        api::Play(kReturn);
        leaving_ = MenuFlow::LeaveTo(wipe_, kTitle);
        if (leaving_) return;
    }
    // Each player's skill control shows the bird's card.
    const Engine::ActionMap actions = api::Actions();
    const bool info1 = api::KeyTriggered(actions.KeyOf(1, Engine::Action::kSkill)) ||
                       input_[0].pads[0].Triggered(actions.PadOf(1, Engine::Action::kSkill));
    const bool info2 = api::KeyTriggered(actions.KeyOf(2, Engine::Action::kSkill)) ||
                       input_[1].pads[0].Triggered(actions.PadOf(2, Engine::Action::kSkill));
    SelectionHints::Show();
    const bool toggles[2] = {info1, info2};
    for (int p = 0; p < 2; ++p) {
        if (!toggles[p]) continue;
        infoShown[p] = !infoShown[p];
        api::SetColor(sides_[p].info.Get(), infoShown[p] ? kReadyColour : kHiddenColour);
        api::Play(kHover);
    }
}

#include "game/selection/character_selection.h"

#include <cmath>

#include "api/actions.h"
#include "api/drawing.h"
#include "api/labels.h"
#include "api/script_api.h"
#include "game/ai/computer_seats.h"
#include "game/game_values.h"
#include "game/menus/menu_flow.h"
#include "game/menus/transition.h"
#include "game/selection/bird_table.h"
#include "game/selection/selection_hints.h"

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
const api::LevelKey kPracticeScreen{"PRBirdSelectionScreen"};
const api::ArchetypeName kSeatIcon{"SeatIcon"};
const api::ArchetypeName kSeatLabel{"SeatLabel"};
// Over each preview: the robot when the computer plays the slot, the label below it.
constexpr float kSeatX = 11.8f;
constexpr float kSeatIconY = 7.6f;
constexpr float kSeatLabelY = 5.4f;
constexpr int32_t kSeatLayer = 6;
constexpr uint32_t kSeatTextColour = 0xFF30181Fu;  // the art's dark ink (0xAABBGGRR), on the sky
constexpr Engine::VirtualKey kSeatKeys[2] = {Engine::VirtualKey('V'), Engine::VirtualKey('C')};

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
        const float x = p == 0 ? -kSeatX : kSeatX;
        side.seatIcon = api::Spawn(kSeatIcon, x, kSeatIconY);
        // The label starts at its left end: player 1's from the screen's left edge,
        // player 2's so that its longest text ends short of the right one.
        side.seatLabel = api::Spawn(kSeatLabel, p == 0 ? -13.4f : 3.6f, kSeatLabelY);
        api::SetFont(side.seatLabel.Get(), "BerlinSans", 28);
        api::SetLabelLayer(side.seatLabel.Get(), kSeatLayer);
        api::SetTextColor(side.seatLabel.Get(), kSeatTextColour);
    }
    // The computer players think on the levels this screen leads to.
    ai::InstallComputerSeats();
    Game::player1Character = 3;
    Game::player2Character = 1;
    api::Play(kSelectBird);
    ready = {false, false};
    infoShown = {false, false};
    leaving_ = false;
    triedToLeave_ = false;
    practice = api::InLevelOfKey(kPracticeScreen);
    for (int p = 0; p < 2; ++p) {
        ShowChoice(p);
        ShowReadiness(p);
        api::SetColor(sides_[p].info.Get(), kHiddenColour);
        ShowSeat(p);
    }
}

int CharacterSelection::DriverOf(int p) const {
    const bool computer[2] = {Game::IsComputer(Game::seats[0]), Game::IsComputer(Game::seats[1])};
    // Player 1 picks its own side first, then serves a computer's side 2.
    if (p == 0) return ready[0] && (computer[0] || computer[1]) ? -1 : 0;
    if (!computer[1]) return 1;
    return ready[0] ? 0 : -1;
}

void CharacterSelection::CycleSeat(int p) {
    Game::seats[p] = Game::NextSeat(Game::seats[p]);
    api::Play(kHover);
    ShowSeat(p);
}

void CharacterSelection::ShowSeat(int p) {
    const Game::Seat seat = Game::seats[p];
    api::SetColor(sides_[p].seatIcon.Get(), Game::IsComputer(seat) ? kReadyColour : kHiddenColour);
    std::string text = Game::IsComputer(seat) ? Game::SeatLabel(seat) : (p == 0 ? "Player 1" : "Player 2");
    if (p == 1) text += Game::IsComputer(seat) ? "  (C: change)" : "  (C: computer)";
    api::SetText(sides_[p].seatLabel.Get(), text);
}

int CharacterSelection::CharacterUnder(const Engine::GameObj* cursor) const {
    if (!cursor) return 0;
    for (size_t i = 0; i < portraits_.size(); ++i)
        if (const Engine::GameObj* portrait = portraits_[i].Get())
            if (SameX(portrait, cursor)) return Selection::kBirds[i].character;
    return 0;
}

void CharacterSelection::Move(int p, int direction, api::MenuInput& in) {
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
    in.TakeMove();
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

    // The seat keys: C or pad 1 Y for player 2's slot, V for player 1's.
    for (int p = 0; p < 2; ++p) {
        const bool pad = p == 1 && input_[0].pads[0].Triggered(Engine::kButtonY);
        if ((api::KeyTriggered(kSeatKeys[p]) || pad) && !ready[p]) CycleSeat(p);
    }
    // One input moves one cursor a frame: player 1's may serve the computer's side.
    std::array<bool, 2> used{};
    for (int p = 0; p < 2; ++p) {
        const int driver = DriverOf(p);
        if (driver < 0 || used[driver]) continue;
        used[driver] = true;
        api::MenuInput& in = input_[driver];
        if (!ready[p]) {
            if (in.left) Move(p, -1, in);
            else if (in.right) Move(p, +1, in);
        }
        if (in.confirm) {
            // A computer's side readied by player 1 stays ready; player 1 unreadies its own.
            if (driver != p && ready[p]) continue;
            ToggleReady(p);
            in.confirm = false;
        }
    }
    for (int p = 0; p < 2; ++p) ShowReadiness(p);

    if (ready[0] && ready[1]) {
        // A level that cannot open keeps both here (one printed line, not one a frame).
        if (!triedToLeave_) {
            triedToLeave_ = true;
            leaving_ = MenuFlow::LeaveTo(wipe_.Get(), practice ? kPracticeRange : kLevelSelection);
            if (leaving_) return;
        }
    } else {
        triedToLeave_ = false;
    }
    if (input_[0].back) {
        api::Play(kReturn);
        leaving_ = MenuFlow::LeaveTo(wipe_.Get(), kTitle);
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

#include "game/selection/selecting.h"

#include "api/camera_view.h"
#include "api/controls.h"
#include "api/drawing.h"
#include "api/labels.h"
#include "api/script_api.h"
#include "game/ai/computer_seats.h"
#include "game/game_values.h"
#include "game/levels/level_table.h"

REGISTER_SCRIPT("Selecting", Selecting);

namespace {
const api::ObjectName kBlank{"Blank"};
const api::ArchetypeName kCountLabel{"CoopCountLabel"};
const api::ArchetypeName kSeatLabel{"SeatLabel"};
const api::TextureName kTrackerSheet{"lstp"};
const api::LevelKey kTitle{"MainMenu_KR"};
const api::SoundEvent kHover{"event:/Button_Hover"};
const api::SoundEvent kClick{"event:/Button_Click"};
const api::SoundEvent kClosed{"event:/Menu_Return"};
constexpr uint32_t kTrackerFrame = 9;

const api::ObjectName kTrackers[4] = {api::ObjectName{"P1Tracker"}, api::ObjectName{"P2Tracker"},
                                      api::ObjectName{"P3Tracker"}, api::ObjectName{"P4Tracker"}};
const api::ObjectName kPicks[4] = {api::ObjectName{"P1Pick"}, api::ObjectName{"P2Pick"},
                                   api::ObjectName{"P3Pick"}, api::ObjectName{"P4Pick"}};
const api::ObjectName kSelectedMaps[4] = {api::ObjectName{"P1SelectedMap"}, api::ObjectName{"P2SelectedMap"},
                                          api::ObjectName{"P3SelectedMap"}, api::ObjectName{"P4SelectedMap"}};
const api::ObjectName kPickLabels[4] = {api::ObjectName{"P1Label"}, api::ObjectName{"P2Label"},
                                        api::ObjectName{"P3Label"}, api::ObjectName{"P4Label"}};
const api::ObjectName kBirdObjects[9] = {
    api::ObjectName{"B1"}, api::ObjectName{"B2"}, api::ObjectName{"B3"}, api::ObjectName{"B4"},
    api::ObjectName{"B5"}, api::ObjectName{"B6"}, api::ObjectName{"B7"}, api::ObjectName{"B8"},
    api::ObjectName{"B9"}};
const api::ObjectName kLevelObjects[8] = {
    api::ObjectName{"Level1"}, api::ObjectName{"Level2"}, api::ObjectName{"Level3"}, api::ObjectName{"Level4"},
    api::ObjectName{"Level5"}, api::ObjectName{"Level6"}, api::ObjectName{"Level7"}, api::ObjectName{"Level8"}};

int Wrap(int value, int count) { return ((value - 1) % count + count) % count + 1; }

uint32_t FrameOf(const Engine::GameObj* object) {
    const Engine::graphics::Renderable2D* sprite = object ? object->GetSprite() : nullptr;
    return sprite ? sprite->startFrame : 1;
}
}  // namespace

Selecting::Selecting(Engine::GameObj* owner) : ScriptBase(owner) {
    // The birds of the next level read their controllers from these slots.
    if (owner) Engine::ResetPlayerSlots();
}

int Selecting::Players() const { return Game::coopPlayerCount == 4 ? 4 : 2; }

void Selecting::Init() {
    for (int p = 0; p < 4; ++p) {
        players_[p].tracker = api::Find(kTrackers[p]);
        players_[p].pick = api::Find(kPicks[p]);
        players_[p].selectedMap = api::Find(kSelectedMaps[p]);
    }
    blank_ = api::Find(kBlank);
    phase = 1;
    index = {1, 1, 1, 1};
    birdIndex_ = {1, 1, 1, 1};
    scroll = 0.0f;
    drawing = false;
    candidates.clear();
    api::ResetCamera();
    if (Players() == 2) {
        for (int p = 2; p < 4; ++p) {
            api::SetColor(players_[p].tracker.Get(), 0);
            api::SetColor(players_[p].pick.Get(), 0);
            api::SetColor(players_[p].selectedMap.Get(), 0);
            // The name under a pick nobody makes would promise a third player.
            if (Engine::GameObj* label = api::Find(kPickLabels[p])) api::SetTextColor(label, 0);
        }
        api::MoveBy(players_[0].selectedMap.Get(), {0.0f, -2.0f});
        api::MoveBy(players_[1].selectedMap.Get(), {5.0f, 2.0f});
    }
    countLabel_ = api::Spawn(kCountLabel, -5.0f, -8.0f);
    api::SetText(countLabel_.Get(), "Total players = " + std::to_string(Players()));
    api::SetTextColor(countLabel_.Get(), kCountColour);
    seatLabel_ = api::Spawn(kSeatLabel, -10.5f, -6.5f);
    api::SetFont(seatLabel_.Get(), "BerlinSans", 24);
    api::SetLabelLayer(seatLabel_.Get(), 6);
    api::SetTextColor(seatLabel_.Get(), 0xFF30181Fu);  // dark ink, 0xAABBGGRR
    ShowSeats();
    ai::InstallComputerSeats();
}

void Selecting::ShowSeats() {
    std::string text;
    for (int p = 0; p < Players(); ++p) {
        if (!text.empty()) text += "   ";
        text += "P" + std::to_string(p + 1) + ": " + Game::SeatLabel(Game::seats[p]);
    }
    api::SetText(seatLabel_.Get(), text + "   (1-" + std::to_string(Players()) + ": computer partner)");
}

void Selecting::Steer(float dt) {
    for (MenuPad& pad : pads_) pad.Poll(dt);
    if (phase > 2) return;
    for (int p = 0; p < Players(); ++p) {
        if (!api::KeyTriggered(static_cast<Engine::VirtualKey>('1' + p))) continue;
        Game::seats[p] = Game::NextSeat(Game::seats[p]);
        api::Play(kHover);
        ShowSeats();
    }
    const int count = phase == 1 ? kBirdCount : kLevelCount;
    for (int p = 0; p < Players(); ++p) {
        MenuPad& pad = pads_[p];
        bool next = pad.Triggered(Engine::kButtonDpadRight);
        bool previous = pad.Triggered(Engine::kButtonDpadLeft);
        if (p == 0) {
            next = api::KeyTriggered('A') || next;
            previous = api::KeyTriggered('D') || previous;
        } else if (p == 1) {
            next = api::KeyTriggered(Engine::VK_RIGHT) || next;
            previous = api::KeyTriggered(Engine::VK_LEFT) || previous;
        }
        if (next) index[p] = Wrap(index[p] + 1, count);
        if (previous) index[p] = Wrap(index[p] - 1, count);
        if (next || previous) api::Play(kHover);
    }
}

void Selecting::Place() {
    for (int p = 0; p < Players(); ++p) {
        Player& player = players_[p];
        if (phase == 1) {
            Engine::GameObj* bird = api::Find(kBirdObjects[index[p] - 1]);
            if (!bird) continue;
            api::SetPosition(player.tracker.Get(), api::Position(bird));
            api::SetTexture(player.pick.Get(), api::TextureOf(bird));
        } else {
            Engine::GameObj* level = api::Find(kLevelObjects[index[p] - 1]);
            if (!level) continue;
            api::SetPosition(player.tracker.Get(), api::Position(level) + Engine::vec2{0.0f, 1.0f});
            api::SetTexture(player.selectedMap.Get(), api::TextureOf(level));
            api::SetFrame(player.selectedMap.Get(), FrameOf(level));
        }
    }
}

void Selecting::ShowCandidate(const Pick& pick) {
    api::SetTexture(blank_.Get(), pick.texture);
    api::SetFrame(blank_.Get(), pick.frame);
}

bool Selecting::LevelOpen(int levelIndex) {
    if (levelIndex < 1 || levelIndex > kLevelCount) return false;
    const levels::LevelRow* row = levels::RowAtSlot(levels::Screen::CoopPicker, levelIndex);
    return row && api::LevelExists(row->key);
}

void Selecting::Advance() {
    // A picture without a level shows "coming soon": while a player points at
    // one, the levels cannot be taken.
    if (phase == 2)
        for (int p = 0; p < Players(); ++p)
            if (!LevelOpen(index[p])) {
                api::Play(kClosed);
                return;
            }
    api::Play(kClick);
    if (phase == 1) {
        for (int p = 0; p < 4; ++p) {
            Game::coopBirdChoices[static_cast<size_t>(p)] = index[p];
            api::SetTexture(players_[p].tracker.Get(), kTrackerSheet);
            api::SetFrame(players_[p].tracker.Get(), kTrackerFrame);
        }
        phase = 2;
        // The pointers start over on the levels.
        birdIndex_ = index;
        index = {1, 1, 1, 1};
        return;
    }
    if (phase == 2) {
        candidates.clear();
        for (int p = 0; p < 4; ++p) {
            Engine::GameObj* bird = api::Find(kBirdObjects[birdIndex_[p] - 1]);
            const Engine::graphics::Renderable2D* sprite = bird ? bird->GetSprite() : nullptr;
            Game::coopTextureChoices[static_cast<size_t>(p)] = sprite ? sprite->texture : nullptr;
        }
        for (int p = 0; p < Players(); ++p) {
            const Engine::GameObj* map = players_[p].selectedMap.Get();
            candidates.push_back({api::TextureOf(map), FrameOf(map)});
        }
        api::SetColor(blank_.Get(), 0xFFFFFFFFu);
        drawing = true;
        drawTime = 0.0f;
        shown = 0;
        phase = 3;
        return;
    }
    // Entering the level: the camera goes back to rest first, for the new level's sake.
    const Engine::vec3 view = api::CameraPosition();
    api::ResetCamera();
    const levels::LevelRow* row = levels::RowAtSlot(levels::Screen::CoopPicker, index[0]);
    if (!row || !api::LoadLevel(row->key)) api::SetCameraPosition(view);
}

void Selecting::RunDraw(float dt) {
    if (!drawing || candidates.empty()) return;
    drawTime += dt;
    if (drawTime > kDrawSeconds) {
        ShowCandidate(candidates[static_cast<size_t>(api::RandomInt(0, static_cast<int>(candidates.size()) - 1))]);
        drawing = false;
        return;
    }
    shown = (shown + 1) % candidates.size();
    ShowCandidate(candidates[shown]);
}

void Selecting::Update(float dt) {
    for (int n = 1; n <= Engine::kPlayerSlotCount; ++n)
        if (Engine::Gamepad* slot = Engine::PlayerSlot(n))
            if (slot->IsConnected()) slot->Poll();
    Steer(dt);
    if (pads_[0].Triggered(Engine::kButtonB) || api::KeyTriggered(Engine::VK_ESCAPE)) {
        // The title is laid out for the camera at rest; without a title the view stays.
        if (api::LevelExists(kTitle)) api::ResetCamera();
        if (api::LoadLevel(kTitle)) return;
    }
    if (phase == 2 && scroll <= kScrollHeight) {
        api::SetCameraPosition({0.0f, scroll + dt, 1.0f});
        scroll += kScrollSpeed * dt;
    }
    RunDraw(dt);
    Place();
    if (api::KeyTriggered('X')) Advance();
}

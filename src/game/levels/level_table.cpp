#include "game/levels/level_table.h"

#include <iterator>

#include "api/script_api.h"

namespace levels {

namespace {

const LevelRow kRows[] = {
    {api::LevelKey{"Level1"}, Mode::Egg, "The egg! It's mineee!", "Hoo? No, that's mine!", "event:/Level_BGM",
     Slots{1, 1, 1},
     {"VozedorerozCut1", "VozedorerozCut2", "VozedorerozCut3", "VozedorerozCut4"},
     true, EggRoundBirds()},
    {api::LevelKey{"Level2"}, Mode::FoodCourt, nullptr, nullptr, nullptr, Slots{0, 0, 2}, {}, true, PlainBirds()},
    {api::LevelKey{"Level4"}, Mode::Runner, "The Spaceship's Ahead!", "The ship's mine! Waaa!",
     "event:/Boss_Encounter", Slots{2, 0, 4},
     {"RudorarurozavirCut1", "RudorarurozavirCut2", "RudorarurozavirCut3", "RudorarurozavirCut4",
      "RudorarurozavirCut5"},
     true, RunnerBirds()},
    {api::LevelKey{"Zurododavad"}, Mode::Boss, "The boss? Wake him?", "Noooo!! Peck him!!!",
     "event:/Zurododavad_BGM", Slots{3, 0, 0},
     {"ZurododavadCut1", "ZurododavadCut2", "ZurododavadCut3", "ZurododavadCut4", "ZurododavadCut5"},
     true, BossArenaBirds()},
    {api::LevelKey{"PracticeRange"}, Mode::Practice, nullptr, nullptr, nullptr, Slots{0, 0, 0}, {}, true,
     PracticeBirds()},
};

// Files the rows' sounds and pictures for the content checks (the keys file
// themselves).
struct RowNames {
    RowNames() {
        for (const LevelRow& row : kRows) {
            if (row.music) api::DeclareName(api::NameKind::SoundEvent, row.music, __FILE__);
            for (const char* picture : row.storyboard) api::DeclareName(api::NameKind::Texture, picture, __FILE__);
        }
    }
} const kRowNames;

int SlotOn(const LevelRow& row, Screen screen) {
    switch (screen) {
        case Screen::LevelSelection: return row.slots.levelSelection;
        case Screen::Story: return row.slots.story;
        case Screen::CoopPicker: return row.slots.coopPicker;
    }
    return 0;
}

}  // namespace

const LevelRow* Rows() { return kRows; }
int RowCount() { return static_cast<int>(std::size(kRows)); }

const LevelRow* Current() {
    for (const LevelRow& row : kRows)
        if (api::InLevelOfKey(row.key)) return &row;
    return nullptr;
}

bool CurrentIs(Mode mode) {
    const LevelRow* row = Current();
    return row && row->mode == mode;
}

bool InPlayedLevel() { return Current() != nullptr; }

const LevelRow* RowOfKey(const std::string& key) {
    for (const LevelRow& row : kRows)
        if (key == row.key.c_str()) return &row;
    return nullptr;
}

const LevelRow* RowAtSlot(Screen screen, int slot) {
    if (slot < 1) return nullptr;
    for (const LevelRow& row : kRows)
        if (SlotOn(row, screen) == slot) return &row;
    return nullptr;
}

const char* Music() {
    const LevelRow* row = Current();
    return row && row->music ? row->music : "";
}

const char* StartMusic() {
    const char* music = Music();
    if (*music) api::Play(music);
    return music;
}

const BirdRules& CurrentBirdRules() {
    static const BirdRules kPlain = PlainBirds();
    const LevelRow* row = Current();
    return row ? row->birds : kPlain;
}

}  // namespace levels

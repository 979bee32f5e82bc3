#include "game/levels/level_table.h"

#include <iterator>

#include "api/script_api.h"

namespace levels {

namespace {

const LevelRow kRows[] = {
    {api::LevelKey{"Level1"}, Mode::Egg, "The egg! It's mineee!", "Hoo? No, that's mine!", EggRoundBirds()},
    {api::LevelKey{"Level2"}, Mode::FoodCourt, nullptr, nullptr, PlainBirds()},
    {api::LevelKey{"Level4"}, Mode::Runner, "The Spaceship's Ahead!", "The ship's mine! Waaa!", RunnerBirds()},
    {api::LevelKey{"Zurododavad"}, Mode::Boss, "The boss? Wake him?", "Noooo!! Peck him!!!", BossArenaBirds()},
    {api::LevelKey{"PracticeRange"}, Mode::Practice, nullptr, nullptr, PracticeBirds()},
};

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

const BirdRules& CurrentBirdRules() {
    static const BirdRules kPlain = PlainBirds();
    const LevelRow* row = Current();
    return row ? row->birds : kPlain;
}

}  // namespace levels

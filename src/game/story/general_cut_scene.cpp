#include "game/story/general_cut_scene.h"

#include <iostream>

#include "api/script_api.h"
#include "game/game_values.h"
#include "game/levels/level_table.h"
#include "game/menus/transition.h"
#include "game/story/story_wipe.h"

REGISTER_SCRIPT("GeneralCutScene", GeneralCutScene);

const std::array<GeneralCutScene::Result, 3> GeneralCutScene::kResults = {{
    {"Player", "Player1WinningScene"},
    {"Player2", "Player2WinningScene"},
    {"Draw", "DrawScene"},
}};

const char* const GeneralCutScene::kNoResultKey = "MainMenu_KR";

namespace {
struct TableNames {
    TableNames() {
        for (const auto& result : GeneralCutScene::kResults)
            api::DeclareName(api::NameKind::LevelKey, result.levelKey, __FILE__);
        api::DeclareName(api::NameKind::LevelKey, GeneralCutScene::kNoResultKey, __FILE__);
    }
} const kTableNames;
}  // namespace

std::vector<const char*> GeneralCutScene::PicturesFor(const std::string& levelKey) {
    const levels::LevelRow* row = levels::RowOfKey(levelKey);
    return row ? row->storyboard : std::vector<const char*>{};
}

const char* GeneralCutScene::ResultKeyFor(const std::string& winnerName) {
    for (const Result& result : kResults)
        if (winnerName == result.winnerName) return result.levelKey;
    return nullptr;
}

GeneralCutScene::~GeneralCutScene() {
    // The registry's prototype has no owner and goes at program exit, when the
    // game values may already be gone: only a storyboard that ran clears them.
    if (!owner) return;
    Game::winnerName.clear();
    Game::matchModeName.clear();
    Game::matchLevelKey.clear();
    // A draw leaves the winner tag as it was: cleared here, an earlier match's
    // winner cannot show on the next match's result sheet.
    Game::winnerTag.clear();
}

void GeneralCutScene::Init() {
    pictures = PicturesFor(Game::matchLevelKey);
    if (!pictures.empty()) api::SetTexture(owner, pictures.front());
    index = 0;
    timer = 0.0f;
    wipe_ = Story::FindWipe();
    warned_ = false;
    left_ = false;
}

void GeneralCutScene::Finish() {
    // Without a wipe the level loads at once; a load that failed has said so once.
    if (left_ && !Story::WipeOf(wipe_)) return;
    left_ = true;
    const char* key = ResultKeyFor(Game::winnerName);
    if (!key) {
        // Gameplay names the winner before it comes here; if it did not, there is
        // no result to show and no level to look up: back to the title screen.
        if (!warned_)
            std::cout << "End storyboard: no result level for the winner \"" << Game::winnerName
                      << "\", back to the main menu" << std::endl;
        warned_ = true;
        key = kNoResultKey;
    }
    Story::Leave(wipe_, key);
}

void GeneralCutScene::Update(float dt) {
    pad1_.Poll(dt);
    pad2_.Poll(dt);
    timer += dt;
    // Every source is asked, so each one's edge is taken this frame.
    const bool enter = api::KeyTriggered(Engine::VK_RETURN);
    const bool start1 = pad1_.Triggered(Engine::kButtonStart);
    const bool start2 = pad2_.Triggered(Engine::kButtonStart);
    if (enter || start1 || start2) {
        timer = kSecondsPerPicture;
        index = pictures.size();
    }
    if (timer < kSecondsPerPicture - kTimerMargin) return;

    if (index + 1 < pictures.size()) {
        ++index;
        timer = 0.0f;
        api::SetTexture(owner, pictures[index]);
        return;
    }
    // Past the last picture; asked again every update until the wipe has loaded
    // the result level.
    index = pictures.size();
    Finish();
}

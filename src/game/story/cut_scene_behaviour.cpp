#include "game/story/cut_scene_behaviour.h"

#include <cmath>
#include <iostream>

#include "api/script_api.h"
#include "game/levels/level_table.h"

REGISTER_SCRIPT("CutSceneBehaviour", CutSceneBehaviour);

const std::array<const char*, 9> CutSceneBehaviour::kPages = {
    "StoryBoardPage1", "StoryBoardPage2", "StoryBoardPage3", "StoryBoardPage4", "StoryBoardPage5",
    "StoryBoardPage6", "StoryBoardPage7", "StoryBoardPage8", "StoryBoardPage9",
};

namespace {

struct PageNames {
    PageNames() {
        for (const char* page : CutSceneBehaviour::kPages) api::DeclareName(api::NameKind::Texture, page, __FILE__);
    }
} const kPageNames;
}  // namespace

int CutSceneBehaviour::PageAt(float seconds) {
    if (seconds <= kFirstPageSeconds) return 1;
    // Page k while k < seconds <= k + 1.
    const int page = static_cast<int>(std::ceil(seconds)) - 1;
    return page < static_cast<int>(kPages.size()) ? page : static_cast<int>(kPages.size());
}

void CutSceneBehaviour::Show(int newPage) {
    if (newPage == page) return;
    page = newPage;
    api::SetTexture(owner, kPages[static_cast<size_t>(page - 1)]);
}

void CutSceneBehaviour::Leave() {
    // Tried once: a level that cannot be loaded says so once and the last page stays.
    if (leaving_) return;
    leaving_ = true;
    const levels::LevelRow* first = levels::RowAtSlot(levels::Screen::Story, 1);
    if (!first) {
        std::cout << "Opening storyboard: no level at the story's first place" << std::endl;
        return;
    }
    api::LoadLevel(first->key);
}

void CutSceneBehaviour::Update(float dt) {
    if (page == 0) Show(1);
    pad1_.Poll(dt);
    pad2_.Poll(dt);
    // Every source is asked, so each one's edge is taken this frame.
    const bool enter = api::KeyTriggered(Engine::VK_RETURN);
    const bool start1 = pad1_.Triggered(Engine::kButtonStart);
    const bool start2 = pad2_.Triggered(Engine::kButtonStart);
    if (enter || start1 || start2) {
        Leave();
        return;
    }

    timer += dt;
    if (timer > kSeconds) {
        Leave();
        return;
    }
    Show(PageAt(timer));
}

#pragma once
// The storyboard after a match: the pictures of the level just played (its
// level-table row, named by Game::matchLevelKey), one per second, then the result level of the winner
// (Game::winnerName). Enter or Start on either pad jumps to the end. When it
// is destroyed the match names are cleared, so the next match starts afresh.

#include <array>
#include <string>
#include <vector>

#include "api/menu_pad.h"
#include "api/script_api.h"

class GeneralCutScene : public Engine::ScriptBase<GeneralCutScene> {
public:
    struct Result {
        const char* winnerName;
        const char* levelKey;
    };
    static const std::array<Result, 3> kResults;
    // Where an unknown winner name leads: no result to show, back to the title.
    static const char* const kNoResultKey;

    static constexpr float kSecondsPerPicture = 1.0f;
    // Sixty frames of 1/60 s add up to a hair below one second in floats; without
    // this margin every picture would stay a sixty-first frame.
    static constexpr float kTimerMargin = 1e-4f;

    using ScriptBase::ScriptBase;
    ~GeneralCutScene() override;

    void Init() override;
    void Update(float dt) override;

    // The storyboard of the level-table row a match was played in (none for a
    // key without a row).
    static std::vector<const char*> PicturesFor(const std::string& levelKey);
    // The level-path key of the result level for a winner name.
    static const char* ResultKeyFor(const std::string& winnerName);

    std::vector<const char*> pictures;
    size_t index = 0;
    float timer = 0.0f;

private:
    void Finish();

    api::ObjectRef wipe_;
    MenuPad pad1_{1};
    MenuPad pad2_{2};
    bool warned_ = false;
    bool left_ = false;
};

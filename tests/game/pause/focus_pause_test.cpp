// Losing the window's focus pauses every played level of the level table whose
// row says so, each loaded from the game's own data, and pauses no menu.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "api/script_api.h"
#include "core/core.h"
#include "core/message.h"
#include "game/levels/level_table.h"
#include "game/menus/loading_logic.h"
#include "graphics/graphics.h"
#include "logic/game_logic.h"
#include "objects/game_object_factory.h"
#include "support/headless_engine.h"
#include "support/scratch_dir.h"

namespace {

class FocusPause : public ::testing::Test {
protected:
    FocusPause() {
        dir.CopyGameData(false);
        testing::internal::CaptureStdout();
        engine = std::make_unique<TestSupport::HeadlessEngine>();
        engine->Boot();
        testing::internal::GetCapturedStdout();
    }
    ~FocusPause() override { engine.reset(); }

    // Opens the level of `key` as the game does and runs it a moment.
    void Open(const std::string& key) {
        testing::internal::CaptureStdout();
        ASSERT_TRUE(api::LoadLevel(key)) << key;
        engine->Step(30);
        testing::internal::GetCapturedStdout();
    }
    // Whether losing the focus now pauses the game; the focus comes back after.
    bool LosingTheFocusPauses() {
        Engine::GameLogic& logic = *Engine::GameLogic::instance;
        logic.paused = false;
        Engine::FocusMessage lost(false);
        Engine::Core::instance->BroadcastMessage(&lost);
        const bool paused = logic.paused;
        Engine::FocusMessage gained(true);
        Engine::Core::instance->BroadcastMessage(&gained);
        return paused;
    }

    TestSupport::ScratchDir dir;
    std::unique_ptr<TestSupport::HeadlessEngine> engine;
};

TEST_F(FocusPause, EveryPlayedLevelPausesAsItsRowSaysAndNoMenuDoes) {
    for (int i = 0; i < levels::RowCount(); ++i) {
        const levels::LevelRow& row = levels::Rows()[i];
        SCOPED_TRACE(row.key.c_str());
        Open(row.key);
        ASSERT_EQ(levels::Current(), &row);
        EXPECT_EQ(LosingTheFocusPauses(), row.pausesOnFocusLoss);
        // Back to a menu: the level's rule ends with it.
        Open("MainMenu");
        EXPECT_EQ(levels::Current(), nullptr);
        EXPECT_FALSE(LosingTheFocusPauses());
    }
}

}  // namespace

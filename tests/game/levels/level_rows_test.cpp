// What the level table's rows decide, for every row, each level loaded from
// the game's own data: the music its load starts, and what follows its match
// (its end storyboard's pictures, or the winner's scene at once).
#include <gtest/gtest.h>

#include <string>

#include "api/script_api.h"
#include "game/game_values.h"
#include "game/levels/match_end.h"
#include "sound/audio_engine.h"
#include "support/menu_fixture.h"

namespace {

struct LevelRows : MenuFixture {
    // Opens the row's level and lets its scripts start.
    void OpenRow(const levels::LevelRow& row) {
        testing::internal::CaptureStdout();
        Open(row.key);
        testing::internal::GetCapturedStdout();
        ASSERT_EQ(levels::Current(), &row);
    }
    static std::string PathOf(const char* key) { return std::string("MapData//") + key + ".xml"; }
};

TEST_F(LevelRows, EachRowsMusicStartsWhenItsLevelLoadsAndNoOtherRowsDoes) {
    int withMusic = 0;
    for (int i = 0; i < levels::RowCount(); ++i) {
        const levels::LevelRow& row = levels::Rows()[i];
        SCOPED_TRACE(row.key.c_str());
        // Whatever the last level left playing is stopped first.
        for (int j = 0; j < levels::RowCount(); ++j)
            if (levels::Rows()[j].music) api::Stop(levels::Rows()[j].music);
        OpenRow(row);
        engine->Step();
        if (row.music) {
            ++withMusic;
            EXPECT_TRUE(Engine::IsEventPlaying(row.music)) << row.music;
        }
        for (int j = 0; j < levels::RowCount(); ++j) {
            const char* other = levels::Rows()[j].music;
            if (other && (!row.music || std::string(other) != row.music)) {
                EXPECT_FALSE(Engine::IsEventPlaying(other)) << other << " plays in " << row.key.c_str();
            }
        }
    }
    EXPECT_GT(withMusic, 0);
}

TEST_F(LevelRows, EachRowsEndingFollowsItsMatch) {
    for (int i = 0; i < levels::RowCount(); ++i) {
        const levels::LevelRow& row = levels::Rows()[i];
        if (!levels::MatchName(row.mode)) continue;  // no match, no end
        SCOPED_TRACE(row.key.c_str());
        OpenRow(row);
        levels::MatchEnd(row.mode, 2, 1);
        EXPECT_EQ(Game::matchLevelKey, row.key.c_str());
        // The first level the match leaves for.
        const std::string played = Level();
        for (int frame = 0; frame < 400 && Level() == played; ++frame) engine->Step();
        if (row.storyboard.empty()) {
            EXPECT_EQ(Level(), PathOf("Player1WinningScene")) << "the winner's scene at once";
            continue;
        }
        ASSERT_EQ(Level(), PathOf("CutScene"));
        // The row's pictures, one a second, checked half-way through each.
        engine->Step(30);
        for (const char* picture : row.storyboard) {
            EXPECT_EQ(api::TextureOf(Find("EndStoryBoard")), picture);
            engine->Step(60);
        }
        EXPECT_TRUE(StepUntilLevel(PathOf("Player1WinningScene")));
    }
}

}  // namespace

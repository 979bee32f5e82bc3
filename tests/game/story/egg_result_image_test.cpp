// The egg match's end drawn for real: once the match is decided, the winner's
// result sheet covers the whole level, its heads-up display included, in the
// winning player's colour. With TOLVEX_RESULT_SHOT set to a file path the frame
// is drawn at the game's 1280 x 720 and also written there as a binary PPM (the
// README's screenshot); otherwise at 640 x 360, which draws much faster.
#include <cstdlib>
#include <functional>

#include "api/script_api.h"
#include "game/game_values.h"
#include "objects/game_object_factory.h"
#include "support/drawn_game.h"

namespace {

using TestSupport::Rgba;

bool IsRedSheet(const Rgba& c) { return c.r > 190 && c.g < 120 && c.b < 120; }
bool IsBlueSheet(const Rgba& c) { return c.b > 190 && c.r < 120; }

class EggResultImageTest : public ::testing::Test {
protected:
    void SetUp() override {
        shotPath = std::getenv("TOLVEX_RESULT_SHOT");
        const int width = shotPath ? 1280 : 640;
        const int height = shotPath ? 720 : 360;
        game = std::make_unique<TestSupport::DrawnGame>(width, height);
        if (!game->ok()) GTEST_SKIP() << "no GL window: " << game->error();
        window = &game->window();
        engine = &game->engine();
        engine->factory().LoadLevel("MapData//Level1.xml");
        engine->Step(90);  // the wipe opens the screen
    }
    void TearDown() override { game.reset(); }
    // How many points of a grid over the world box (x0..x1, y0..y1) pass `test`.
    int Count(float x0, float x1, float y0, float y1, const std::function<bool(const Rgba&)>& test) const {
        return window->CountWorld(x0, x1, y0, y1, test, 0.5f);
    }

    const char* shotPath = nullptr;
    std::unique_ptr<TestSupport::DrawnGame> game;
    TestSupport::GlWindow* window = nullptr;
    TestSupport::HeadlessEngine* engine = nullptr;
};

TEST_F(EggResultImageTest, PlayerOnesWinCoversTheWholeLevelInRed) {
    // The heads-up corners (portraits, stamina) and the field show no sheet yet.
    const int before = Count(-15.5f, -11.0f, 6.0f, 8.5f, IsRedSheet) + Count(-4.0f, 4.0f, -7.0f, -3.0f, IsRedSheet);
    Game::RecordMatchResult("Vozedoreroz", 2, 0);
    engine->Step(2);
    if (shotPath) window->SavePpm(shotPath);
    // Player 2's corner, the field and the foot of the screen: all the red sheet now.
    EXPECT_GE(Count(11.0f, 15.5f, 6.0f, 8.5f, IsRedSheet), 40) << "the heads-up corner shows through";
    EXPECT_GE(Count(-4.0f, 4.0f, -7.0f, -3.0f, IsRedSheet), 60);
    EXPECT_GT(Count(-4.0f, 4.0f, -7.0f, -3.0f, IsRedSheet) + Count(-15.5f, -11.0f, 6.0f, 8.5f, IsRedSheet), before);
    EXPECT_EQ(Count(-15.5f, 15.5f, -8.5f, 8.5f, IsBlueSheet), 0) << "player 2's colour on player 1's win";
    // What the match spawned (the birds' markers, the egg's health bar) lies under the sheet too.
    for (const char* spawned : {"Team1_Icon", "Team2_Icon", "HealthBar"}) {
        const Engine::GameObj* object = api::Find(spawned);
        ASSERT_NE(object, nullptr) << spawned;
        const Engine::vec2 at = api::Position(object);
        EXPECT_TRUE(IsRedSheet(window->WorldPixel(at.x, at.y))) << spawned << " shows through the sheet";
    }
}

TEST_F(EggResultImageTest, PlayerTwosWinIsBlue) {
    Game::RecordMatchResult("Vozedoreroz", 0, 2);
    engine->Step(2);
    EXPECT_GE(Count(-4.0f, 4.0f, -7.0f, -3.0f, IsBlueSheet), 60);
    EXPECT_GE(Count(-15.5f, -11.0f, 6.0f, 8.5f, IsBlueSheet), 40) << "player 1's heads-up corner shows through";
}

}  // namespace

// A result level drawn for real: the winner's own bird stands in the middle of
// the backdrop of the winning player's colour, and the draw shows the egg.
#include <functional>

#include "game/game_values.h"
#include "graphics/graphics.h"
#include "objects/game_object_factory.h"
#include "support/drawn_game.h"

namespace {

using TestSupport::Rgba;

bool IsGreenBird(const Rgba& c) { return c.g > 200 && c.r < 190 && c.b < 170; }    // VadozaVaza
bool IsRedBird(const Rgba& c) { return c.r > 200 && c.g < 150 && c.b < 150; }      // DovaDizavov
bool IsEggShell(const Rgba& c) { return c.r > 225 && c.g > 210 && c.b > 170; }     // the egg, cream
bool IsRedBackdrop(const Rgba& c) { return c.r > 190 && c.g < 120 && c.b < 120; }
bool IsBlueBackdrop(const Rgba& c) { return c.b > 190 && c.r < 120; }
bool IsPurpleBackdrop(const Rgba& c) { return c.r > 80 && c.r < 150 && c.b > 120 && c.g < c.r; }

class ResultSceneImageTest : public ::testing::Test {
protected:
    static constexpr int kWidth = 640;
    static constexpr int kHeight = 360;

    void SetUp() override {
        game = std::make_unique<TestSupport::DrawnGame>(kWidth, kHeight);
        if (!game->ok()) GTEST_SKIP() << "no GL window: " << game->error();
        window = &game->window();
        engine = &game->engine();
    }
    void TearDown() override {
        game.reset();
    }
    void Show(const char* key) {
        engine->factory().LoadLevel(Engine::GameObjectFactory::instance->levelPaths[key]);
        engine->Step(90);  // the wipe opens the screen
    }
    // How many points of a grid over the world box (x0..x1, y0..y1) pass `test`.
    int Count(float x0, float x1, float y0, float y1, const std::function<bool(const Rgba&)>& test) const {
        return window->CountWorld(x0, x1, y0, y1, test);
    }
    // Points along the left and right edges, away from the title, podium and prompt.
    int EdgeCount(const std::function<bool(const Rgba&)>& test) const {
        return Count(-15.5f, -12.5f, -3.0f, 3.0f, test) + Count(12.5f, 15.5f, -1.0f, 3.0f, test);
    }

    std::unique_ptr<TestSupport::DrawnGame> game;
    TestSupport::GlWindow* window = nullptr;
    TestSupport::HeadlessEngine* engine = nullptr;
};

TEST_F(ResultSceneImageTest, PlayerOnesBirdStandsOnRed) {
    Game::player1Character = 2;
    Game::player2Character = 3;
    Show("Player1WinningScene");
    EXPECT_GE(Count(-2.0f, 2.0f, -3.5f, 0.5f, IsGreenBird), 20) << "the green winner is not in the middle";
    EXPECT_GE(EdgeCount(IsRedBackdrop), 60);
    EXPECT_EQ(EdgeCount(IsBlueBackdrop), 0);
}

TEST_F(ResultSceneImageTest, PlayerTwosBirdStandsOnBlue) {
    Game::player1Character = 2;
    Game::player2Character = 3;
    Show("Player2WinningScene");
    EXPECT_GE(Count(-2.0f, 2.0f, -3.5f, 0.5f, IsRedBird), 20) << "the red winner is not in the middle";
    // A few confetti pieces share the birds' colours; a bird covers far more.
    EXPECT_LT(Count(-2.0f, 2.0f, -3.5f, 0.5f, IsGreenBird), 10) << "the loser's colours are shown";
    EXPECT_GE(EdgeCount(IsBlueBackdrop), 60);
    EXPECT_EQ(EdgeCount(IsRedBackdrop), 0);
}

TEST_F(ResultSceneImageTest, TheDrawShowsTheEggOnPurple) {
    Game::player1Character = 2;
    Game::player2Character = 3;
    Show("DrawScene");
    EXPECT_GE(Count(-1.0f, 1.0f, -2.5f, 0.0f, IsEggShell), 20);
    EXPECT_LT(Count(-2.0f, 2.0f, -3.5f, 0.5f, IsGreenBird) + Count(-2.0f, 2.0f, -3.5f, 0.5f, IsRedBird), 10)
        << "a bird on the draw";
    EXPECT_GE(EdgeCount(IsPurpleBackdrop), 60);
}

}  // namespace

// The bird selection drawn for real: player 1's red frame and player 2's blue
// frame stand on their portraits, and a move carries the frame along.
#include <SDL.h>

#include "graphics/graphics.h"
#include "graphics/mouse_world.h"
#include "objects/game_obj.h"
#include "objects/game_object_factory.h"
#include "support/drawn_game.h"

namespace {

using TestSupport::Rgba;

bool IsRed(const Rgba& c) { return c.r > 180 && c.g < 100 && c.b < 100; }
bool IsBlue(const Rgba& c) { return c.b > 170 && c.r < 90 && c.g < 160; }

class CharacterSelectionImageTest : public ::testing::Test {
protected:
    static constexpr int kWidth = 640;
    static constexpr int kHeight = 360;

    void SetUp() override {
        game = std::make_unique<TestSupport::DrawnGame>(kWidth, kHeight);
        if (!game->ok()) GTEST_SKIP() << "no GL window: " << game->error();
        window = &game->window();
        engine = &game->engine();
        engine->factory().LoadLevel(Engine::GameObjectFactory::instance->levelPaths["BirdSelectionScreen"]);
        engine->Step(90);  // the wipe opens the screen
    }
    void TearDown() override {
        game.reset();
    }

    // Counts red and blue pixels along the frame's ring around a portrait: the
    // ring between the portrait's edge and the cursor's edge.
    void RingColours(const char* portrait, int& red, int& blue) {
        const Engine::GameObj* object = Engine::GameObj::FindObject(portrait);
        ASSERT_NE(object, nullptr) << portrait;
        using Engine::graphics::ClientToWorld;
        const auto origin = ClientToWorld(0, 0, kWidth, kHeight);
        const auto unit = ClientToWorld(1, 1, kWidth, kHeight);
        red = blue = 0;
        const float cx = object->transform->position.x, cy = object->transform->position.y;
        // Down the left and right sides, at 1.37 units from the centre: inside a 3-unit frame.
        for (int side : {-1, 1})
            for (int j = -8; j <= 8; ++j) {
                const double x = cx + side * 1.37;
                const double y = cy + j * 0.12;
                const Rgba c = window->Pixel(static_cast<int>((x - origin.x) / (unit.x - origin.x)),
                                             static_cast<int>((y - origin.y) / (unit.y - origin.y)));
                red += IsRed(c);
                blue += IsBlue(c);
            }
    }

    std::unique_ptr<TestSupport::DrawnGame> game;
    TestSupport::GlWindow* window = nullptr;
    TestSupport::HeadlessEngine* engine = nullptr;
};

TEST_F(CharacterSelectionImageTest, EachPlayersFrameIsDrawnOnItsPortraitAndFollowsTheMoves) {
    int red = 0, blue = 0;
    RingColours("DovaDizavovPortrait", red, blue);
    EXPECT_GT(red, 10) << "player 1's red frame on DovaDizavov";
    EXPECT_LT(blue, 3);
    RingColours("RoziDoroPortrait", red, blue);
    EXPECT_GT(blue, 10) << "player 2's blue frame on RoziDoro";
    EXPECT_LT(red, 3);
    RingColours("DoruZuvoPortrait", red, blue);
    EXPECT_LT(red + blue, 3) << "no frame on DoruZuvo yet";

    engine->keys().Press(Engine::VK_RIGHT);
    engine->Step();
    engine->keys().Release(Engine::VK_RIGHT);
    engine->Step(3);
    RingColours("DoruZuvoPortrait", red, blue);
    EXPECT_GT(blue, 10) << "player 2's frame moved on";
    RingColours("RoziDoroPortrait", red, blue);
    EXPECT_LT(red + blue, 3);
}

}  // namespace

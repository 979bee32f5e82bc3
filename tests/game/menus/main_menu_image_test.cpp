// The main menu drawn for real: the selected entry is red, the others blue, and
// moving the selection moves the red.
#include <SDL.h>

#include "graphics/graphics.h"
#include "graphics/mouse_world.h"
#include "input/virtual_keys.h"
#include "objects/game_obj.h"
#include "objects/game_object_factory.h"
#include "support/drawn_game.h"

namespace {

using TestSupport::Rgba;

bool IsRed(const Rgba& c) { return c.r > 180 && c.g < 110 && c.b < 110; }
bool IsBlue(const Rgba& c) { return c.b > 150 && c.r < 120; }

class MainMenuImageTest : public ::testing::Test {
protected:
    static constexpr int kWidth = 640;
    static constexpr int kHeight = 360;

    void SetUp() override {
        game = std::make_unique<TestSupport::DrawnGame>(kWidth, kHeight);
        if (!game->ok()) GTEST_SKIP() << "no GL window: " << game->error();
        window = &game->window();
        engine = &game->engine();
        engine->factory().LoadLevel(Engine::GameObjectFactory::instance->levelPaths["MainMenu_KR"]);
        engine->Step(90);  // the wipe opens the screen
    }
    void TearDown() override {
        game.reset();
    }

    enum class Shade { Red, Blue, Unclear };

    // Which colour fills the named entry: samples a grid over its inner part (its
    // lettering is white, its outline dark) and takes the clear majority.
    Shade ShadeOf(const std::string& objectName) {
        const Engine::GameObj* object = Engine::GameObj::FindObject(objectName);
        EXPECT_NE(object, nullptr) << objectName;
        if (!object) return Shade::Unclear;
        // Invert the window's pixel-to-world map, which is affine.
        using Engine::graphics::ClientToWorld;
        const auto origin = ClientToWorld(0, 0, kWidth, kHeight);
        const auto unit = ClientToWorld(1, 1, kWidth, kHeight);
        int red = 0, blue = 0;
        for (int i = -4; i <= 4; ++i)
            for (int j = -2; j <= 2; ++j) {
                const double x = object->transform->position.x + object->transform->scale.x * 0.1 * i;
                const double y = object->transform->position.y + object->transform->scale.y * 0.15 * j;
                const Rgba c = window->Pixel(static_cast<int>((x - origin.x) / (unit.x - origin.x)),
                                             static_cast<int>((y - origin.y) / (unit.y - origin.y)));
                red += IsRed(c);
                blue += IsBlue(c);
            }
        if (red > 2 * blue && red >= 10) return Shade::Red;
        if (blue > 2 * red && blue >= 10) return Shade::Blue;
        ADD_FAILURE() << objectName << ": " << red << " red and " << blue << " blue samples";
        return Shade::Unclear;
    }

    std::unique_ptr<TestSupport::DrawnGame> game;
    TestSupport::GlWindow* window = nullptr;
    TestSupport::HeadlessEngine* engine = nullptr;
};

TEST_F(MainMenuImageTest, TheSelectedEntryIsDrawnRed) {
    EXPECT_EQ(ShadeOf("Play"), Shade::Red);
    for (const char* other : {"Practice", "HowToPlay", "Option", "Credits", "Quit"})
        EXPECT_EQ(ShadeOf(other), Shade::Blue) << other;

    engine->keys().Press('S');
    engine->Step();
    engine->keys().Release('S');
    engine->Step(3);
    EXPECT_EQ(ShadeOf("Play"), Shade::Blue);
    EXPECT_EQ(ShadeOf("Practice"), Shade::Red);
}

}  // namespace

#pragma once
// A level drawn for real: the object factory, the game logic and the graphics
// system on the test's GL window, over a scratch folder with the shaders and fonts.

#include <memory>
#include <string>

#include "core/core.h"
#include "graphics/graphics.h"
#include "logic/game_logic.h"
#include "objects/game_object_factory.h"
#include "support/gl_window_fixture.h"
#include "support/scratch_dir.h"

class LevelSceneTest : public TestSupport::GlWindowTest {
protected:
    // Writes the texture list and the level, builds the systems and loads the level
    // with the camera at the origin and zoom 1 (10 pixels a world unit).
    void StartScene(const std::string& textureList, const std::string& levelPath, const std::string& level);
    void TearDown() override;

    // Pixels whose centre lies strictly inside the world rectangle and that are red
    // enough: red above `minRed`, green and blue below `maxOther`.
    int RedPixels(float x0, float x1, float y0, float y1, int minRed, int maxOther) const;

    TestSupport::ScratchDir scratch;
    std::unique_ptr<Engine::Core> core;
    std::unique_ptr<Engine::graphics::Graphics> graphics;
    std::unique_ptr<Engine::GameObjectFactory> factory;
    std::unique_ptr<Engine::GameLogic> logic;
};

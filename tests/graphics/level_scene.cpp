#include "level_scene.h"

void LevelSceneTest::StartScene(const std::string& textureList, const std::string& levelPath,
                                const std::string& level) {
    TestSupport::PrepareRenderFiles(scratch);
    scratch.Write("Objects/Textures/Texture.xml", textureList);
    scratch.Write(levelPath, level);
    core = std::make_unique<Engine::Core>();
    graphics = std::make_unique<Engine::graphics::Graphics>(window->handle(), kWidth, kHeight, "");
    graphics->showSetupFailure = nullptr;
    factory = std::make_unique<Engine::GameObjectFactory>();
    logic = std::make_unique<Engine::GameLogic>();
    logic->boot = false;
    // What the wiring connects: the level listeners and the objects the animators walk.
    factory->AddLevelListener(logic.get());
    factory->AddLevelListener(graphics.get());
    graphics->SetLiveObjects(factory.get());
    core->Register(factory.get());
    core->Register(logic.get());
    core->Register(graphics.get());
    ASSERT_TRUE(core->Initialize());
    graphics->Resize(0, 0, kWidth, kHeight);  // as the window does: camera at the origin, zoom 1
    factory->LoadLevel(levelPath);
}

void LevelSceneTest::TearDown() {
    logic.reset();
    factory.reset();
    graphics.reset();
    core.reset();
    GlWindowTest::TearDown();
}

int LevelSceneTest::RedPixels(float x0, float x1, float y0, float y1, int minRed, int maxOther) const {
    int count = 0;
    for (int py = 0; py < kHeight; ++py)
        for (int px = 0; px < kWidth; ++px) {
            const float x = (px + 0.5f) / 10.0f - 16.0f, y = 9.0f - (py + 0.5f) / 10.0f;
            if (x <= x0 || x >= x1 || y <= y0 || y >= y1) continue;
            const TestSupport::Rgba c = window->Pixel(px, py);
            if (c.r > minRed && c.g < maxOther && c.b < maxOther) ++count;
        }
    return count;
}

#pragma once
// A graphics system on a real GL window in a scratch folder, with the main
// camera at the origin and zoom 1, and quads placed in its world layer.

#include <memory>
#include <vector>

#include "graphics/camera.h"
#include "graphics/graphics.h"
#include "graphics/renderable2d.h"
#include "support/gl_window_fixture.h"
#include "support/scratch_dir.h"

namespace TestSupport {

class DrawingTest : public GlWindowTest {
protected:
    void SetUp() override {
        GlWindowTest::SetUp();
        if (IsSkipped()) return;
        PrepareRenderFiles(scratch);
        graphics = std::make_unique<Engine::graphics::Graphics>(window->handle(), kWidth, kHeight, "");
        graphics->showSetupFailure = nullptr;
        ASSERT_TRUE(graphics->Initialize());
        graphics->camera->ResetView();  // the main camera at the origin, zoom 1
    }
    void TearDown() override {
        owned.clear();
        graphics.reset();
        GlWindowTest::TearDown();
    }

    // A w x h quad centred on (x, y) in the world layer.
    Engine::graphics::Renderable2D* Quad(float x, float y, float w, float h, uint32_t color) {
        auto sprite = std::make_unique<Engine::graphics::Sprite>(x, y);
        sprite->SetSize(w, h);
        sprite->color = color;
        sprite->SetPosition({x, y, 0.0f});
        graphics->AddRenderable(sprite.get());
        owned.push_back(std::move(sprite));
        return owned.back().get();
    }

    ScratchDir scratch;
    std::unique_ptr<Engine::graphics::Graphics> graphics;
    std::vector<std::unique_ptr<Engine::graphics::Renderable2D>> owned;
};

}  // namespace TestSupport

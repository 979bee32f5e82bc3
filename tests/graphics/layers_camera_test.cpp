// Layers, the editor grid, the camera and its shake, headless.

#include <gtest/gtest.h>

#include <memory>

#include "graphics/camera.h"
#include "graphics/font.h"
#include "graphics/graphics.h"
#include "graphics/label.h"
#include "graphics/layer.h"
#include "graphics/particle_system.h"
#include "graphics/renderable2d.h"

using namespace Engine;
using namespace Engine::graphics;

namespace {

class HeadlessGraphicsTest : public ::testing::Test {
protected:
    void SetUp() override {
        testing::internal::CaptureStdout();  // the game's font files are absent here
        graphics = std::make_unique<Graphics>(nullptr, 1280, 720, "");
        testing::internal::GetCapturedStdout();
        ASSERT_TRUE(graphics->Initialize());
    }
    std::unique_ptr<Graphics> graphics;
};

TEST_F(HeadlessGraphicsTest, InitializeBuildsFourLayersAndTheGridWithoutGl) {
    EXPECT_FALSE(graphics->hasGl());
    EXPECT_EQ(graphics->mainLayers.size(), 2u);
    EXPECT_EQ(graphics->overlayLayers.size(), 2u);
    EXPECT_EQ(graphics->gridLayer()->lines.size(), 252u);
    EXPECT_TRUE(graphics->Initialize());
    EXPECT_EQ(graphics->gridLayer()->lines.size(), 252u) << "a second Initialize does nothing";
}

TEST_F(HeadlessGraphicsTest, ClearLayersKeepsHiddenRenderablesAndParticles) {
    Sprite a(0, 0), b(0, 0), hidden(0, 0), c(0, 0);
    Particles particle(0, 0, 0, 0);
    hidden.hidden = true;
    Layer* world = graphics->worldLayer();
    for (Renderable2D* r : {static_cast<Renderable2D*>(&a), static_cast<Renderable2D*>(&b),
                            static_cast<Renderable2D*>(&hidden), static_cast<Renderable2D*>(&particle),
                            static_cast<Renderable2D*>(&c)})
        world->Add(r);
    auto owned = std::make_unique<Sprite>(0, 0);
    Renderable2D* ownedRaw = owned.get();
    world->Adopt(std::move(owned));
    graphics->particleSystems.push_back(nullptr);

    graphics->ClearLayers();
    EXPECT_EQ(world->renderables, (std::vector<Renderable2D*>{&hidden, &particle}));
    EXPECT_FALSE(world->Owns(ownedRaw));
    EXPECT_TRUE(graphics->particleSystems.empty());
}

TEST_F(HeadlessGraphicsTest, DestroyedRenderableLeavesItsLayer) {
    Layer* world = graphics->worldLayer();
    {
        Sprite temporary(0, 0);
        graphics->AddRenderable(&temporary);
        ASSERT_EQ(world->renderables.size(), 1u);
    }
    EXPECT_TRUE(world->renderables.empty());
    Sprite stranger(0, 0);
    world->Remove(&stranger);  // not in the layer: nothing happens
    EXPECT_TRUE(world->renderables.empty());
}

TEST_F(HeadlessGraphicsTest, SortLayersOrdersByOrderAndParticlesStayOutOfTheWorld) {
    Sprite back(0, 0), front(0, 0);
    Particles particle(0, 0, 0, 0);
    front.order = 3;
    back.order = -1;
    graphics->AddRenderable(&front);
    graphics->AddRenderable(&back);
    graphics->AddRenderable(&particle);
    graphics->SortLayers();
    EXPECT_EQ(graphics->worldLayer()->renderables, (std::vector<Renderable2D*>{&back, &front}));
}

TEST_F(HeadlessGraphicsTest, LabelWithUnknownFontFallsBackToArialAtTheRequestedSize) {
    testing::internal::CaptureStdout();
    Label label(1, 2, "NoSuchFont", 48, 0xFFFFFFFF, "text");
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(out.rfind("Null font! Font= NoSuchFont\n", 0), 0u) << out;
    ASSERT_NE(label.font, nullptr);
    EXPECT_EQ(label.font->name, "Arial");
    EXPECT_EQ(label.font->size, 48u);
    EXPECT_EQ(graphics->worldLayer()->renderables.back(), &label) << "labels add themselves";
}

TEST_F(HeadlessGraphicsTest, ShiftGridMovesOnlyTheFineGrid) {
    Layer* grid = graphics->gridLayer();
    const std::vector<Line> before = grid->lines;
    graphics->ShiftGrid(true);
    const Line& fine = grid->lines[0];  // horizontal, 32 long
    EXPECT_FLOAT_EQ(fine.startX, before[0].startX - 0.5f);
    EXPECT_FLOAT_EQ(fine.endX, before[0].endX + 0.5f);
    EXPECT_FLOAT_EQ(fine.startY, before[0].startY - 0.3f);
    for (size_t i = before.size() - 52; i < before.size(); ++i) {
        EXPECT_EQ(grid->lines[i].startX, before[i].startX);
        EXPECT_EQ(grid->lines[i].startY, before[i].startY);
    }
    graphics->RedrawGrid();
    EXPECT_EQ(grid->lines.size(), 252u);
    EXPECT_EQ(grid->lines[0].startY, before[0].startY);
}

TEST(CameraTest, PositionZoomAndReset) {
    Camera camera({0.0f, -3.8f, 1.0f}, 1.5f);
    EXPECT_EQ(Camera::main, &camera);
    EXPECT_FLOAT_EQ(camera.projection.elements[0], 2.0f / 1.5f);
    camera.SetPosition({3, 2, 1});
    EXPECT_EQ(camera.eye, vec3(-3, -2, 1));
    EXPECT_EQ(camera.view.elements[12], -3.0f);
    EXPECT_EQ(camera.view.elements[13], -2.0f);
    EXPECT_EQ(camera.view.elements[14], 1.0f);
    camera.ResetView();
    EXPECT_EQ(camera.projection.elements[0], 2.0f);
    EXPECT_EQ(camera.projection.elements[5], 2.0f);
    EXPECT_EQ(camera.eye, vec3(0, 0, 1));
}

TEST(CameraTest, ShakeSwingsBothWaysAndEndsWithAReset) {
    Camera camera({0.0f, 0.0f, 1.0f}, 1.0f);
    CameraShake shake;
    const float dt = 1.0f / 60.0f;
    std::vector<float> xs;
    int frames = 0;
    while (frames < 400) {
        shake.Shake({1, 1, 0}, 2, 2.99f, dt);
        ++frames;
        xs.push_back(camera.Position().x);
        if (shake.needsBase) break;
    }
    ASSERT_GT(xs.size(), 7u);
    EXPECT_NEAR(xs[0], dt, 1e-6);
    EXPECT_NEAR(xs[1], 2 * dt, 1e-6);
    EXPECT_NEAR(xs[2], 3 * dt, 1e-6);
    EXPECT_NEAR(xs[3], -dt, 1e-6) << "back to the base, then the other way";
    EXPECT_NEAR(xs[5], -3 * dt, 1e-6);
    EXPECT_NEAR(xs[6], dt, 1e-6);
    EXPECT_NEAR(frames * dt, 2.99f, 2 * dt) << "ends in the frame the time passes the duration";
    EXPECT_EQ(camera.eye, vec3(0, 0, 1));
    EXPECT_EQ(camera.zoom, 1.0f);
}

}  // namespace

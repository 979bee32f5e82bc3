// Draws small scenes on a real GL window and checks colours at known points.

#include <GL/glew.h>
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>

#include "graphics/animator.h"
#include "graphics/batch_renderer2d.h"
#include "graphics/camera.h"
#include "graphics/graphics.h"
#include "graphics/label.h"
#include "graphics/layer.h"
#include "graphics/renderable2d.h"
#include "graphics/shader.h"
#include "graphics/texture.h"
#include "drawing_fixture.h"
#include "test_images.h"

using namespace Engine;
using namespace Engine::graphics;
using TestSupport::Near;
using TestSupport::Rgba;
using namespace TestImages;

namespace {

class RenderSceneTest : public TestSupport::DrawingTest {
protected:
    std::unique_ptr<Texture> LoadTexture(const std::string& path, int columns, int rows) {
        return std::make_unique<Texture>(path, columns, rows, columns * rows, true);
    }
    // A square sprite of `size` centred at (x, y) on `layer`, kept alive in `quads`.
    static void AddSquare(Layer& layer, std::vector<std::unique_ptr<Sprite>>& quads, float x, float y, float size,
                          uint32_t color, Texture* texture) {
        auto quad = std::make_unique<Sprite>(0.0f, 0.0f);
        quad->SetSize(size, size);
        quad->color = color;
        quad->SetPosition({x, y, 0.0f});
        if (texture) quad->SetTexture(texture);
        layer.Add(quad.get());
        quads.push_back(std::move(quad));
    }
    // Makes the shader's main program current with no camera.
    static void UseIdentityView(const Shader& shader) {
        glUseProgram(shader.program());
        glUniformMatrix4fv(glGetUniformLocation(shader.program(), "vw_matrix"), 1, GL_FALSE,
                           mat4::identity().elements);
    }
};

TEST_F(RenderSceneTest, SceneOfEveryKindOfQuadLandsWhereItIsPlaced) {
    auto photo = LoadTexture(WriteImage("photo.tga", 8, 8, [](int, int y) { return y < 4 ? kGreen : kBlue; }), 1, 1);
    const Rgba sheetCells[4] = {kRed, kGreen, kBlue, kWhite};
    auto sheet = LoadTexture(WriteImage("sheet.tga", 16, 4, [&](int x, int) { return sheetCells[x / 4]; }), 4, 1);
    // Two cells, each with a left and a right half.
    auto halves = LoadTexture(WriteImage("halves.tga", 8, 4,
                                         [](int x, int) {
                                             const Rgba cells[4] = {kRed, kGreen, kBlue, kWhite};
                                             return cells[x / 2];
                                         }),
                              2, 1);

    Quad(-12, 6, 2, 2, 0xFF0000FF);                      // plain red quad
    Quad(-6, 6, 4, 4, 0xFFFFFFFF)->SetTexture(photo.get());  // top green, bottom blue
    Renderable2D* cell = Quad(0, 6, 3, 3, 0xFFFFFFFF);
    cell->SetTexture(sheet.get());
    cell->SetFrame(2, 2);  // the blue cell
    Renderable2D* mirrored = Quad(6, 6, 4, 4, 0xFFFFFFFF);
    mirrored->SetTexture(halves.get());
    mirrored->SetFrame(1, 2);
    Animator animator(mirrored);
    animator.facing = false;
    animator.frameTime = 0.1f;
    animator.Update(0.1f);  // cell 0 (red | green), mirrored
    Renderable2D* rotated = Quad(12, 6, 6, 1, 0xFF00FFFF);  // yellow bar
    rotated->SetRotation(90.0f);
    rotated->SetRotation(90.0f);  // turning again in place does not move it
    Label label(-8.0f, -4.0f, "Arial", 32, 0xFF0000FF, "HHHH");
    graphics->worldLayer()->AddLine(-14, -7, 14, -7, 0xFF00FF00, 0.2f);

    graphics->DrawFrame(0.0f);

    EXPECT_TRUE(Near(window->WorldPixel(-12, 6), 255, 0, 0));
    EXPECT_TRUE(Near(window->WorldPixel(-14.5f, 6), 0, 0, 0)) << "nothing outside the quad";
    EXPECT_TRUE(Near(window->WorldPixel(-6, 7), 0, 255, 0)) << "the image's top row is at the top";
    EXPECT_TRUE(Near(window->WorldPixel(-6, 5), 0, 0, 255));
    EXPECT_TRUE(Near(window->WorldPixel(0, 6), 0, 0, 255)) << "sheet cell 2";
    EXPECT_TRUE(Near(window->WorldPixel(5, 6), 0, 255, 0)) << "mirrored: the right half on the left";
    EXPECT_TRUE(Near(window->WorldPixel(7, 6), 255, 0, 0));
    EXPECT_TRUE(Near(window->WorldPixel(12, 8), 255, 255, 0)) << "rotated bar stands upright";
    EXPECT_TRUE(Near(window->WorldPixel(14, 6), 0, 0, 0));
    EXPECT_TRUE(Near(window->WorldPixel(0, -7), 0, 255, 0)) << "line";

    // The label's glyphs sit right of x - 1.5 and above y - 0.25.
    int red = 0, elsewhere = 0;
    for (int py = 0; py < kHeight; ++py)
        for (int px = 0; px < kWidth; ++px) {
            const float x = px / 10.0f - 16.0f, y = 9.0f - py / 10.0f;
            const Rgba c = window->Pixel(px, py);
            if (c.r < 128 || c.g > 64 || c.b > 64) continue;
            if (x > -9.6f && x < -5.5f && y > -4.3f && y < -3.3f)
                ++red;
            else if (y < -1.0f)
                ++elsewhere;
        }
    EXPECT_GT(red, 20);
    EXPECT_EQ(elsewhere, 0);
}

TEST_F(RenderSceneTest, ThirtyThirdTextureFlushesAndTakesSlotOne) {
    std::vector<std::unique_ptr<Texture>> textures;
    for (int i = 0; i < 33; ++i)
        textures.push_back(LoadTexture(WriteSolid("t" + std::to_string(i) + ".tga", i < 32 ? kWhite : kGreen), 1, 1));
    std::vector<std::unique_ptr<Sprite>> quads;
    for (int i = 0; i < 33; ++i) {
        auto quad = std::make_unique<Sprite>(0.0f, 0.0f);
        quad->SetSize(0.8f, 0.8f);
        quad->color = 0xFFFFFFFF;
        quad->SetPosition({-15.0f + static_cast<float>(i) * 0.9f, 0.0f, 0.0f});
        quad->SetTexture(textures[static_cast<size_t>(i)].get());
        quads.push_back(std::move(quad));
    }
    graphics->SetUniforms();
    auto* renderer = static_cast<BatchRenderer2D*>(graphics->worldLayer()->renderer());
    glClear(GL_COLOR_BUFFER_BIT);
    glUseProgram(graphics->shaders[0]->program());
    const size_t drawsBefore = renderer->drawCalls;
    renderer->begin();
    for (int i = 0; i < 32; ++i) renderer->submit(quads[static_cast<size_t>(i)].get());
    EXPECT_EQ(renderer->textureSlots.size(), 32u);
    EXPECT_EQ(renderer->drawCalls, drawsBefore);
    renderer->submit(quads[32].get());
    EXPECT_EQ(renderer->drawCalls, drawsBefore + 1) << "the first 32 textures were drawn";
    ASSERT_EQ(renderer->textureSlots.size(), 1u);
    EXPECT_EQ(renderer->textureSlots[0], textures[32]->id);
    EXPECT_EQ(renderer->indexCount, 6);
    renderer->end();
    Vertex first{};
    glBindBuffer(GL_ARRAY_BUFFER, renderer->vertexBuffer());
    glGetBufferSubData(GL_ARRAY_BUFFER, 0, sizeof(Vertex), &first);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    EXPECT_EQ(first.tid, 1.0f);
    renderer->flush();

    EXPECT_TRUE(Near(window->WorldPixel(-15.0f, 0.0f), 255, 255, 255));
    EXPECT_TRUE(Near(window->WorldPixel(-15.0f + 32 * 0.9f, 0.0f), 0, 255, 0));
}

TEST_F(RenderSceneTest, QuadsBeyondTheBatchCapacityAreDrawnInANewBatch) {
    Sprite many(0.0f, 0.0f), last(0.0f, 0.0f);
    many.SetSize(2, 2);
    many.color = 0xFF0000FF;
    many.SetPosition({-8, 0, 0});
    last.SetSize(2, 2);
    last.color = 0xFF00FF00;
    last.SetPosition({8, 0, 0});
    graphics->SetUniforms();
    auto* renderer = static_cast<BatchRenderer2D*>(graphics->worldLayer()->renderer());
    glClear(GL_COLOR_BUFFER_BIT);
    glUseProgram(graphics->shaders[0]->program());
    const size_t drawsBefore = renderer->drawCalls;
    renderer->begin();
    for (size_t i = 0; i < kMaxQuads; ++i) renderer->submit(&many);
    renderer->submit(&last);
    renderer->end();
    renderer->flush();
    EXPECT_EQ(renderer->drawCalls, drawsBefore + 2);
    EXPECT_TRUE(Near(window->WorldPixel(-8, 0), 255, 0, 0));
    EXPECT_TRUE(Near(window->WorldPixel(8, 0), 0, 255, 0)) << "the 60,001st quad";
}

TEST_F(RenderSceneTest, FailedMapSkipsTheLayerAndTheNextFrameDraws) {
    Quad(0, 0, 4, 4, 0xFF0000FF);
    auto* renderer = static_cast<BatchRenderer2D*>(graphics->worldLayer()->renderer());
    // Mapping a buffer that is already mapped fails.
    glBindBuffer(GL_ARRAY_BUFFER, renderer->vertexBuffer());
    ASSERT_NE(glMapBuffer(GL_ARRAY_BUFFER, GL_WRITE_ONLY), nullptr);
    testing::internal::CaptureStdout();
    graphics->DrawFrame(0.0f);
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("Failed to map the vertex buffer"), std::string::npos) << out;
    EXPECT_TRUE(Near(window->WorldPixel(0, 0), 0, 0, 0));
    glBindBuffer(GL_ARRAY_BUFFER, renderer->vertexBuffer());
    glUnmapBuffer(GL_ARRAY_BUFFER);
    glBindBuffer(GL_ARRAY_BUFFER, 0);

    graphics->DrawFrame(0.0f);
    EXPECT_TRUE(Near(window->WorldPixel(0, 0), 255, 0, 0));
}

TEST_F(RenderSceneTest, EveryWayOfPickingASamplerDrawsTheRightTexture) {
    const bool hasGpuShader5 = glewIsSupported("GL_ARB_gpu_shader5");
    std::vector<std::unique_ptr<Texture>> textures;
    const Rgba colours[3] = {kRed, kGreen, kBlue};
    for (int i = 0; i < 3; ++i) textures.push_back(LoadTexture(WriteSolid("s" + std::to_string(i) + ".tga", colours[i]), 1, 1));

    for (SamplerIndexing mode :
         {SamplerIndexing::Version400, SamplerIndexing::GpuShader5, SamplerIndexing::ConstantSwitch}) {
        SCOPED_TRACE(ShaderHeader(mode));
        if (mode == SamplerIndexing::GpuShader5 && !hasGpuShader5) continue;
        Shader shader("src/shaders/Default.vert", "src/shaders/Default.frag", mode);
        GLint linked = GL_FALSE;
        glGetProgramiv(shader.program(), GL_LINK_STATUS, &linked);
        ASSERT_EQ(linked, GL_TRUE);
        TileLayer layer(&shader, mat4::orthographic(-16, 16, -9, 9, -1, 1), true);
        UseIdentityView(shader);
        std::vector<std::unique_ptr<Sprite>> quads;
        for (int i = 0; i < 4; ++i) {
            auto quad = std::make_unique<Sprite>(0.0f, 0.0f);
            quad->SetSize(3, 3);
            quad->color = 0xFFFFFFFF;
            quad->SetPosition({-9.0f + 6.0f * static_cast<float>(i), 0.0f, 0.0f});
            if (i < 3) quad->SetTexture(textures[static_cast<size_t>(i)].get());
            layer.Add(quad.get());
            quads.push_back(std::move(quad));
        }
        glClear(GL_COLOR_BUFFER_BIT);
        layer.Render();
        EXPECT_TRUE(Near(window->WorldPixel(-9, 0), 255, 0, 0));
        EXPECT_TRUE(Near(window->WorldPixel(-3, 0), 0, 255, 0));
        EXPECT_TRUE(Near(window->WorldPixel(3, 0), 0, 0, 255));
        EXPECT_TRUE(Near(window->WorldPixel(9, 0), 255, 255, 255)) << "no texture: the colour alone";
        for (auto& quad : quads) layer.Remove(quad.get());
    }
}

// The single-texture variant must draw what the general shader draws: the same
// scene is drawn as a batch of one texture (variant) and again with a second,
// off-screen texture in the batch (general shader), for both shaders.
TEST_F(RenderSceneTest, SingleTextureBatchDrawsTheSamePictureAsAMultiTextureBatch) {
    auto quarters = LoadTexture(WriteImage("quarters.tga", 4, 4,
                                           [](int x, int y) {
                                               const Rgba cells[4] = {kRed, kGreen, kBlue, kWhite};
                                               return cells[(y / 2) * 2 + x / 2];
                                           }),
                                1, 1);
    auto other = LoadTexture(WriteSolid("other.tga", kBlue), 1, 1);
    const struct {
        const char* vertex;
        const char* fragment;
    } shaders[] = {{"src/shaders/Default.vert", "src/shaders/Default.frag"},
                   {"src/shaders/Particle.vert", "src/shaders/Particle.frag"}};
    for (const auto& files : shaders) {
        SCOPED_TRACE(files.fragment);
        Shader shader(files.vertex, files.fragment);
        ASSERT_NE(shader.singleTextureProgram(), 0u);
        TileLayer layer(&shader, mat4::orthographic(-16, 16, -9, 9, -1, 1), true);
        UseIdentityView(shader);
        auto* renderer = static_cast<BatchRenderer2D*>(layer.renderer());
        std::vector<std::unique_ptr<Sprite>> quads;
        auto add = [&](float x, float y, float size, uint32_t color, Texture* texture) {
            AddSquare(layer, quads, x, y, size, color, texture);
        };
        // Positions are centres.
        add(-11, 2, 8, 0xFFFFFFFF, quarters.get());  // the four colours
        add(-1, 2, 6, 0xFF00FFFF, quarters.get());   // tinted yellow
        add(7, 2, 4, 0xFF0000FF, nullptr);           // plain red, no texture
        add(-7, -2, 6, 0x80FFFFFF, quarters.get());  // half transparent, over the first
        layer.AddLine(-14, -7, 14, -6, 0xFF00FF00, 0.2f);

        auto draw = [&] {
            glClear(GL_COLOR_BUFFER_BIT);
            layer.Render();
            std::vector<uint8_t> pixels(static_cast<size_t>(kWidth) * kHeight * 4);
            glReadPixels(0, 0, kWidth, kHeight, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
            return pixels;
        };
        const size_t singleBefore = renderer->singleTextureDraws;
        const std::vector<uint8_t> single = draw();
        EXPECT_EQ(renderer->singleTextureDraws, singleBefore + 1);
        EXPECT_TRUE(Near(window->WorldPixel(-13, 4), 255, 0, 0));
        EXPECT_TRUE(Near(window->WorldPixel(-9, 4), 0, 255, 0));
        EXPECT_TRUE(Near(window->WorldPixel(-2.5f, 0.5f), 0, 0, 0)) << "blue tinted yellow";
        EXPECT_TRUE(Near(window->WorldPixel(0.5f, 3.5f), 0, 255, 0)) << "green tinted yellow";
        EXPECT_TRUE(Near(window->WorldPixel(7, 2), 255, 0, 0));
        EXPECT_TRUE(Near(window->WorldPixel(0, -6.5f), 0, 255, 0)) << "the line";

        add(100, 100, 1, 0xFFFFFFFF, other.get());  // off screen: a second texture only
        const std::vector<uint8_t> multi = draw();
        EXPECT_EQ(renderer->singleTextureDraws, singleBefore + 1) << "two textures take the general shader";
        int differing = 0, largest = 0;
        for (size_t i = 0; i < single.size(); ++i) {
            const int difference = std::abs(single[i] - multi[i]);
            differing += difference > 0;
            largest = std::max(largest, difference);
        }
        EXPECT_LE(largest, 1) << differing << " channel values differ";

        // With the light on the variant, which has none, is not used.
        const GLint radius = glGetUniformLocation(shader.program(), "radius");
        if (radius >= 0) {
            quads.back()->hidden = true;
            glUseProgram(shader.program());
            glUniform1f(radius, 1.0f);
            glUniform2f(glGetUniformLocation(shader.program(), "light_pos"), 100.0f, 100.0f);
            draw();
            EXPECT_EQ(renderer->singleTextureDraws, singleBefore + 1);
            EXPECT_TRUE(Near(window->WorldPixel(-9, 4), 0, 128, 0)) << "half light far from the light";
        }
        for (auto& quad : quads) layer.Remove(quad.get());
    }
}

// A batch whose every quad is textured is drawn by the variant that only samples
// and tints; it must give the very bytes the single-texture variant gives. The
// image is a gradient in every channel, alpha included, drawn magnified at odd
// sizes so linear filtering yields texel values between the stored ones, under
// several tints; then an off-screen quad without texture sends the same batch to
// the single-texture variant.
TEST_F(RenderSceneTest, EveryQuadTexturedBatchDrawsTheSameBytesAsTheSingleTextureVariant) {
    auto gradient = LoadTexture(WriteImage("gradient.tga", 16, 16,
                                           [](int x, int y) {
                                               Rgba c;
                                               c.r = static_cast<uint8_t>(x * 17);
                                               c.g = static_cast<uint8_t>(255 - y * 17);
                                               c.b = static_cast<uint8_t>((x * y * 7) % 256);
                                               c.a = static_cast<uint8_t>(40 + (x + y) * 7);
                                               return c;
                                           }),
                                1, 1);
    Shader shader("src/shaders/Default.vert", "src/shaders/Default.frag");
    ASSERT_NE(shader.everyQuadTexturedProgram(), 0u);
    TileLayer layer(&shader, mat4::orthographic(-16, 16, -9, 9, -1, 1), true);
    UseIdentityView(shader);
    auto* renderer = static_cast<BatchRenderer2D*>(layer.renderer());
    std::vector<std::unique_ptr<Sprite>> quads;
    AddSquare(layer, quads, -10.3f, 1.7f, 10.9f, 0xFFFFFFFF, gradient.get());
    AddSquare(layer, quads, -3.1f, -2.2f, 7.3f, 0xC07F3FE0, gradient.get());  // over the first
    AddSquare(layer, quads, 6.6f, 3.1f, 5.7f, 0x80FF10A0, gradient.get());
    AddSquare(layer, quads, 9.9f, -4.4f, 9.1f, 0xFF01FF7F, gradient.get());

    auto draw = [&] {
        glClearColor(0.25f, 0.5f, 0.75f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        layer.Render();
        std::vector<uint8_t> pixels(static_cast<size_t>(kWidth) * kHeight * 4);
        glReadPixels(0, 0, kWidth, kHeight, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        return pixels;
    };
    const size_t singleBefore = renderer->singleTextureDraws;
    const size_t everyBefore = renderer->everyQuadTexturedDraws;
    const std::vector<uint8_t> textured = draw();
    EXPECT_EQ(renderer->singleTextureDraws, singleBefore + 1);
    EXPECT_EQ(renderer->everyQuadTexturedDraws, everyBefore + 1);

    AddSquare(layer, quads, 100, 100, 1, 0xFFFFFFFF, nullptr);  // off screen: one quad without texture
    const std::vector<uint8_t> mixed = draw();
    EXPECT_EQ(renderer->singleTextureDraws, singleBefore + 2);
    EXPECT_EQ(renderer->everyQuadTexturedDraws, everyBefore + 1) << "a quad without texture takes the other variant";
    int differing = 0, distinct = 0;
    std::vector<bool> seen(256 * 256, false);
    for (size_t i = 0; i < textured.size(); ++i) {
        differing += textured[i] != mixed[i];
        if (i % 4 == 0) {
            const size_t key = static_cast<size_t>(textured[i]) * 256 + textured[i + 1];
            distinct += !seen[key];
            seen[key] = true;
        }
    }
    EXPECT_EQ(differing, 0) << "channel values differ";
    EXPECT_GT(distinct, 2000) << "the scene must show many filtered values to compare";
    for (auto& quad : quads) layer.Remove(quad.get());
}

TEST_F(RenderSceneTest, MissingVertexShaderFileIsReportedAndGivesProgramZero) {
    testing::internal::CaptureStdout();
    Shader shader("src/shaders/Missing.vert", "src/shaders/Missing.frag");
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(shader.program(), 0u);
    EXPECT_EQ(out,
              "Impossible to open src/shaders/Missing.vert. Are you in the right directory ? Don't forget to read the "
              "FAQ !\n");
}

TEST_F(RenderSceneTest, ContextFailureIsShownAndInitializeFails) {
    // A window made without OpenGL cannot take a GL context.
    SDL_Window* plain = SDL_CreateWindow("plain", 0, 0, 64, 64, SDL_WINDOW_HIDDEN);
    ASSERT_NE(plain, nullptr);
    graphics.reset();
    std::vector<std::string> shown;
    {
        Graphics failing(&plain, 64, 64, "");
        failing.showSetupFailure = [&](const char* message) { shown.emplace_back(message); };
        testing::internal::CaptureStdout();
        EXPECT_FALSE(failing.Initialize());
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "Failed to create and activate render context\n");
    }
    SDL_DestroyWindow(plain);
    EXPECT_EQ(shown, std::vector<std::string>{"Failed to create and activate render context"});
}

// The screen notes are drawn over the picture, fixed to the screen wherever the
// camera looks, both in a frame and in a redraw of the still picture, and are
// gone once their text is cleared.
TEST_F(RenderSceneTest, TheScreenNotesBannerShowsOverThePictureWhereverTheCameraLooksUntilCleared) {
    // A white world far bigger than the screen, so a moved camera still sees white.
    Quad(0, 0, 400, 400, 0xFFFFFFFF);
    // Pixels of the window's middle row (the banner's) that are not the white world.
    const auto darkenedAcrossTheMiddle = [this] {
        int count = 0;
        for (int x = 0; x < kWidth; ++x) {
            const Rgba c = window->Pixel(x, kHeight / 2);
            count += (c.r < 200 || c.g < 200 || c.b < 200) ? 1 : 0;
        }
        return count;
    };
    // Amber ink pixels (the banner's text) in the band around the middle.
    const auto amberInTheBand = [this] {
        int count = 0;
        for (int y = kHeight / 2 - 12; y < kHeight / 2 + 12; ++y)
            for (int x = 0; x < kWidth; ++x) {
                const Rgba c = window->Pixel(x, y);
                count += (c.r > 180 && c.g > 150 && c.b < 110) ? 1 : 0;
            }
        return count;
    };
    graphics->DrawFrame(0.0f);
    ASSERT_EQ(darkenedAcrossTheMiddle(), 0) << "the world alone is white";

    graphics->notes.Set(ScreenNotes::kBanner, "Waiting for the other player...");
    graphics->DrawFrame(0.0f);
    const int band = darkenedAcrossTheMiddle();
    EXPECT_GT(band, kWidth / 3) << "a dark band across the middle";
    EXPECT_LT(band, kWidth) << "the band is as wide as its text, not the whole screen";
    EXPECT_GT(amberInTheBand(), 20) << "its text in amber";

    // The camera moves off; the banner stays where it was on the screen, in a
    // redraw of the still picture as in a frame.
    graphics->camera->SetPosition({7.0f, -5.0f, 0.0f});
    graphics->DrawStill();
    EXPECT_EQ(darkenedAcrossTheMiddle(), band);

    graphics->notes.Set(ScreenNotes::kBanner, "");
    graphics->DrawStill();
    EXPECT_EQ(darkenedAcrossTheMiddle(), 0) << "a cleared banner is gone";
    EXPECT_EQ(amberInTheBand(), 0);
}

}  // namespace

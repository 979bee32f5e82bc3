#include "graphics/graphics.h"

#include <GL/glew.h>
#include <SDL.h>

#include <iostream>

#include "core/editor_mode.h"
#include "objects/live_objects.h"
#include "graphics/animator.h"
#include "graphics/camera.h"
#include "graphics/font.h"
#include "graphics/layer.h"
#include "graphics/letterbox.h"
#include "graphics/mouse_world.h"
#include "graphics/particle_system.h"
#include "graphics/renderable2d.h"
#include "graphics/shader.h"
#include "graphics/texture.h"
#include "graphics/texture_list.h"
#include "objects/game_obj.h"

namespace Engine::graphics {

Graphics* Graphics::instance = nullptr;

namespace {

// ortho(-w, w, -h, h, -1, 1)
mat4 HalfExtentProjection(float w, float h) {
    mat4 m;
    m.elements[0] = 1.0f / w;
    m.elements[5] = 1.0f / h;
    m.elements[10] = -1.0f;
    m.elements[15] = 1.0f;
    return m;
}

void ShowMessageBox(const char* message) {
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "", message, nullptr);
}

}  // namespace

Graphics::Graphics(SDL_Window* const* window, int width, int height, const std::string& baseDirectory_)
    : clientWidth(width), clientHeight(height), baseDirectory(baseDirectory_), showSetupFailure(ShowMessageBox),
      window_(window) {
    instance = this;
    AddFont("Arial", "arial.ttf", 32);
    AddFont("BerlinSans", "berlin_sans_fb_regular.ttf", 32);
    AddFont("PassionOne", "PassionOne-Regular.otf", 32);
    camera = std::make_unique<Camera>(vec3(0.0f, -3.8f, 1.0f), 1.5f);
    particlePool.reserve(kParticlePoolSize);
    for (size_t i = 0; i < kParticlePoolSize; ++i)
        particlePool.push_back(std::make_unique<Particles>(0.0f, 0.0f, 0.0f, 0.0f));
}

Graphics::~Graphics() {
    if (initialized && LoadTextureBatch(2)) SaveTextureList();
    notes.Drop();
    longLoad.Drop();
    fonts.clear();
    textures.Clear();
    mainLayers.clear();
    overlayLayers.clear();
    particlePool.clear();
    camera.reset();
    shaders.clear();
    overlay_.Stop();
    if (!displayLost_) {
        if (context_) {
            SDL_GL_MakeCurrent(window(), nullptr);
            SDL_GL_DeleteContext(static_cast<SDL_GLContext>(context_));
        }
        if (takenWindow_) SDL_DestroyWindow(takenWindow_);
        if (quitVideo_) SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
    }
    if (instance == this) instance = nullptr;
}

void Graphics::TakeWindow(SDL_Window* window, bool quitVideo) {
    takenWindow_ = window;
    window_ = &takenWindow_;
    quitVideo_ = quitVideo;
}

bool Graphics::Fail(const char* message) {
    std::cout << message << std::endl;
    if (showSetupFailure) showSetupFailure(message);
    return false;
}

bool Graphics::Initialize() {
    if (initialized) return true;
    if (window_) {
        SDL_Window* window = *window_;
        if (!window) return Fail("Failed to create and activate render context");
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
        SDL_GLContext context = SDL_GL_CreateContext(window);
        if (!context) return Fail("Failed to create and activate render context");
        context_ = context;
        if (SDL_GL_MakeCurrent(window, context) != 0) return Fail("Failed to create and activate render context");
        glewExperimental = GL_TRUE;
        const GLenum glew = glewInit();
        // Debian's GLEW is built for GLX: under EGL it reports no GLX display
        // although every entry point has been loaded.
        if (glew != GLEW_OK && glew != GLEW_ERROR_NO_GLX_DISPLAY) return Fail("FAILED TO INIT GLEW");
        while (glGetError() != GL_NO_ERROR) {
        }
        if (!overlay_.Start(window, context)) return Fail("Failed imgui");
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        // Vsync where the driver offers it, adaptive (late frames tear rather than
        // wait a whole refresh) first. The frame loop keeps its own 60 Hz timing.
        if (SDL_GL_SetSwapInterval(-1) != 0) SDL_GL_SetSwapInterval(1);
        const Viewport picture = LetterboxViewport(clientWidth, clientHeight);
        glViewport(picture.x, picture.y, picture.width, picture.height);
    }
    LoadTextureBatch(10);
    if (hasGl()) {
        shaders.push_back(std::make_unique<Shader>("src/shaders/Default.vert", "src/shaders/Default.frag"));
        shaders.push_back(std::make_unique<Shader>("src/shaders/Particle.vert", "src/shaders/Particle.frag"));
    }
    CreateLayers();
    BuildGrid();
    initialized = true;
    return true;
}

void Graphics::CreateLayers() {
    const mat4 projection = HalfExtentProjection(16.0f, 9.0f);
    for (size_t i = 0; i < 2; ++i) {
        Shader* shader = i < shaders.size() ? shaders[i].get() : nullptr;
        mainLayers.push_back(std::make_unique<TileLayer>(shader, projection, hasGl()));
        overlayLayers.push_back(std::make_unique<TileLayer>(shader, projection, hasGl()));
    }
}

Layer* Graphics::worldLayer() const { return mainLayers.size() > 0 ? mainLayers[0].get() : nullptr; }
Layer* Graphics::particleLayer() const { return mainLayers.size() > 1 ? mainLayers[1].get() : nullptr; }
Layer* Graphics::overlayLayer() const { return overlayLayers.size() > 0 ? overlayLayers[0].get() : nullptr; }
Layer* Graphics::gridLayer() const { return overlayLayers.size() > 1 ? overlayLayers[1].get() : nullptr; }

void Graphics::Update(float dt) {
    if (displayLost_) return;
    DrawFrame(dt);
    if (hasGl() && drawFrames) SDL_GL_SwapWindow(*window_);
}

void Graphics::DrawFrame(float dt) {
    if (hasGl() && drawFrames) {
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
    Render(dt);
    if (hasGl()) {
        const GLenum error = glGetError();
        if (error != GL_NO_ERROR) std::cout << "OpenGL Error: " << error << std::endl;
    }
}

void Graphics::Render(float dt) {
    for (auto& layer : mainLayers) {
        const size_t count = layer->renderables.size();
        for (size_t i = 0; i < count && i < layer->renderables.size(); ++i) layer->renderables[i]->Update(dt);
    }
    for (size_t i = 0; i < particleSystems.size(); ++i) particleSystems[i]->Update(dt);
    if (hasGl() && drawFrames) SetUniforms();
    static const std::vector<GameObj*> kNoObjects;
    const std::vector<GameObj*>& objects = liveObjects_ ? liveObjects_->LiveObjects() : kNoObjects;
    for (size_t i = 0; i < objects.size(); ++i) {
        GameObj* object = objects[i];
        auto* sprite = dynamic_cast<Renderable2D*>(object->FirstComponentOfKind(kSpriteKind));
        if (!sprite || sprite->hidden) continue;
        if (auto* animator = dynamic_cast<Animator*>(object->FirstComponentOfKind(kAnimatorKind)))
            animator->Update(dt);
    }
    if (!hasGl() || !drawFrames) {
        overlay_.FinishFrame(false);
        return;
    }
    if (EditorMode())
        if (Layer* grid = gridLayer()) grid->Render();
    for (auto& layer : mainLayers) layer->Render();
    DrawNotes();
    const bool focused = (SDL_GetWindowFlags(*window_) & SDL_WINDOW_INPUT_FOCUS) != 0;
    overlay_.FinishFrame(focused);
}

void Graphics::Redraw() {
    if (displayLost_ || !hasGl()) return;
    DrawStill();
    SDL_GL_SwapWindow(*window_);
}

void Graphics::DrawStill() {
    if (!hasGl()) return;
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    SetUniforms();
    for (auto& layer : mainLayers) layer->Render();
    DrawNotes();
}

void Graphics::DrawNotes() {
    if (!shaders.empty()) notes.Render(shaders[0].get(), HalfExtentProjection(16.0f, 9.0f));
}

void Graphics::SetUniforms() {
    if (shaders.size() < 2) return;
    const vec2 world = WorldSize();
    const mat4 worldView = HalfExtentProjection(world.x, world.y);
    const Camera* main = Camera::main;
    const mat4 projection = main ? main->projection * worldView : worldView;
    const mat4 view = main ? main->view : mat4::identity();
    const WorldPoint light = ClientToWorld(mouseX, mouseY, clientWidth, clientHeight);

    const GLuint defaultProgram = shaders[0]->program();
    glUseProgram(defaultProgram);
    glUniform2f(glGetUniformLocation(defaultProgram, "light_pos"), static_cast<float>(light.x),
                static_cast<float>(light.y));
    glUniform1f(glGetUniformLocation(defaultProgram, "radius"), 0.0f);
    for (const auto& shader : shaders) {
        glUseProgram(shader->program());
        glUniformMatrix4fv(glGetUniformLocation(shader->program(), "pr_matrix"), 1, GL_FALSE, projection.elements);
        glUniformMatrix4fv(glGetUniformLocation(shader->program(), "vw_matrix"), 1, GL_FALSE, view.elements);
    }
    glUseProgram(0);
}

bool Graphics::LoadTextureBatch(int count) {
    return graphics::LoadTextureBatch(textures, count, hasGl(), textureListPath);
}

void Graphics::SaveTextureList() { graphics::SaveTextureList(textures, textureListPath); }

void Graphics::OnLevelLoading(std::string&) {
    longLoad.Begin();
    RedrawGrid();
    if (EditorMode() && camera) {
        camera->SetZoom(1.5f);
        camera->worldWidth = Camera::kWorldWidth;
        camera->worldHeight = Camera::kWorldHeight;
    }
}

void Graphics::OnLevelFileRead() {
    if (!camera) return;
    camera->worldWidth = Camera::kWorldWidth;
    camera->worldHeight = Camera::kWorldHeight;
}

void Graphics::OnLevelBuilding(size_t built, size_t total) {
    if (!longLoad.Due(built, total) || displayLost_ || !hasGl() || !drawFrames || shaders.empty()) return;
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    const float progress = longLoad.Shown().back();
    longLoad.Render(shaders[0].get(), HalfExtentProjection(16.0f, 9.0f), progress);
    if (longLoad.onDrawn) longLoad.onDrawn(progress);
    SDL_GL_SwapWindow(*window_);
}

Font* Graphics::getFont(const std::string& name) const {
    for (const auto& font : fonts)
        if (font->name == name) return font.get();
    return nullptr;
}

Font* Graphics::getFont(const std::string& name, unsigned size) const {
    for (const auto& font : fonts)
        if (font->size == size && font->name == name) return font.get();
    return nullptr;
}

Font* Graphics::AddFont(const std::string& name, const std::string& file, unsigned size) {
    fonts.push_back(std::make_unique<Font>(name, file, size));
    return fonts.back().get();
}

void Graphics::AddRenderable(Renderable2D* renderable) {
    if (!renderable) return;
    if (mainLayers.empty()) Initialize();
    if (dynamic_cast<Particles*>(renderable)) return;
    if (Layer* world = worldLayer()) world->Add(renderable);
}

void Graphics::RemoveRenderable(Renderable2D* renderable) {
    for (auto& layer : mainLayers) layer->Remove(renderable);
    for (auto& layer : overlayLayers) layer->Remove(renderable);
}

void Graphics::ForgetRenderable(Renderable2D* renderable) {
    for (auto& layer : mainLayers) layer->Forget(renderable);
    for (auto& layer : overlayLayers) layer->Forget(renderable);
}

void Graphics::ClearLayers() {
    auto keep = [](const Renderable2D& r) { return r.hidden || dynamic_cast<const Particles*>(&r) != nullptr; };
    for (auto& layer : mainLayers) layer->RemoveUnless(keep);
    for (auto& layer : overlayLayers) layer->RemoveUnless(keep);
    particleSystems.clear();
}

void Graphics::SortLayers() {
    for (auto& layer : mainLayers) layer->SortByOrder();
}

void Graphics::BuildGrid() {
    Layer* grid = gridLayer();
    if (!grid) return;
    constexpr uint32_t kFine = 0xFF2FFFAD, kUnit = 0xFF0045FF;
    constexpr float kThickness = 0.1f;
    for (int y = -9; y <= 90; ++y) grid->AddLine(-16.0f, float(y), 16.0f, float(y), kFine, kThickness);
    for (int x = -32; x <= 67; ++x) grid->AddLine(float(x), -9.0f, float(x), 100.0f, kFine, kThickness);
    for (int y = -9; y <= 9; ++y) grid->AddLine(-16.0f, float(y), 16.0f, float(y), kUnit, kThickness);
    for (int x = -16; x <= 16; ++x) grid->AddLine(float(x), -9.0f, float(x), 9.0f, kUnit, kThickness);
}

void Graphics::RedrawGrid() {
    if (Layer* grid = gridLayer()) grid->lines.clear();
    BuildGrid();
}

void Graphics::ShiftGrid(bool widen) {
    Layer* grid = gridLayer();
    if (!grid) return;
    constexpr size_t kUnitGridLines = 52;
    if (grid->lines.size() <= kUnitGridLines) return;
    const size_t fine = grid->lines.size() - kUnitGridLines;
    for (size_t i = 0; i < fine; ++i) {
        Line& line = grid->lines[i];
        if (line.endX - line.startX > 1.0f) {
            line.startX += widen ? -0.5f : 0.5f;
            line.endX += widen ? 0.5f : -0.5f;
        }
        const float dy = widen ? -0.3f : 0.3f;
        line.startY += dy;
        line.endY += dy;
    }
}

void Graphics::Resize(int, int, int right, int bottom) {
    clientWidth = right;
    clientHeight = bottom;
    if (hasGl()) {
        const Viewport picture = LetterboxViewport(right, bottom);
        glViewport(picture.x, picture.y, picture.width, picture.height);
    }
    double screenHeight = bottom;
    SDL_DisplayMode mode;
    const int display = window() ? SDL_GetWindowDisplayIndex(window()) : -1;
    if (display >= 0 && SDL_GetCurrentDisplayMode(display, &mode) == 0 && mode.h > 0) screenHeight = mode.h;
    double r = screenHeight > 0 ? bottom / screenHeight : 1.0;
    if (r < 0.5) r = r * 2.0 / 3.0;
    Camera* main = Camera::main;
    if (!main) return;
    if (EditorMode())
        main->SetPosition({0.0f, static_cast<float>(-(r + 3.0)), 0.0f});
    else
        main->ResetView();
}

}  // namespace Engine::graphics

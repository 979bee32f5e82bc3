#pragma once
// The graphics system: the GL context on the game window, textures, fonts, the
// two shaders, the four render layers, the running particle systems and the
// per-frame drawing of all of them.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/system.h"
#include "graphics/debug_overlay.h"
#include "graphics/long_load_screen.h"
#include "graphics/screen_notes.h"
#include "graphics/texture.h"
#include "graphics/texture_list.h"
#include "objects/level_listener.h"

struct SDL_Window;

namespace Engine {
class LiveObjectSource;
}

namespace Engine::graphics {

class Camera;
class Particles;
class Renderable2D;
class ParticleSystem;
class Layer;
class Shader;
class Font;

class Graphics : public System, public LevelListener {
public:
    static constexpr size_t kParticlePoolSize = 30000;

    // `window` points at the window system's SDL window, which exists once the
    // window has initialised. A null pointer means headless: no GL at all, while
    // layers, sprites, labels and animators still work as data. Makes the three
    // fonts, the main camera and the particle pool.
    Graphics(SDL_Window* const* window, int width, int height, const std::string& baseDirectory);
    // Saves the texture list when it was read to the end, then frees fonts,
    // textures, layers, shaders, the overlay and the context.
    ~Graphics() override;

    // Context, GLEW, overlay, blending, vsync, the first 10 textures, shaders,
    // layers and grid. Runs once; later calls return true.
    bool Initialize() override;
    // Draws a frame and swaps buffers.
    void Update(float dt) override;
    // Draws the picture again as it stands, with the screen notes, and swaps:
    // nothing moves or animates (for a game that waits between frames).
    void Redraw();
    // The drawing of Redraw, without the swap.
    void DrawStill();
    // Clears, renders and reports a pending GL error, without swapping.
    void DrawFrame(float dt);
    // Updates renderables, particle systems and animators, uploads the camera, draws.
    void Render(float dt);
    void SetUniforms();

    // Reads up to `count` more entries of the texture list; true once it is exhausted.
    bool LoadTextureBatch(int count);
    void SaveTextureList();

    // The first font of that name (and size).
    Font* getFont(const std::string& name) const;
    Font* getFont(const std::string& name, unsigned size) const;
    Font* AddFont(const std::string& name, const std::string& file, unsigned size);

    // Adds a sprite or label to the world layer (initialising first when needed);
    // particles are left to their emitters.
    void AddRenderable(Renderable2D* renderable);
    // Takes a renderable out of every layer; layers free only those they own.
    void RemoveRenderable(Renderable2D* renderable);
    // Takes a renderable that is being destroyed out of every layer.
    void ForgetRenderable(Renderable2D* renderable);
    // Empties the world, particle and overlay layers except hidden renderables and
    // particles, and forgets the particle systems.
    void ClearLayers();
    void SortLayers();
    // The editor grid: built at start, rebuilt for every level, shifted by the wheel.
    void BuildGrid();
    void RedrawGrid();
    void ShiftGrid(bool widen);
    // New client rectangle: viewport and camera placement.
    void Resize(int left, int top, int right, int bottom);
    // The client area changed size (drawable pixels).
    void Resize(int width, int height) { Resize(0, 0, width, height); }

    // Level listener: every unload empties the layers; every load rebuilds the
    // grid and sets the world view back.
    void OnLevelUnloaded() override { ClearLayers(); }
    void OnLevelLoading(std::string& path) override;
    void OnLevelFileRead() override;
    // A load that has run past the long-load threshold shows the loading picture
    // with its bar at the share of the level built.
    void OnLevelBuilding(size_t built, size_t total) override;
    // The objects whose animators the frame advances (the factory's live objects).
    void SetLiveObjects(const LiveObjectSource* source) { liveObjects_ = source; }
    // The cursor, in client pixels, for the light and the editor.
    void SetMousePosition(double x, double y) {
        mouseX = x;
        mouseY = y;
    }
    // Opens the debug overlay's frame (the game logic calls it first thing each frame).
    void BeginOverlayFrame() { overlay_.BeginFrame(); }

    Layer* worldLayer() const;
    Layer* particleLayer() const;
    Layer* overlayLayer() const;
    Layer* gridLayer() const;
    bool hasGl() const { return context_ != nullptr; }
    SDL_Window* window() const { return window_ ? *window_ : nullptr; }
    // The window system goes first at shutdown, but the GL context and everything
    // made with it must be freed while its window still exists: the graphics system
    // takes the window (and SDL's video subsystem, when `quitVideo`) and lets both go
    // after its context.
    void TakeWindow(SDL_Window* window, bool quitVideo);
    // The display server went away: nothing is drawn any more, and at shutdown the
    // context, the window and SDL's video state are left to the process's end
    // rather than torn down through a connection that no longer exists.
    void DisplayLost() { displayLost_ = true; }

    static Graphics* instance;

    bool initialized = false;
    // While false, a frame advances sprites, particles and animators as a frame
    // without GL does, but draws and swaps nothing: for the frames a benchmark
    // plays to reach the scene it measures drawn.
    bool drawFrames = true;
    int clientWidth = 0;
    int clientHeight = 0;
    double mouseX = 0.0;
    double mouseY = 0.0;
    std::string baseDirectory;
    // The texture list read a few entries a frame and written back once loaded.
    std::string textureListPath = kTextureListPath;
    std::vector<std::unique_ptr<Shader>> shaders;       // [0] Default, [1] Particle
    std::vector<std::unique_ptr<Layer>> mainLayers;     // [0] world, [1] particle
    std::vector<std::unique_ptr<Layer>> overlayLayers;  // [0] overlay, [1] grid
    std::vector<ParticleSystem*> particleSystems;       // not owned
    std::vector<std::unique_ptr<Font>> fonts;
    TextureRegistry textures;
    // Every particle there is; emitters take free ones and never allocate.
    std::vector<std::unique_ptr<Particles>> particlePool;
    // The main camera (also published as Camera::main).
    std::unique_ptr<Camera> camera;
    // Text over the picture outside the world (screen_notes.h); drawn with every frame.
    ScreenNotes notes;
    // The picture a slow level load shows while it builds (long_load_screen.h).
    LongLoadScreen longLoad;
    // Shows a set-up failure to the user; a message box by default (tests replace it).
    std::function<void(const char*)> showSetupFailure;

private:
    bool Fail(const char* message);
    void DrawNotes();
    void CreateLayers();

    SDL_Window* const* window_;
    SDL_Window* takenWindow_ = nullptr;
    bool quitVideo_ = false;
    void* context_ = nullptr;  // SDL_GLContext
    DebugOverlay overlay_;
    const LiveObjectSource* liveObjects_ = nullptr;
    bool displayLost_ = false;
};

}  // namespace Engine::graphics

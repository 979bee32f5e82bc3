// Opens what the game opens from its libraries (an SDL window with a GL context,
// the game controllers, an OpenAL device with a source and a buffer, a FreeType
// face), uses each a little and closes it again. Run under LeakSanitizer with
// the suite's suppressions:
//   leak_guard clean   closes everything: whatever leaks is the libraries' own,
//                      and the suppressions must cover it (no report);
//   leak_guard forget  also forgets an SDL surface, as a script that lost a
//                      handle would: the suppressions must not hide it.
#include <AL/al.h>
#include <AL/alc.h>
#include <SDL.h>
#include <SDL_opengl.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdio>
#include <cstring>

namespace {

constexpr const char* kFont = "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf";

bool UseVideo() {
    SDL_Window* window = SDL_CreateWindow("leak guard", 0, 0, 64, 64, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    if (!window) return false;
    SDL_GLContext context = SDL_GL_CreateContext(window);
    if (context) {
        glClearColor(0.2f, 0.4f, 0.6f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        SDL_GL_SwapWindow(window);
        SDL_GL_DeleteContext(context);
    }
    SDL_DestroyWindow(window);
    return context != nullptr;
}

bool UseSound() {
    ALCdevice* device = alcOpenDevice(nullptr);
    if (!device) return false;
    ALCcontext* context = alcCreateContext(device, nullptr);
    alcMakeContextCurrent(context);
    ALuint buffer = 0, source = 0;
    alGenBuffers(1, &buffer);
    const short silence[64] = {};
    alBufferData(buffer, AL_FORMAT_MONO16, silence, sizeof silence, 22050);
    alGenSources(1, &source);
    alSourcei(source, AL_BUFFER, static_cast<ALint>(buffer));
    alDeleteSources(1, &source);
    alDeleteBuffers(1, &buffer);
    alcMakeContextCurrent(nullptr);
    alcDestroyContext(context);
    alcCloseDevice(device);
    return true;
}

bool UseFonts() {
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0) return false;
    FT_Face face = nullptr;
    const bool loaded = FT_New_Face(library, kFont, 0, &face) == 0;
    if (loaded) {
        FT_Set_Pixel_Sizes(face, 0, 24);
        FT_Load_Char(face, 'T', FT_LOAD_RENDER);
        FT_Done_Face(face);
    }
    FT_Done_FreeType(library);
    return loaded;
}

}  // namespace

int main(int argc, char** argv) {
    const bool forget = argc > 1 && std::strcmp(argv[1], "forget") == 0;
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_GAMECONTROLLER) != 0) {
        std::printf("leak guard: SDL did not start: %s\n", SDL_GetError());
        return 2;
    }
    const bool video = UseVideo();
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
    }
    if (forget) {
        SDL_Surface* lost = SDL_CreateRGBSurfaceWithFormat(0, 32, 32, 32, SDL_PIXELFORMAT_RGBA32);
        std::printf("leak guard: forgot a surface of %dx%d\n", lost ? lost->w : 0, lost ? lost->h : 0);
    }
    SDL_Quit();
    const bool sound = UseSound();
    const bool fonts = UseFonts();
    if (!video || !sound || !fonts) {
        std::printf("leak guard: could not open %s\n", !video ? "a GL window" : !sound ? "a sound device" : "a font");
        return 2;
    }
    return 0;
}

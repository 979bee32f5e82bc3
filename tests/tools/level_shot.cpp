// Draws one screen of the game at 1280 x 720 and saves it, for looking at a
// level while composing it (the README's and docs' pictures come from here):
//
//   xvfb-run -a -s "-screen 0 1280x720x24" build/release/tests/tolvex_level_shot KEY OUT.ppm [SECONDS] [KEYS]
//
// KEY is a level key of MapData/LevelPaths.xml. The level runs SECONDS of game
// time (default 3) with nobody at the keys; KEYS, if given, are tapped one a
// second from the start: letters as themselves, "esc", "enter", "left" and
// "right" by name, e.g. "enter,esc" skips a dialogue and then opens the pause
// menu, and "right,right" moves the story map's pointer two places on. Convert the
// picture with `convert OUT.ppm OUT.png`. Run it from the repository root.
//
//   ... tolvex_level_shot KEY OUT.ppm loading
//
// saves instead the picture a slow load of KEY shows once half its objects are
// built (the long-load picture, forced on for every load).
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "graphics/graphics.h"
#include "objects/game_object_factory.h"
#include "support/drawn_game.h"

namespace {

constexpr int kWidth = 1280;
constexpr int kHeight = 720;

std::vector<Engine::VirtualKey> ParseKeys(const std::string& list) {
    std::vector<Engine::VirtualKey> keys;
    std::stringstream in(list);
    std::string name;
    while (std::getline(in, name, ',')) {
        if (name == "esc")
            keys.push_back(Engine::VK_ESCAPE);
        else if (name == "enter")
            keys.push_back(Engine::VK_RETURN);
        else if (name == "left")
            keys.push_back(Engine::VK_LEFT);
        else if (name == "right")
            keys.push_back(Engine::VK_RIGHT);
        else if (name.size() == 1)
            keys.push_back(static_cast<Engine::VirtualKey>(std::toupper(static_cast<unsigned char>(name[0]))));
        else
            std::fprintf(stderr, "level_shot: no key named \"%s\"; left out\n", name.c_str());
    }
    return keys;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: tolvex_level_shot KEY OUT.ppm [SECONDS] [KEYS]\n");
        return 2;
    }
    const std::string key = argv[1];
    const char* out = argv[2];
    const float seconds = argc > 3 ? static_cast<float>(std::atof(argv[3])) : 3.0f;
    const std::vector<Engine::VirtualKey> taps = argc > 4 ? ParseKeys(argv[4]) : std::vector<Engine::VirtualKey>{};

    TestSupport::DrawnGame game(kWidth, kHeight);
    if (!game.ok()) {
        std::fprintf(stderr, "level_shot: no GL window: %s\n", game.error().c_str());
        return 1;
    }
    TestSupport::HeadlessEngine& engine = game.engine();
    if (argc > 3 && std::string(argv[3]) == "loading") {
        Engine::graphics::LongLoadScreen& longLoad = engine.systems().graphics->longLoad;
        longLoad.thresholdNs = 0;
        longLoad.intervalNs = 0;
        bool saved = false;
        longLoad.onDrawn = [&](float progress) {
            if (!saved && progress >= 0.5f) saved = game.window().SavePpm(out);
        };
        engine.factory().LoadLevelByKey(key);
        longLoad.onDrawn = nullptr;
        if (!saved) {
            std::fprintf(stderr, "level_shot: no long-load picture for \"%s\"\n", key.c_str());
            return 1;
        }
        std::printf("%s while loading: %s\n", key.c_str(), out);
        return 0;
    }
    if (!engine.factory().LoadLevelByKey(key)) {
        std::fprintf(stderr, "level_shot: no level under \"%s\"\n", key.c_str());
        return 1;
    }
    const int frames = static_cast<int>(seconds * 60.0f);
    for (int frame = 1; frame <= frames; ++frame) {
        const size_t tap = static_cast<size_t>(frame / 60);
        const bool down = frame % 60 == 0 && tap >= 1 && tap <= taps.size();
        for (Engine::VirtualKey k : taps) engine.keys().Set(k, false);
        if (down) engine.keys().Set(taps[tap - 1], true);
        engine.Step();
    }
    if (!game.window().SavePpm(out)) {
        std::fprintf(stderr, "level_shot: cannot write %s\n", out);
        return 1;
    }
    std::printf("%s after %.1f s: %s\n", key.c_str(), seconds, out);
    return 0;
}

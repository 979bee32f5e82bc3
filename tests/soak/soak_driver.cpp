// The soak: the real game on the headless engine, from the boot frame and the
// loading screen, driven for a given time by a seeded stream of random keys, pad
// buttons, pads plugged and unplugged, focus changes and dropped files. From time
// to time it checks that the title ("MapData//MainMenu_KR.xml") can still be
// reached with Escape and the pad's B and Back buttons; a screen with no way back
// is a dead end and fails the run. So does the game stopping during that check
// (a screen whose only exit is quitting) or stopping by itself anywhere but on a
// screen where the player chooses to quit ("Cannot go on without ..."). The
// random keys hold every key the birds' key maps use; a bird bound to a key
// outside them fails the run. Crashes, leaks and sanitizer reports end the
// process on their own (run it in the sanitizer build: tools/soak.sh).
//
//   tolvex_soak SECONDS [SEED] [--quit-in-check | --quit-at FRAME]
//
// The two options send the game's quit message, as a screen would, inside the
// first way-back check or at a frame outside it: the run must fail (the soak's
// own test, tests/soak.cmake).
#include <algorithm>
#include <chrono>
#include <iterator>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "api/script_api.h"
#include "core/core.h"
#include "core/message.h"
#include "core/random.h"
#include "game/birds/individual_player_behaviour.h"
#include "game/birds/main_player_behaviour.h"
#include "input/gamepad_state.h"
#include "input/virtual_keys.h"
#include "objects/game_object_factory.h"
#include "support/headless_engine.h"
#include "support/scratch_dir.h"

namespace {

constexpr const char* kTitle = "MapData//MainMenu_KR.xml";
// Back presses allowed to reach the title, each followed by time for a wipe.
constexpr int kBackPresses = 12;
constexpr int kFramesPerBackPress = 90;

// The menus' keys and the title's shortcuts; the birds' keys are added from
// their default bindings (KeySet), and every key map a bird really uses is
// checked against the set as the birds appear.
const Engine::VirtualKey kMenuKeys[] = {
    Engine::VK_UP,    Engine::VK_DOWN, Engine::VK_LEFT, Engine::VK_RIGHT, Engine::VK_RETURN, Engine::VK_SPACE,
    Engine::VK_ESCAPE, Engine::VK_BACK, Engine::VK_TAB, 'W', 'A', 'S', 'D', 'J', 'K', 'L', 'E', 'Q', 'P',
    'B', 'C', 'X', Engine::VK_LBUTTON, Engine::VK_F1,  Engine::VK_SHIFT, Engine::VK_CONTROL,
};

std::vector<Engine::VirtualKey> KeySet() {
    std::set<Engine::VirtualKey> keys(std::begin(kMenuKeys), std::end(kMenuKeys));
    keys.insert(IndividualPlayerBehaviour::kPlayer1Keys.begin(), IndividualPlayerBehaviour::kPlayer1Keys.end());
    keys.insert(IndividualPlayerBehaviour::kPlayer2Keys.begin(), IndividualPlayerBehaviour::kPlayer2Keys.end());
    return {keys.begin(), keys.end()};
}
const uint16_t kPadButtons[] = {Engine::PadBits::kDpadUp, Engine::PadBits::kDpadDown, Engine::PadBits::kDpadLeft, Engine::PadBits::kDpadRight,
                                Engine::PadBits::kStart,  Engine::PadBits::kBack,     Engine::PadBits::kA,        Engine::PadBits::kB,
                                Engine::PadBits::kX,      Engine::PadBits::kY,        Engine::PadBits::kLeftShoulder, Engine::PadBits::kRightShoulder};
const char* const kDroppedFiles[] = {"Resources/Sounds/Master Bank.bank", "nothing.png", "missing.wav",
                                     "MapData/MainMenu.xml", "", "a.ogg", "weird.name.PNG"};

template <typename T, size_t N>
const T& Pick(Engine::Random& random, const T (&items)[N]) {
    return items[static_cast<size_t>(random.Next()) % N];
}
template <typename T>
const T& Pick(Engine::Random& random, const std::vector<T>& items) {
    return items[static_cast<size_t>(random.Next()) % items.size()];
}

// A fault the soak's own test plants: the quit message inside the first
// way-back check, or at a given frame outside the checks.
struct PlantedQuit {
    bool inCheck = false;
    long long atFrame = -1;
};

struct Figures {
    long long frames = 0;
    long long keyPresses = 0;
    long long padPresses = 0;
    long long plugs = 0;
    long long focusChanges = 0;
    long long drops = 0;
    long long backChecks = 0;
    long long restarts = 0;
    long long jumps = 0;
    std::set<std::string> levels;
};

class Soak {
public:
    Soak(uint32_t seed, PlantedQuit planted) : random_(seed), planted_(planted) {}

    // False on a dead end, a stop the player did not choose, or a bird key
    // outside the random set; the reason is on standard error.
    bool Run(double seconds) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
        Boot();
        while (std::chrono::steady_clock::now() < end) {
            for (int i = 0; i < 600 && failure_.empty(); ++i) RandomFrame();
            if (!failure_.empty()) return Fail();
            if (!CheckWayBack()) return false;
            if (!failure_.empty()) return Fail();
            // Random keys seldom get past the selection screens: every other
            // round starts from a screen of the level-path table, the matches
            // and result scenes included.
            if (random_.Next() % 2 == 0) JumpToRandomScreen();
        }
        engine_.reset();
        return true;
    }

    const Figures& figures() const { return figures_; }

private:
    void Boot() {
        engine_.reset();
        engine_ = std::make_unique<TestSupport::HeadlessEngine>();
        for (int pad = 0; pad < 4; ++pad) engine_->pads().Plug(pad);
    }

    bool Fail() const {
        std::fprintf(stderr, "%s\n", failure_.c_str());
        return false;
    }

    // The screens where a player chooses to quit: the quit confirmation's "Yes"
    // and the co-op title's Quit button.
    static bool IsQuitScreen(const std::string& level) {
        return level == "MapData//QuitConfirmation.xml" || level == "MapData//MainMenu.xml";
    }

    void PlantQuit() {
        Engine::Message quit(Engine::kQuitMessage);
        engine_->core().BroadcastMessage(&quit);
    }

    // Every key a bird on this screen is bound to must be among the random keys.
    void CheckBirdKeys() {
        for (const char* name : {"Player", "Player2"}) {
            const MainPlayerBehaviour* bird = api::FindScript<MainPlayerBehaviour>(name);
            if (!bird) continue;
            for (const auto& [action, key] : bird->State().keyMap)
                if (std::find(keys_.begin(), keys_.end(), key) == keys_.end() && failure_.empty())
                    failure_ = "Key set: " + std::string(name) + "'s " + action + " key " + std::to_string(key) +
                               " on " + engine_->factory().currentLevelPath + " is never pressed by the soak";
        }
    }

    void Step() {
        if (planted_.atFrame == figures_.frames && !checkingWayBack_) PlantQuit();
        engine_->Step();
        ++figures_.frames;
        const std::string level = engine_->factory().currentLevelPath;
        if (figures_.levels.insert(level).second) CheckBirdKeys();
        if (!engine_->core().active) {
            // Stopping inside the way-back check means the screen's only exit was
            // quitting; stopping elsewhere than where a player quits means the
            // game gave up by itself. Both fail; a chosen quit starts again, and
            // so does a chosen online game (hosting or joining leaves the menus'
            // game for the online one, which the harness does not run).
            const bool choseOnline = engine_->core().online.pending;
            if (checkingWayBack_ && failure_.empty())
                failure_ = "The game stopped during a way-back check, on " + level + " (frame " +
                           std::to_string(figures_.frames) + ")";
            else if (!IsQuitScreen(level) && !choseOnline && failure_.empty())
                failure_ = "The game stopped by itself on " + level + " (frame " + std::to_string(figures_.frames) + ")";
            ++figures_.restarts;
            Boot();
        }
    }

    void JumpToRandomScreen() {
        const auto& table = engine_->factory().levelPaths;
        if (table.empty()) return;
        auto entry = table.begin();
        std::advance(entry, random_.Next() % table.size());
        engine_->factory().LoadLevelByKey(entry->first);
        ++figures_.jumps;
    }

    void RandomFrame() {
        const int roll = random_.Next() % 100;
        if (roll < 30) {
            engine_->keys().Set(Pick(random_, keys_), random_.Next() % 2 == 0);
            ++figures_.keyPresses;
        } else if (roll < 50) {
            engine_->pads().SetButton(random_.Next() % 4, Pick(random_, kPadButtons), random_.Next() % 2 == 0);
            ++figures_.padPresses;
        } else if (roll < 52) {
            const int pad = random_.Next() % 4;
            engine_->pads().IsPlugged(pad) ? engine_->pads().Unplug(pad) : engine_->pads().Plug(pad);
            ++figures_.plugs;
        } else if (roll < 53) {
            Engine::FocusMessage focus(random_.Next() % 2 == 0);
            engine_->core().BroadcastMessage(&focus);
            ++figures_.focusChanges;
        } else if (roll < 54) {
            Engine::FileDraggedMessage drop(Pick(random_, kDroppedFiles));
            engine_->core().BroadcastMessage(&drop);
            ++figures_.drops;
        } else if (roll < 60) {
            engine_->keys().ReleaseAll();
        }
        Step();
    }

    // Lets go of everything, gives the window its focus back, and presses Escape,
    // then B, then Back, then picks a question's lower entry, in turn until the
    // title shows.
    bool CheckWayBack() {
        checkingWayBack_ = true;
        const bool back = ReachTitle();
        checkingWayBack_ = false;
        return back;
    }

    bool ReachTitle() {
        ++figures_.backChecks;
        if (planted_.inCheck && figures_.backChecks == 1) PlantQuit();
        engine_->keys().ReleaseAll();
        for (int pad = 0; pad < 4; ++pad)
            for (uint16_t bit : kPadButtons) engine_->pads().SetButton(pad, bit, false);
        engine_->pads().Plug(0);
        Engine::FocusMessage focus(true);
        engine_->core().BroadcastMessage(&focus);
        const std::string start = engine_->factory().currentLevelPath;
        // Each new screen is asked in the same order, Escape first, so a screen
        // whose back key works is never confirmed by the question's keys instead.
        std::string screen = start;
        int tries = 0;
        for (int press = 0; press < kBackPresses; ++press) {
            for (int frame = 0; frame < kFramesPerBackPress; ++frame) {
                Step();
                if (!failure_.empty()) return Fail();
                if (engine_->factory().currentLevelPath == kTitle) return true;
            }
            if (engine_->factory().currentLevelPath != screen) {
                screen = engine_->factory().currentLevelPath;
                tries = 0;
            }
            switch (tries++ % 4) {
                case 0: Tap(Engine::VK_ESCAPE); break;
                case 1: TapPad(Engine::PadBits::kB); break;
                case 2: TapPad(Engine::PadBits::kBack); break;
                default:
                    // A screen that asks is left by its lowest entry: the quit
                    // confirmation's "No", or the pause menu's "Quit to menu"
                    // (Escape opens that menu in a level; the question ignores it).
                    Tap(Engine::VK_ESCAPE);
                    for (int entry = 0; entry < 4; ++entry) Tap('S');
                    Tap('F');
                    break;
            }
        }
        // The loading screen takes its own time; only a level that keeps the
        // player from the title counts.
        for (int frame = 0; frame < 60 * 15 && engine_->factory().currentLevelPath != kTitle && failure_.empty(); ++frame)
            Step();
        if (!failure_.empty()) return Fail();
        if (engine_->factory().currentLevelPath == kTitle) return true;
        std::fprintf(stderr, "Dead end: no way back to the title from %s (now %s) after %d back presses\n",
                     start.c_str(), engine_->factory().currentLevelPath.c_str(), kBackPresses);
        return false;
    }

    void Tap(Engine::VirtualKey key) {
        engine_->keys().Press(key);
        Step();
        engine_->keys().Release(key);
        Step();
    }
    void TapPad(uint16_t bit) {
        engine_->pads().SetButton(0, bit, true);
        Step();
        engine_->pads().SetButton(0, bit, false);
        Step();
    }

    Engine::Random random_;
    PlantedQuit planted_;
    const std::vector<Engine::VirtualKey> keys_ = KeySet();
    std::unique_ptr<TestSupport::HeadlessEngine> engine_;
    Figures figures_;
    bool checkingWayBack_ = false;
    std::string failure_;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: tolvex_soak SECONDS [SEED] [--quit-in-check | --quit-at FRAME]" << std::endl;
        return 2;
    }
    const double seconds = std::atof(argv[1]);
    const uint32_t seed = argc > 2 ? static_cast<uint32_t>(std::strtoul(argv[2], nullptr, 10)) : 20261210u;
    PlantedQuit planted;
    for (int i = 3; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--quit-in-check") {
            planted.inCheck = true;
        } else if (option == "--quit-at" && i + 1 < argc) {
            planted.atFrame = std::atoll(argv[++i]);
        } else {
            std::cerr << "tolvex_soak: unknown option " << option << std::endl;
            return 2;
        }
    }
    bool ok = false;
    Figures figures;
    {
        TestSupport::ScratchDir dir;
        dir.CopyGameData();
        // The game's own lines would drown the figures.
        std::cout.setstate(std::ios::failbit);
        Soak soak(seed, planted);
        ok = soak.Run(seconds);
        figures = soak.figures();
        std::cout.clear();
    }
    std::fprintf(stderr, "soak %s: seed %u, %lld frames (%.1f game minutes), %lld keys, %lld pad buttons, %lld plugs, "
                "%lld focus changes, %lld drops, %lld way-back checks, %lld restarts, %lld jumps, %zu levels seen\n",
                ok ? "passed" : "FAILED", seed, figures.frames, figures.frames / 3600.0, figures.keyPresses,
                figures.padPresses, figures.plugs, figures.focusChanges, figures.drops, figures.backChecks,
                figures.restarts, figures.jumps, figures.levels.size());
    for (const std::string& level : figures.levels) std::fprintf(stderr, "  seen: %s\n", level.c_str());
    return ok ? 0 : 1;
}

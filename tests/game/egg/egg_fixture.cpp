#include "egg_fixture.h"

#include "api/script_api.h"
#include "game/birds/main_player_behaviour.h"
#include "game/birds/round_player_behaviour.h"
#include "game/egg/egg_behaviour.h"
#include "game/menus/loading_logic.h"
#include "game/menus/transition.h"
#include "graphics/graphics.h"
#include "objects/game_object_factory.h"
#include "objects/level_paths.h"

EggFixture::EggFixture(bool withSounds) {
    dir.CopyGameData(withSounds);
    // Where a match leaves for; the story's own cutscene is not needed here.
    if (!dir.Exists("MapData/CutScene.xml")) dir.Write("MapData/CutScene.xml", "<Level></Level>\n");
}

EggFixture::~EggFixture() { engine.reset(); }

void EggFixture::OpenLevel(unsigned seed) {
    engine = std::make_unique<TestSupport::HeadlessEngine>();
    ASSERT_TRUE(engine->OpenLevel("Level1", seed));
    engine->Step();
    ASSERT_TRUE(StepUntil(
        [&] {
            const Transition* wipe = api::FindScript<Transition>("TransitionBird");
            return wipe && wipe->revealed;
        },
        300));
}

void EggFixture::WaitForRoundStart() {
    ASSERT_TRUE(StepUntil([&] { return Mode() && !Mode()->countdown && !Mode()->roundOver; }, 600));
}

void EggFixture::WaitForRoundEnd() {
    const int32_t round = Mode()->roundNumber;
    ASSERT_TRUE(StepUntil([&] { return !Mode() || (Mode()->roundNumber > round && !Mode()->endSequence); }, 20000));
}

Engine::GameObj* EggFixture::Find(const std::string& name) const { return api::Find(name); }
GameMode* EggFixture::Mode() const { return api::FindScript<GameMode>("GameLevelSettings"); }
EggBehaviour* EggFixture::Egg() const { return api::FindScript<EggBehaviour>("Egg"); }
RoundPlayerBehaviour* EggFixture::Round(const std::string& bird) const {
    return api::FindScript<RoundPlayerBehaviour>(bird);
}
MainPlayerBehaviour* EggFixture::Bird(const std::string& bird) const {
    return api::FindScript<MainPlayerBehaviour>(bird);
}

#include "skill_fixture.h"

#include <cmath>
#include <sstream>

#include "api/camera_view.h"
#include "api/script_api.h"
#include "game/birds/individual_player_behaviour.h"
#include "game/birds/main_player_behaviour.h"
#include "game/birds/round_player_behaviour.h"
#include "game/game_values.h"
#include "game/menus/loading_logic.h"
#include "graphics/graphics.h"
#include "objects/game_object_factory.h"
#include "physics/collider.h"
#include "sound/audio_engine.h"
#include "support/bird_test_access.h"

namespace {

std::string Bird(const char* name, const char* controller, float x) {
    std::ostringstream xml;
    xml << "<Object Name=\"" << name << "\"><Instance>"
        << "<Transform><Position X=\"" << x << "\" Y=\"-5\" Layer=\"5\"/><Scale X=\"2\" Y=\"1.5\"/>"
        << "<Rotation Degrees=\"0\"/></Transform>"
        << "<Rigid_Body><isStatic Type=\"1\"/><Mass M=\"1\"/><GravityScale S=\"1\"/></Rigid_Body>"
        << "<Collider><Collider_Size W=\"2\" H=\"1.5\"/></Collider>"
        << "<SpriteRenderer><Texture Name=\"RoziDoro_Idle\"/><AnimationFrame/></SpriteRenderer>"
        << "<Animator><AnimationFrameCount First=\"1\" Last=\"5\" FrameTime=\"0.1\" Frames=\"5\"/></Animator>"
        << "<Scripts><" << controller << "/><IndividualPlayerBehaviour/><MainPlayerBehaviour/>"
        << "<RoundPlayerBehaviour/></Scripts>"
        << "</Instance></Object>";
    return xml.str();
}

}  // namespace

std::string RangeLevel(const std::string& extra) {
    // The ground spans the field with its top edge at kGroundTop.
    return "<Level>"
           "<Object Name=\"DownBound\"><Instance><Transform><Position X=\"0\" Y=\"-8\" Layer=\"1\"/>"
           "<Scale X=\"60\" Y=\"2\"/><Rotation Degrees=\"0\"/></Transform>"
           "<Rigid_Body><isStatic Type=\"0\"/></Rigid_Body><Collider><Collider_Size W=\"60\" H=\"2\"/></Collider>"
           "</Instance></Object>" +
           Bird("Player", "UPlayer1Controller", -6.0f) + Bird("Player2", "UPlayer2Controller", 6.0f) + extra +
           "</Level>";
}

SkillFixture::SkillFixture() {
    dir.CopyGameData();
}

SkillFixture::~SkillFixture() { engine.reset(); }

void SkillFixture::Open(int character1, int character2, const std::string& extra, const char* level) {
    WriteLevel(level, extra);
    Game::player1Character = character1;
    Game::player2Character = character2;
    engine = std::make_unique<TestSupport::HeadlessEngine>();
    engine->Boot();
    // The game's window puts the camera at the standard view when it opens.
    api::ResetCamera();
    engine->OpenLevelFile(level, 1234);
    ReadyTheBirds();
}

void SkillFixture::WriteLevel(const char* level, const std::string& extra) {
    std::string file = level;
    const size_t slashes = file.find("//");
    if (slashes != std::string::npos) file.replace(slashes, 2, "/");
    dir.Write(file, RangeLevel(extra));
}

void SkillFixture::Load(const char* level) {
    engine->factory().LoadLevel(level);
    ReadyTheBirds();
}

void SkillFixture::ReadyTheBirds() {
    engine->Step();
    for (Engine::GameObj* bird : {P1(), P2()}) MakeReady(bird);
    Place(P1(), {-6.0f, NAN}, true);
    Place(P2(), {6.0f, NAN}, false);
    Step(2);
}

void SkillFixture::MakeReady(Engine::GameObj* bird) {
    MainPlayerBehaviour* main = Bird(bird);
    ASSERT_NE(main, nullptr);
    Edit(main).invulnerable = false;
    Edit(main).invulnerableVisible = false;
    Edit(main).practiceHold = false;
    Edit(main).controlsLocked = false;
    Edit(main).skillTimer = 100.0f;
    api::SetColor(bird, 0xFFFFFFFF);
    if (RoundPlayerBehaviour* round = Round(bird)) Edit(round).walkingIn = false;
}

float SkillFixture::StandingY(Engine::GameObj* bird) const {
    const Engine::Collider* collider = bird ? bird->GetCollider() : nullptr;
    return kGroundTop + (collider ? collider->height / 2.0f : 0.75f) + 0.01f;
}

void SkillFixture::Place(Engine::GameObj* bird, Engine::vec2 at, bool facingRight) {
    ASSERT_NE(bird, nullptr);
    if (std::isnan(at.y)) at.y = StandingY(bird);
    api::SetPosition(bird, at);
    api::SetVelocity(bird, {0.0f, 0.0f});
    if (MainPlayerBehaviour* main = Bird(bird)) Edit(main).facingRight = facingRight;
}

void SkillFixture::Step(int frames) { engine->Step(frames); }

void SkillFixture::StepSeconds(float seconds) {
    Step(static_cast<int>(std::lround(seconds / TestSupport::HeadlessEngine::kFrame)));
}

void SkillFixture::Tap(Engine::VirtualKey key) {
    engine->keys().Press(key);
    engine->Step();
    engine->keys().Release(key);
    engine->Step();
}

bool SkillFixture::Played(const std::string& eventPath) {
    const bool playing = Engine::IsEventPlaying(eventPath);
    if (Engine::AudioEngine::instance)
        Engine::AudioEngine::instance->StopEvent(eventPath, Engine::StopMode::kImmediate);
    return playing;
}

Engine::GameObj* SkillFixture::P1() const { return api::Find("Player"); }
Engine::GameObj* SkillFixture::P2() const { return api::Find("Player2"); }
MainPlayerBehaviour* SkillFixture::Bird(Engine::GameObj* bird) { return api::ScriptOf<MainPlayerBehaviour>(bird); }
IndividualPlayerBehaviour* SkillFixture::Character(Engine::GameObj* bird) {
    return api::ScriptOf<IndividualPlayerBehaviour>(bird);
}
RoundPlayerBehaviour* SkillFixture::Round(Engine::GameObj* bird) { return api::ScriptOf<RoundPlayerBehaviour>(bird); }

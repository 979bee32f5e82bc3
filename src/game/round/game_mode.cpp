#include "game/round/game_mode.h"

#include "api/drawing.h"
#include "api/labels.h"
#include "api/script_api.h"
#include "api/stage.h"
#include "game/birds/bird.h"
#include "game/egg/armor_spawn.h"
#include "game/egg/egg_behaviour.h"
#include "game/egg/platform_spawner.h"
#include "game/egg/power_bugs.h"
#include "game/game_values.h"
#include "game/game_values_hash.h"
#include "game/level_scripts/thunder_clouds.h"
#include "game/levels/match_end.h"
#include "game/menus/transition.h"
#include "game/round/dialogue_gate.h"

REGISTER_SCRIPT("GameMode", GameMode);

namespace {
const api::ObjectName kEgg{"Egg"};
const api::ObjectName kPlayer1{"Player"};
const api::ObjectName kPlayer2{"Player2"};
const api::ObjectName kSpawner{"Spawner"};
const api::ObjectName kP1Icon{"P1_Icon"};
const api::ObjectName kP2Icon{"P2_Icon"};
const api::ObjectName kP1Name{"P1Name"};
const api::ObjectName kP2Name{"P2Name"};
const api::ObjectName kBlackLoadScreen{"BlackLoadScreen"};
const api::ObjectName kTransitionBird{"TransitionBird"};
const api::ObjectName kCloudSpawner{"CloudSpawner"};
const api::ArchetypeName kThirtySeconds{"ThirtySeconds"};
const api::ArchetypeName kArmorBar{"ArmorBar"};
const api::ArchetypeName kMeteor{"MeteorLevel1"};
const api::ArchetypeName kHudLabel{"HudLabel"};
const api::SoundEvent kReady{"event:/Countdown_Ready"};
const api::SoundEvent kThirty{"event:/Timer_Thirty_Seconds"};
const api::TextureName kEggDestroyed{"EggDestroyed"};
// "ArmorBar_0" to "ArmorBar_5".
const api::TextureName kArmorBars[] = {api::TextureName{"ArmorBar_0"}, api::TextureName{"ArmorBar_1"},
                                       api::TextureName{"ArmorBar_2"}, api::TextureName{"ArmorBar_3"},
                                       api::TextureName{"ArmorBar_4"}, api::TextureName{"ArmorBar_5"}};

constexpr uint32_t kWhite = 0xFFFFFFFF;
constexpr uint32_t kHiddenWhite = 0x00FFFFFF;
constexpr uint32_t kRed = 0xFF0000FF;
constexpr int32_t kHudLayer = 8;
constexpr api::vec2 kOffStage{-20.0f, 40.0f};
// The top line of the screen: the round on the left of the panel, the clock on its right.
constexpr float kHudLine = 8.85f;

// The x that centres a line of the heads-up font on `centre` (labels start 1.5 left of their x).
float CentredX(const std::string& text, float centre = 0.0f) {
    return centre + 1.5f - 0.3f * static_cast<float>(text.size());
}

// Past `at` this frame, for the first time.
bool Crossed(float before, float now, float at) { return before < at && now >= at; }
}  // namespace

GameMode::RoundWinner GameMode::DecideRound(int32_t health, int32_t maxHealth, int32_t armor) {
    if (armor >= 5) return kDefenderWins;
    if (health < 1) return kAttackerWins;
    const int32_t threshold = maxHealth - 20 * armor;
    if (health > threshold) return kDefenderWins;
    if (health < threshold) return kAttackerWins;
    return kBothWin;
}

void GameMode::Init() {
    cloudSpawner = api::Find(kCloudSpawner);
    thirtyWarned = false;
    api::ResetCamera();
    attackingSide = 1;

    roundLabel = api::SpawnLabel(kHudLabel, "PassionOne", 32, {0.0f, 8.0f}, kWhite, kHudLayer);
    timerLabel = api::SpawnLabel(kHudLabel, "PassionOne", 32, {0.9f, 7.0f}, kWhite, kHudLayer);
    centreLabel = api::SpawnLabel(kHudLabel, "PassionOne", 32, {-0.6f, 8.0f}, kWhite, kHudLayer);
    // Both lines centred on the panel behind them.
    api::SetPosition(roundLabel.Get(), {CentredX("Round 1", -1.4f), kHudLine});
    api::SetPosition(timerLabel.Get(), {CentredX("90s", 2.6f), kHudLine});
    api::SortLayers();

    Game::matchResultReady = false;
    egg = api::Find(kEgg);
    player1 = api::Find(kPlayer1);
    player2 = api::Find(kPlayer2);
    spawner = api::Find(kSpawner);
    p1Icon = api::Find(kP1Icon);
    p2Icon = api::Find(kP2Icon);
    footLines[0].Attach(p1Icon.Get(), ControlPrompts::Screen::kMatchPlayer1);
    footLines[1].Attach(p2Icon.Get(), ControlPrompts::Screen::kMatchPlayer2);
    p1Name = api::Find(kP1Name);
    p2Name = api::Find(kP2Name);
    api::SetFont(p1Name.Get(), "PassionOne", 32);
    api::SetFont(p2Name.Get(), "PassionOne", 32);
    api::SetLayer(p1Name.Get(), kHudLayer);
    api::SetLayer(p2Name.Get(), kHudLayer);
    blackLoadScreen = api::Find(kBlackLoadScreen);

    thirtySeconds = api::Spawn(kThirtySeconds, 0.0f, 3.5f);
    api::SetLayer(thirtySeconds.Get(), kHudLayer);
    api::SetColor(thirtySeconds.Get(), kHiddenWhite);
    timeLeft = roundTime;
    armorBar = api::Spawn(kArmorBar, 0.0f, -20.0f);
    transitionObject = api::Find(kTransitionBird);

    meteors.clear();
    for (int32_t i = 0; i < kMeteorCount; ++i) {
        api::GameObj* meteor = api::Spawn(kMeteor, -32.0f - 9.0f * static_cast<float>(i), -7.0f);
        api::SetPosition(meteor, {-32.0f - 9.0f * static_cast<float>(i), -7.0f});
        api::SetVelocity(meteor, {2.5f, 0.0f});
        meteors.emplace_back(meteor);
    }

    if (DialogScene* dialogue = DialogueGate::DialogueOf(owner)) DialogueGate::Begin(*dialogue, 2.0f);

    api::SetParameter(levels::StartMusic(), "Level_End", 0.0f);
}

Transition* GameMode::Wipe() const { return api::ScriptOf<Transition>(transitionObject); }
ThunderClouds* GameMode::Clouds() const { return api::ScriptOf<ThunderClouds>(cloudSpawner); }
EggBehaviour* GameMode::Egg() const { return api::ScriptOf<EggBehaviour>(egg); }

bool GameMode::DialogueDone() const {
    const DialogScene* dialogue = DialogueGate::DialogueOf(owner);
    return !dialogue || DialogueGate::Finished(*dialogue);
}

void GameMode::Update(float dt) {
    if (ThunderClouds* clouds = Clouds()) clouds->stopped = endSequence;
    if (pad1.IsConnected()) pad1.Poll();
    if (pad2.IsConnected()) pad2.Poll();
    for (ControlPrompts::HintLabel& line : footLines) line.Refresh();

    SpinMeteors(dt);
    ResetPositions();

    const Transition* wipe = Wipe();
    if (wipe && !wipe->revealed) return;

    if (DialogueDone()) {
        if (mode == 1) RoundLogic(dt);
    } else if (egg && armorBar) {
        api::SetPosition(armorBar.Get(), api::Position(egg.Get()) - api::vec2{0.0f, 2.0f});
    }
    LaunchMeteors(dt);
}

void GameMode::SpinMeteors(float dt) {
    for (const api::ObjectRef& meteor : meteors)
        if (api::GameObj* m = meteor.Get()) api::SetRotation(m, api::Rotation(m) - 200.0f * dt);
}

void GameMode::ResetPositions() {
    const bool pressed = (pad1.IsConnected() && pad1.IsButtonTriggered(13)) ||
                         (pad2.IsConnected() && pad2.IsButtonTriggered(13)) || api::KeyTriggered(0x52);
    if (!pressed) return;
    for (const api::ObjectRef* bird : {&player1, &player2})
        if (const birds::Bird b = birds::Bird::Of(*bird)) {
            api::SetPosition(bird->Get(), b.SpawnPoint());
            api::SetVelocity(bird->Get(), {0.0f, 0.0f});
        }
}

void GameMode::LaunchMeteors(float dt) {
    meteorTimer += dt;
    if (meteorTimer <= kMeteorInterval || matchOver || meteors.empty()) return;
    const float r = static_cast<float>(api::RandomInt(0, 1));
    api::SetPosition(meteors[static_cast<size_t>(nextMeteor)].Get(), {-18.0f, -8.0f + r});
    nextMeteor = (nextMeteor + 1) % static_cast<int32_t>(meteors.size());
    meteorTimer = 0.0f;
}

void GameMode::SetCentre(const std::string& text, float x, float y) {
    api::SetText(centreLabel.Get(), text);
    // Centred on the screen rather than started at x: the words differ in length.
    api::SetPosition(centreLabel.Get(), {text.empty() ? x : CentredX(text), y});
}

void GameMode::ShowRoles() {
    const bool player1Attacks = attackingSide == 1;
    api::SetText(p1Name.Get(), player1Attacks ? "ATTACK" : "DEFEND");
    api::SetText(p2Name.Get(), player1Attacks ? "DEFEND" : "ATTACK");
}

void GameMode::SetRoles() {
    birds::Bird::Of(player1).SetRole(attackingSide == 1);
    birds::Bird::Of(player2).SetRole(attackingSide != 1);
}

void GameMode::RoundLogic(float dt) {
    if (egg && armorBar) api::SetPosition(armorBar.Get(), api::Position(egg.Get()) - api::vec2{0.0f, 2.0f});
    api::SetText(roundLabel.Get(), "Round " + std::to_string(roundNumber));
    const std::string clock = std::to_string(static_cast<int32_t>(timeLeft)) + "s";
    api::SetText(timerLabel.Get(), clock);
    api::SetPosition(timerLabel.Get(), {CentredX(clock, 2.6f), kHudLine});
    ShowRoles();

    if (roundNumber > 2) matchOver = true;
    if (countdown && !matchOver) Countdown(dt);

    EggBehaviour* eggScript = Egg();
    if (birds::Bird::Of(player1) && birds::Bird::Of(player2) && eggScript) {
        if (!countdown && !matchOver) {
            api::SetTextColor(timerLabel.Get(), kWhite);
            if (const birds::Bird defender = birds::Bird::Of(Defender())) defenderArmor = defender.Armour();
            const int32_t bar = defenderArmor < 0 ? 0 : defenderArmor > 5 ? 5 : defenderArmor;
            api::SetTexture(armorBar.Get(), kArmorBars[bar]);
        }
        if (!roundOver) PlayRound(dt);
    }

    if (endSequence) EndSequence(dt);
    if (matchOver) MatchEnd();
}

void GameMode::Countdown(float dt) {
    if (!countdownStarted_) {
        countdownStarted_ = true;
        api::Play(kReady);
    }
    phaseTimer += dt;
    SetRoles();
    if (phaseTimer > kCountdownLength) {
        countdown = false;
        roundOver = false;
        phaseTimer = 0.0f;
        countdownStarted_ = false;
        SetCentre("", kOffStage.x, kOffStage.y);
    } else if (phaseTimer > 3.0f) {
        SetCentre("GO", 1.2f, 1.6f);
    } else if (phaseTimer > 1.5f) {
        SetCentre("Set", 1.2f, 1.6f);
    } else {
        SetCentre("Ready", 0.5f, 1.6f);
    }
}

void GameMode::PlayRound(float dt) {
    api::SetTimeScale(1.0f);
    timeLeft -= dt;
    if (timeLeft <= 10.0f) api::SetTextColor(timerLabel.Get(), kRed);
    if (timeLeft <= 30.0f) {
        if (!thirtyWarned) {
            api::Play(kThirty);
            thirtyWarned = true;
        }
        api::SetColor(thirtySeconds.Get(), timeLeft < 28.0f ? kHiddenWhite : kWhite);
    }
    const EggBehaviour* eggScript = Egg();
    if (timeLeft <= 0.0f || defenderArmor >= 5 || eggScript->health <= 0) EndRound();
}

void GameMode::EndRound() {
    for (const api::ObjectRef* bird : {&player1, &player2})
        birds::Bird::Of(*bird).HoldInvulnerable(true);
    api::SetTimeScale(0.5f);
    timeLeft = roundTime;
    roundOver = true;
    endSequence = true;
    endSequenceStarted_ = false;
    phaseTimer = 0.0f;
    if (const EggBehaviour* eggScript = Egg(); eggScript && eggScript->health < 1) {
        api::SetTexture(egg.Get(), kEggDestroyed);
        if (Engine::graphics::Animator* animator = api::AnimatorOf(egg.Get())) animator->frameTime = 1.0f;
        api::PlayAnimation(egg.Get(), true);
    }
}

void GameMode::DecideRoundResult() {
    const EggBehaviour* eggScript = Egg();
    const birds::Bird defender = birds::Bird::Of(Defender());
    if (!eggScript || !defender) return;
    const int32_t armor = defender.Armour();
    const RoundWinner winner = DecideRound(eggScript->health, eggScript->maxHealth, armor);
    const bool player1Attacks = attackingSide == 1;
    const bool attackerWon = winner == kAttackerWins || winner == kBothWin;
    const bool defenderWon = winner == kDefenderWins || winner == kBothWin;
    if ((player1Attacks && attackerWon) || (!player1Attacks && defenderWon)) ++player1Wins;
    if ((!player1Attacks && attackerWon) || (player1Attacks && defenderWon)) ++player2Wins;
    defenderArmor = armor;
    roundResults.push_back(winner);
}

void GameMode::EndSequence(float dt) {
    api::SetTextColor(timerLabel.Get(), 0u);
    SetCentre("End Of Round " + std::to_string(roundNumber), -0.6f, 1.5f);
    api::SetLayer(centreLabel.Get(), 16);
    const float before = phaseTimer;
    phaseTimer += dt;
    api::SetLayer(blackLoadScreen.Get(), 10);
    if (!endSequenceStarted_) {
        endSequenceStarted_ = true;
        DecideRoundResult();
    }

    static constexpr uint32_t kFade[] = {0x11000000, 0x33000000, 0x55000000, 0x77000000,
                                         0x99000000, 0xBB000000, 0xDD000000, 0xFF000000};
    const int32_t step = static_cast<int32_t>(phaseTimer / 0.2f + 1e-4f);
    if (phaseTimer < 1.6f + 1e-4f && step >= 1) api::SetColor(blackLoadScreen.Get(), kFade[step > 8 ? 7 : step - 1]);
    Transition* wipe = Wipe();
    if (Crossed(before, phaseTimer, 0.4f) && wipe) {
        wipe->manual = true;
        wipe->manualCover = true;
    }
    if (Crossed(before, phaseTimer, 1.6f)) {
        api::SetColor(blackLoadScreen.Get(), 0xFF000000);
        api::ResetCamera();
        api::SetText(centreLabel.Get(), "");
        PrepareNextRound();
    }
    if (phaseTimer >= 1.6f) api::SetText(centreLabel.Get(), "");
    if (Crossed(before, phaseTimer, 2.0f)) {
        api::SetColor(blackLoadScreen.Get(), 0xDD000000);
        countdown = false;
        if (roundNumber > 1) {
            matchOver = true;
            api::SetParameter(levels::Music(), "Level_End", 1.0f);
            api::SetLayer(blackLoadScreen.Get(), -10);
            api::SetTimeScale(1.0f);
        }
    }
    if (Crossed(before, phaseTimer, 2.2f)) {
        api::SetColor(blackLoadScreen.Get(), 0x11000000);
        if (wipe) {
            wipe->manual = true;
            wipe->manualCover = false;
        }
    }
    if (phaseTimer >= kEndSequenceLength) {
        api::SetLayer(blackLoadScreen.Get(), -10);
        api::SetTimeScale(1.0f);
        ++roundNumber;
        phaseTimer = 0.0f;
        endSequence = false;
        countdown = true;
    }
}

void GameMode::PrepareNextRound() {
    if (PowerBugs* bugs = api::ScriptOf<PowerBugs>(spawner)) bugs->Reset();
    if (ArmorSpawn* armor = api::ScriptOf<ArmorSpawn>(spawner)) armor->Reset();
    if (PlatformSpawner* platforms = api::ScriptOf<PlatformSpawner>(spawner)) platforms->Stop();

    if (EggBehaviour* eggScript = Egg()) {
        eggScript->health = eggScript->maxHealth;
        eggScript->deathSoundPlayed = false;
        api::SetColor(egg.Get(), kWhite);
    }
    for (const api::ObjectRef* bird : {&player1, &player2}) {
        const birds::Bird b = birds::Bird::Of(*bird);
        b.SetArmour(0);
        b.StartNewRound();
    }
    attackingSide = attackingSide == 1 ? 2 : 1;
    api::SetPosition(p1Icon.Get(), {-50.0f, 0.0f});
    api::SetPosition(p2Icon.Get(), {-50.0f, 15.0f});
    timeLeft = roundTime;
    thirtyWarned = false;
    api::SetTexture(armorBar.Get(), kArmorBars[0]);
    api::SetColor(thirtySeconds.Get(), 0u);
    for (const api::ObjectRef* bird : {&player1, &player2})
        if (const birds::Bird b = birds::Bird::Of(*bird)) {
            b.HoldInvulnerable(false);
            api::SetColor(bird->Get(), kWhite);
        }
}

void GameMode::MatchEnd() {
    roundOver = true;
    api::SetLayer(blackLoadScreen.Get(), 10);
    api::SetColor(blackLoadScreen.Get(), 0xFF000000);
    api::SetLayer(centreLabel.Get(), 11);
    // The result itself is the level's result sheet (VictoryScreen), over this black.
    SetCentre("", 0.0f, 0.0f);

    if (!resultWritten) {
        // Every match end writes the result it reached, a draw included, so no
        // screen can show the result of an earlier match.
        levels::RecordResult(levels::Mode::Egg, player1Wins, player2Wins);
        resultWritten = true;
    }
    if (leaving) return;
    // The result sheet over the level may have sent the match on already.
    if (Transition* wipe = Wipe(); wipe && wipe->leaving) {
        leaving = true;
        return;
    }
    if (!api::IsStopped(levels::Music())) return;
    leaving = true;
    levels::MatchEnd(levels::Mode::Egg, player1Wins, player2Wins);
}

void GameMode::HashState(Engine::StateHasher& hasher) const {
    for (bool flag : {matchOver, roundOver, countdown, endSequence, resultWritten, leaving}) hasher.Flag(flag);
    for (int32_t value : {roundNumber, attackingSide, player1Wins, player2Wins, defenderArmor}) hasher.Value(value);
    for (float value : {roundTime, timeLeft, phaseTimer}) hasher.Value(value);
    hasher.Value(static_cast<uint64_t>(roundResults.size()));
    for (RoundWinner result : roundResults) hasher.Value(static_cast<int32_t>(result));
    Game::HashMatchValues(hasher);
}

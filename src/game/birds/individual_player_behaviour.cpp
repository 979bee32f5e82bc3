#include "game/birds/individual_player_behaviour.h"

#include "api/actions.h"
#include "api/script_api.h"
#include "game/birds/bird.h"
#include "game/birds/character_table.h"
#include "game/skills/skills.h"
#include "game/ultimates/ultimate.h"
#include "api/controls.h"

REGISTER_SCRIPT("IndividualPlayerBehaviour", IndividualPlayerBehaviour);

namespace {
const api::ObjectName kPlayer{"Player"};
const api::ObjectName kPlayer2{"Player2"};
const api::ObjectName kPortrait1{"Potrait1"};
const api::ObjectName kPortrait2{"Potrait2"};
const api::ObjectName kBannerAttacking{"UIAttacking"};
const api::ObjectName kBannerDefending{"UIDefending"};
const api::TextureName kProtectTheEgg{"Text_ProtectTheEgg"};
const api::TextureName kDestroyTheEgg{"Text_DestroyTheEgg"};

std::array<std::string, 5> AnimationList(int32_t id) {
    std::array<std::string, 5> list;
    if (const CharacterRow* row = FindCharacter(id))
        for (size_t i = 0; i < list.size(); ++i) list[i] = row->animations[i];
    return list;
}

// The player's bound keys, in the order of kActions.
std::array<Engine::VirtualKey, 7> BoundKeys(int player) {
    using Engine::Action;
    constexpr Action kOrder[7] = {Action::kWalkLeft, Action::kWalkRight, Action::kFlap,    Action::kPeck,
                                  Action::kDung,     Action::kUltimate,  Action::kSkill};
    std::array<Engine::VirtualKey, 7> keys{};
    for (size_t i = 0; i < keys.size(); ++i) keys[i] = api::ActionKey(player, kOrder[i]);
    return keys;
}

void ShowRole(Engine::GameObj* banner, Engine::GameObj* bird) {
    const bool defending = birds::Bird::Of(bird).IsDefender();
    const std::string texture = defending ? kProtectTheEgg : kDestroyTheEgg;
    if (banner && api::TextureOf(banner) != texture) api::SetTexture(banner, texture);
}
}  // namespace

void IndividualPlayerBehaviour::Init() {
    // 1. The controller script on this object hands the bird its gamepad and its
    // team now, whether the level file lists it before or after this script.
    // Any of the four slots' controllers will do.
    Engine::PlayerController* controller = api::ScriptOf<Engine::PlayerController>(owner);
    if (controller) controller->HandOver();
    if (birds::BirdBody* bird = api::ScriptOf<birds::BirdBody>(owner)) bird->TakePad(controller ? &controller->gamepad : nullptr);

    // 2. Every character's animations.
    mynaAnimations = AnimationList(kRoziDoro);
    zuvaAnimations = AnimationList(kVadozaVaza);
    zoraAnimations = AnimationList(kDovaDizavov);
    rureAnimations = AnimationList(kDoruZuvo);

    // 3. The players' bindings and the opponent.
    if (owner->name == kPlayer.c_str()) {
        boundPlayer = 1;
        keyCodes = BoundKeys(1);
        otherPlayer = api::Find(kPlayer2);
    } else if (owner->name == kPlayer2.c_str()) {
        boundPlayer = 2;
        keyCodes = BoundKeys(2);
        otherPlayer = api::Find(kPlayer);
    }

    // 5 (before 4, which needs the character). Character, team and the heads-up objects.
    characterId = CharacterForObject(owner->name);
    team = team2Flag ? 2 : 1;
    portrait1 = api::Find(kPortrait1);
    portrait2 = api::Find(kPortrait2);
    attackDefendBanner1 = api::Find(kBannerAttacking);
    attackDefendBanner2 = api::Find(kBannerDefending);

    // 4. Skill objects and the ultimate.
    const CharacterRow* row = FindCharacter(characterId);
    AttachSkillAndUltimate(row);

    // 6. Animations and key map.
    currentAnimations = AnimationsOf(characterId);
    if (!currentAnimations[0].empty()) api::SetTexture(owner, currentAnimations[0]);
    animationMap.clear();
    for (size_t i = 0; i < currentAnimations.size(); ++i) animationMap[kAnimationNames[i]] = currentAnimations[i];
    keyMap.clear();
    for (size_t i = 0; i < keyCodes.size(); ++i) keyMap[kActions[i]] = keyCodes[i];

    // 7. Size and statistics.
    if (row) {
        portraitTexture = row->portrait;
        api::SetScale(owner, row->scale);
        api::SetColliderSize(owner, row->collider.x, row->collider.y);
        knockbackFactor = row->knockbackFactor;
        staminaFactor = row->staminaFactor;
        moveSpeed = row->moveSpeed;
        flapStrength = row->flapStrength;
        skillCooldown = row->skillCooldown;
    }
}

void IndividualPlayerBehaviour::Update(float) {
    if (portrait1 && portrait2) {
        ShowRole(attackDefendBanner1.Get(), api::Find(kPlayer));
        ShowRole(attackDefendBanner2.Get(), api::Find(kPlayer2));
        if (owner->name == kPlayer.c_str()) ownPortrait = portrait1;
        if (owner->name == kPlayer2.c_str()) ownPortrait = portrait2;
    }
    currentAnimations = AnimationsOf(characterId);
    if (Engine::GameObj* portrait = ownPortrait.Get())
        if (!portraitTexture.empty() && api::TextureOf(portrait) != portraitTexture)
            api::SetTexture(portrait, portraitTexture);
}


skills::SkillUser IndividualPlayerBehaviour::SkillUser() { return {birds::Bird::Of(owner), otherPlayer, skill}; }

void IndividualPlayerBehaviour::AttachSkillAndUltimate(const CharacterRow* row) {
    skills::SkillUser user = SkillUser();
    skills::SpawnSharedObjects(user);
    if (const skills::Skill* own = skills::SkillOf(characterId)) own->setUp(user);
    if (!row || !row->ultimateScript) return;
    owner->AddScript(row->ultimateScript);
    // The bird's container may already be past the point where it starts new
    // scripts: start the ultimate now (starting it twice changes nothing).
    if (ultimates::Ultimate* ultimate = api::ScriptOf<ultimates::Ultimate>(owner)) ultimate->Init();
}

void IndividualPlayerBehaviour::OnCollisionEnter(Engine::GameObj* other) {
    skills::ApplySkillHit(birds::Bird::Of(owner), other);
}

void IndividualPlayerBehaviour::RunSkill(float dt) {
    skills::SkillUser user = SkillUser();
    if (const skills::Skill* own = skills::SkillOf(characterId))
        own->run(user, dt);
    else
        user.bird.EndSkill();  // no skill for this bird: the request ends at once
}

const CharacterRow* IndividualPlayerBehaviour::Row() const { return FindCharacter(characterId); }
IndividualPlayerBehaviour* IndividualPlayerBehaviour::OpponentCharacter() const {
    return api::ScriptOf<IndividualPlayerBehaviour>(otherPlayer);
}

const std::array<std::string, 5>& IndividualPlayerBehaviour::AnimationsOf(int32_t id) const {
    switch (id) {
        case kVadozaVaza: return zuvaAnimations;
        case kDovaDizavov: return zoraAnimations;
        case kDoruZuvo: return rureAnimations;
        default: return mynaAnimations;
    }
}

bool IndividualPlayerBehaviour::RefreshBoundKeys() {
    if (boundPlayer == 0) return false;
    const std::array<Engine::VirtualKey, 7> bound = BoundKeys(boundPlayer);
    if (bound == keyCodes) return false;
    keyCodes = bound;
    for (size_t i = 0; i < keyCodes.size(); ++i) keyMap[kActions[i]] = keyCodes[i];
    return true;
}

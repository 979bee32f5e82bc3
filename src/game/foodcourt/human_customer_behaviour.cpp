#include "game/foodcourt/human_customer_behaviour.h"

#include <iostream>

#include "api/bodies.h"
#include "api/drawing.h"
#include "api/script_api.h"
#include "game/birds/bird.h"
#include "game/foodcourt/food_court.h"

REGISTER_SCRIPT("HumanCustomerBehaviour", HumanCustomerBehaviour);

namespace {
const api::ObjectName kStall{"Stall"};
// Per look: walking, carrying, standing. All have the same four cells.
const api::TextureName kLook1Walk{"Customer1_Walk"};
const api::TextureName kLook1Carry{"Customer1_Carry"};
const api::TextureName kLook1Stand{"Customer1_Stand"};
const api::TextureName kLook2Walk{"Customer2_Walk"};
const api::TextureName kLook2Carry{"Customer2_Carry"};
const api::TextureName kLook2Stand{"Customer2_Stand"};

constexpr uint32_t kWhite = 0x00FFFFFFu;

uint32_t AlphaByte(const api::GameObj* object) {
    const Engine::graphics::Renderable2D* sprite = object ? object->GetSprite() : nullptr;
    return sprite ? sprite->color >> 24 : 0u;
}
}  // namespace

void HumanCustomerBehaviour::Init() {
    // Customers walk through everything; only their contacts count.
    if (Engine::Collider* collider = api::ColliderOf(owner)) collider->ghost = true;
    api::SetVelocity(owner, {0.0f, 0.0f});
    state = kWalkToTable;
    previousState = kWalkToTable;
    timer = 0.0f;
    FoodCourt::Mirror(owner);
    stall = api::Find(kStall);
    if (!stall) std::cout << "HumanCustomerBehaviour: the level has no \"Stall\"; customers will not order" << std::endl;
    scrapsDropped = 0;
    landed = false;
    bumpTimer = 0.0f;
    fadeTimer = kFadeTime;
}

void HumanCustomerBehaviour::Update(float dt) {
    lastDt_ = dt;
    if (!table) return;
    switch (state) {
        case kWalkToTable: WalkToTable(); break;
        case kSit: Sit(dt); break;
        case kGoToStall: GoToStall(); break;
        case kQueue:
            Stop();
            if (!blocker) state = kGoToStall;
            break;
        case kOrder: Order(dt); break;
        case kCarryFood: CarryFood(); break;
        case kEat: Eat(dt); break;
        case kLeave: Leave(dt); break;
        case kBumped: Bumped(); break;
        default: break;
    }
    Pose();
}

void HumanCustomerBehaviour::Pose() {
    const bool second = look == 2;
    const char* sheet = nullptr;
    if (state == kWalkToTable || state == kGoToStall || state == kLeave)
        sheet = second ? kLook2Walk : kLook1Walk;
    else if (state == kCarryFood)
        sheet = second ? kLook2Carry : kLook1Carry;
    else
        sheet = second ? kLook2Stand : kLook1Stand;
    if (sheet == pose_) return;
    api::SetTexture(owner, sheet);
    pose_ = sheet;
}

void HumanCustomerBehaviour::Stop() { api::SetVelocity(owner, {0.0f, landed ? 0.0f : api::Velocity(owner).y}); }

void HumanCustomerBehaviour::WalkTowards(const Engine::GameObj* target) {
    const float dx = api::Position(target).x - api::Position(owner).x;
    api::SetVelocity(owner, {dx < 0.0f ? -kWalkSpeed : kWalkSpeed, 0.0f});
}

void HumanCustomerBehaviour::WalkToTable() {
    if (FoodCourt::Reaches(owner, table.Get(), 1.0f)) {
        api::SetVelocity(owner, {0.0f, 0.0f});
        state = kSit;
        timer = 3.0f + static_cast<float>(api::Rand() % 4);
        return;
    }
    // Until it stands on the floor the customer keeps falling.
    const float vy = landed ? 0.0f : api::Velocity(owner).y;
    api::SetVelocity(owner, {-kWalkSpeed, vy});
}

void HumanCustomerBehaviour::Sit(float dt) {
    timer -= dt;
    if (timer < 0.0f) state = kGoToStall;
}

void HumanCustomerBehaviour::GoToStall() {
    if (!stall) {
        Stop();
        return;
    }
    if (FoodCourt::Reaches(owner, stall.Get())) {
        api::SetVelocity(owner, {0.0f, 0.0f});
        state = kOrder;
        timer = 5.0f + static_cast<float>(api::Rand() % 3);
        return;
    }
    WalkTowards(stall.Get());
}

void HumanCustomerBehaviour::Order(float dt) {
    Stop();
    timer -= dt;
    if (timer >= 0.0f) return;
    // Turns round with the food towards its table.
    FoodCourt::Mirror(owner);
    const api::vec2 at = api::Position(owner);
    food = api::Spawn(FoodCourt::kFoodArchetype, at.x, at.y);
    state = kCarryFood;
}

void HumanCustomerBehaviour::CarryFood() {
    const api::vec2 at = api::Position(owner);
    const float facing = api::Scale(owner).x;
    api::SetPosition(food.Get(), {at.x + facing / 4.0f, at.y});
    FoodCourt::SetRenderLayer(food.Get(), api::Layer(owner) + 1);
    if (!FoodCourt::Reaches(owner, table.Get(), 1.0f)) {
        WalkTowards(table.Get());
        return;
    }
    api::SetVelocity(owner, {0.0f, 0.0f});
    const api::vec2 tableAt = api::Position(table.Get());
    const float top = tableAt.y + FoodCourt::Height(table.Get()) / 2.0f;
    api::SetPosition(food.Get(), {at.x + facing / 2.0f, top + FoodCourt::Height(food.Get()) / 4.0f});
    // On the table, in front of it.
    FoodCourt::SetRenderLayer(food.Get(), api::Layer(table.Get()) + 1);
    timer = kScrapInterval;
    state = kEat;
}

void HumanCustomerBehaviour::Eat(float dt) {
    timer -= dt;
    if (timer >= 0.0f) return;
    if (scrapsDropped >= kScrapLimit) {
        state = kLeave;
        return;
    }
    // A scrap flies off only on some frames: to the left, straight down or to the right.
    const int r = api::Rand() % 8;
    if (r > 4) DropScrap(r);
}

void HumanCustomerBehaviour::DropScrap(int r) {
    const api::GameObj* source = food ? food.Get() : owner;
    const api::vec2 at = api::Position(source);
    const float raise = FoodCourt::Height(table.Get()) / 2.0f;
    api::GameObj* scrap = api::Spawn(FoodCourt::kScrapArchetype, at.x, at.y + raise);
    FoodCourt::SetRenderLayer(scrap, kScrapLayer);
    api::SetVelocity(scrap, {static_cast<float>(r - 6), 0.0f});
    ++scrapsDropped;
    timer = kScrapInterval;
}

void HumanCustomerBehaviour::Leave(float dt) {
    api::SetVelocity(owner, {kWalkSpeed, 0.0f});
    if (!food) return;
    fadeTimer -= dt;
    if (fadeTimer < 0.0f) {
        api::Destroy(food.Get());
        food.Reset();
        return;
    }
    const uint32_t alpha = AlphaByte(food.Get());
    if (dt > fadeTimer / 255.0f && alpha > 0) api::SetColor(food.Get(), kWhite | (alpha - 1) << 24);
}

void HumanCustomerBehaviour::Bumped() {
    Stop();
    if (bumpTimer > kBumpLimit) {
        birds::Bird::Of(bumper).Kill();
        bumper.Reset();
        // The next bird starts a count of its own.
        bumpTimer = 0.0f;
        Resume();
        return;
    }
    if (bumper && api::Distance(owner, bumper.Get()) > kBumpReach) Resume();
}

void HumanCustomerBehaviour::Resume() {
    if (state == kBumped) state = previousState;
}

void HumanCustomerBehaviour::MaybeQueueBehind(Engine::GameObj* other) {
    if (state != kGoToStall || !other || other->name != FoodCourt::kHumanCustomer.c_str()) return;
    const auto* front = api::ScriptOf<HumanCustomerBehaviour>(other);
    if (!front || front->state != kOrder) return;
    if (api::Position(other).x >= api::Position(owner).x) return;
    if (api::Distance(owner, other) >= (FoodCourt::Width(owner) + FoodCourt::Width(other)) / 2.0f) return;
    blocker = other;
    state = kQueue;
    api::SetVelocity(owner, {0.0f, 0.0f});
}

void HumanCustomerBehaviour::OnCollisionEnter(Engine::GameObj* other) {
    if (!other) return;
    if (other->name == FoodCourt::kBottomBorder.c_str()) {
        landed = true;
        api::SetGravityScale(owner, 0.0f);
        // Whatever it was doing, it stops falling here (not only while walking
        // in), standing on the floor rather than in it.
        api::SetVelocity(owner, {api::Velocity(owner).x, 0.0f});
        FoodCourt::RestOn(owner, other);
    }
    if (FoodCourt::IsBird(other)) {
        api::SetVelocity(owner, {0.0f, landed ? 0.0f : api::Velocity(owner).y});
        // A second bird's push counts from zero, and the customer goes back
        // to what it did before the first push, not to being held up.
        if (bumper != other) bumpTimer = 0.0f;
        bumper = other;
        if (state != kBumped) previousState = state;
        state = kBumped;
    }
    MaybeQueueBehind(other);
}

void HumanCustomerBehaviour::OnCollisionStay(Engine::GameObj* other) {
    if (other && bumper == other) bumpTimer += lastDt_;
    // Customers that were already side by side when the one in front began
    // to order queue as well.
    MaybeQueueBehind(other);
}

void HumanCustomerBehaviour::OnCollisionExit(Engine::GameObj* other) {
    if (!other) return;
    if (blocker == other) {
        blocker.Reset();
        if (state == kQueue) state = kGoToStall;
        if (state == kBumped && previousState == kQueue) previousState = kGoToStall;
    }
    if (bumper == other) {
        bumpTimer = 0.0f;
        Resume();
        bumper.Reset();
    }
}

#include "objects/level_epoch.h"

#include <cassert>

#include "objects/components.h"
#include "objects/game_object_factory.h"

namespace Engine {

LevelEpoch::~LevelEpoch() { assert(depth_ == 0 && "a script call scope outlived the level epoch"); }

void LevelEpoch::Retire(std::unique_ptr<Components> component) {
    if (depth_ > 0) retired_.push_back(std::move(component));
    // Otherwise the unique_ptr frees it on return.
}

void LevelEpoch::Close(int depth) {
    assert(depth == depth_ && "script call scopes closed out of order");
    (void)depth;
    if (--depth_ > 0) return;
    depth_ = 0;
    // Freeing a container retires nothing further, but swap first so the list is
    // never changed while it is being emptied.
    std::vector<std::unique_ptr<Components>> retired;
    retired.swap(retired_);
}

ScriptCallScope::ScriptCallScope(Since since)
    : ScriptCallScope(GameObjectFactory::instance ? &GameObjectFactory::instance->epoch : nullptr, since) {}

ScriptCallScope::ScriptCallScope(LevelEpoch* epoch, Since since) : epoch_(epoch) {
    if (!epoch_) return;
    start_ = since == Since::kAcknowledged ? epoch_->acknowledged_ : epoch_->level_;
    depth_ = ++epoch_->depth_;
}

ScriptCallScope::~ScriptCallScope() {
    if (epoch_) epoch_->Close(depth_);
}

bool ScriptCallScope::LevelChanged() const { return epoch_ && epoch_->level_ != start_; }

}  // namespace Engine

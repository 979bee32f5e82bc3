#pragma once
// A script whose fields decide how a run ends (health, scores, timers, stamina,
// cooldowns, the match's values) also derives from HashedState and feeds them
// to the world hash (wiring/world_hash.h), which already takes every object's
// transform, body and picture:
//
//   class EggBehaviour : public Engine::ScriptBase<EggBehaviour>, public Engine::HashedState {
//       void HashState(Engine::StateHasher& hasher) const override { hasher.Value(health); }
//   };

#include "core/state_hasher.h"

namespace Engine {

class HashedState {
public:
    virtual ~HashedState() = default;
    virtual void HashState(StateHasher& hasher) const = 0;

protected:
    HashedState() = default;
    HashedState(const HashedState&) = default;
    HashedState& operator=(const HashedState&) = default;
};

}  // namespace Engine

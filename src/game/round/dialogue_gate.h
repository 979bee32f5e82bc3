#pragma once
// The opening dialogue that holds a match level's rounds until it has been
// spoken: a `DialogScene` on the same object as the round logic. A level
// without one opens the gate at once.

#include "game/story/dialog_scene.h"

namespace DialogueGate {

inline DialogScene* DialogueOf(const Engine::GameObj* object) { return api::ScriptOf<DialogScene>(object); }

// Starts the dialogue `delay` seconds after the level has been revealed.
inline void Begin(DialogScene& dialogue, float delay) {
    dialogue.delay = delay;
    dialogue.active = true;
}

inline bool Finished(const DialogScene& dialogue) { return dialogue.Finished(); }

}  // namespace DialogueGate

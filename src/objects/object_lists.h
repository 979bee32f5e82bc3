#pragma once
// The program-wide object lists: what the current level handed out, what waits
// for release, and whether new components register with their systems.

#include <vector>

namespace Engine {

class GameObj;

// Objects handed out since the last level load, in hand-out order.
extern std::vector<GameObj*> liveObjects;
// Objects waiting for the end-of-step release.
extern std::vector<GameObj*> releaseQueue;
// While set, new components stay out of the systems' lists (prototypes, snapshots).
extern bool noRegister;

// Releases every queued object: inactive, out of the live list, components cleared.
void ReleaseDestroyedObjects();

}  // namespace Engine

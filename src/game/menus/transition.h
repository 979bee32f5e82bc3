#pragma once
// The screen wipe on the object "TransitionBird": a sprite at the centre whose
// scale runs between 0 (screen open) and 100 (screen covered). At level start it
// opens the screen; a menu that leaves covers it and then loads the next level
// by its key in the level-path table. The round logic also runs manual covers.

#include <string>

#include "api/script.h"

class Transition : public Engine::ScriptBase<Transition> {
public:
    static constexpr float kCovered = 100.0f;
    static constexpr float kSpeed = 100.0f;  // scale units per second
    static constexpr int kLayer = 15;

    using ScriptBase::ScriptBase;

    void Init() override;
    void Update(float dt) override;

    // Remembers where to go and switches input off until the next level loads.
    // The caller sets `leaving`.
    void Start(const std::string& key);

    bool manual = false;
    bool manualCover = false;
    bool leaving = false;
    bool revealed = false;
    std::string targetKey;

private:
    void StayInFront();
};

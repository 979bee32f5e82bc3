#pragma once
// What a pickup tells the spawner that placed it. Spawners implement these;
// a pickup finds its spawner's side by cross-cast on the spawner's object, so
// it needs nothing else of the spawner's class. One object may carry both
// kinds of spawner (the egg level's "Spawner"), hence one interface each.

// Places power-up bugs (the egg level's and the runner's).
class BugSpawner {
public:
    virtual ~BugSpawner() = default;
    // After a pickup or a loss: a new delay, and the wait starts over.
    virtual void Restart() = 0;
};

// Places the defender's armour pieces.
class ArmourSpawner {
public:
    virtual ~ArmourSpawner() = default;
    // After a pickup or a loss: a new delay and side, and the wait starts over.
    virtual void Restart() = 0;
};

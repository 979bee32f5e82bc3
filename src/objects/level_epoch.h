#pragma once
// One level epoch for every call out to scripts.
//
// A script (or a button command, or a contact callback) may load a level from
// inside its own call. The load releases the script containers of the old level
// and hands their pooled objects to the new one, so whoever called out must not
// go on with the old level's remaining scripts, and the container on the call
// stack must not be freed under it. The factory owns the level counter (bumped by
// every unload, hence by every load) and the list of components retired during a
// call; a ScriptCallScope wraps each call out to scripts and tells its caller
// whether a level was loaded since it opened.
//
// The game logic's update pass looks further back: a level change stays pending
// for it until the pass has seen it (a level loaded in the boot frame, from
// AlwaysUpdate or from a button ends the next frame's update pass after one
// script). Such a scope measures from the last acknowledged level.

#include <cstdint>
#include <memory>
#include <vector>

namespace Engine {

class Components;

class LevelEpoch {
public:
    LevelEpoch() = default;
    ~LevelEpoch();
    LevelEpoch(const LevelEpoch&) = delete;
    LevelEpoch& operator=(const LevelEpoch&) = delete;

    uint64_t Current() const { return level_; }
    // The counter itself, for the frame loop (which sees no objects).
    const uint64_t* CurrentSource() const { return &level_; }
    // A level was unloaded (every load unloads first).
    void Advance() { ++level_; }
    // Whether a level changed since the update pass last acknowledged one.
    bool LevelChangePending() const { return level_ != acknowledged_; }
    // The update pass has seen the change.
    void Acknowledge() { acknowledged_ = level_; }
    // Takes a released component: freed now when no call scope is open, otherwise
    // when the outermost scope closes.
    void Retire(std::unique_ptr<Components> component);
    size_t PendingCount() const { return retired_.size(); }
    int OpenScopes() const { return depth_; }

private:
    friend class ScriptCallScope;
    void Close(int depth);

    uint64_t level_ = 0;
    uint64_t acknowledged_ = 0;
    int depth_ = 0;
    std::vector<std::unique_ptr<Components>> retired_;
};

// Opened around every call out to scripts; scopes nest and must close innermost
// first (a debug build asserts it).
class ScriptCallScope {
public:
    enum class Since {
        kOpening,       // level changes from the moment the scope opens
        kAcknowledged,  // also one still pending for the update pass
    };
    // On the published factory's epoch; without a factory the scope does nothing.
    explicit ScriptCallScope(Since since = Since::kOpening);
    explicit ScriptCallScope(LevelEpoch* epoch, Since since = Since::kOpening);
    ~ScriptCallScope();
    ScriptCallScope(const ScriptCallScope&) = delete;
    ScriptCallScope& operator=(const ScriptCallScope&) = delete;

    // A level was loaded or unloaded since the scope opened: the caller stops
    // calling the old level's scripts.
    bool LevelChanged() const;

private:
    LevelEpoch* epoch_;
    uint64_t start_ = 0;
    int depth_ = 0;
};

}  // namespace Engine

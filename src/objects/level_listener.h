#pragma once
// What the systems above the factory do when a level goes and comes. The wiring
// registers them with the factory in a fixed order; each is called in that order.

#include <cstddef>
#include <string>

namespace Engine {

class LevelListener {
public:
    virtual ~LevelListener() = default;
    // Every object of the old level has been released.
    virtual void OnLevelUnloaded() {}
    // A level is about to be read from `path`; a listener may send the load elsewhere.
    virtual void OnLevelLoading(std::string& /*path*/) {}
    // The level file was read and its objects are about to be built.
    virtual void OnLevelFileRead() {}
    // `built` of the file's `total` top-level entries (objects, groups) are built.
    virtual void OnLevelBuilding(size_t /*built*/, size_t /*total*/) {}
    // Every object of the new level exists (or the file could not be read).
    virtual void OnLevelLoaded() {}
};

}  // namespace Engine

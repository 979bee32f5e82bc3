#pragma once

#include <vector>

namespace Engine {

class GameObj;

// The objects the current level handed out, in hand-out order. The factory owns
// them; systems that walk them (the graphics system's animators) get this view.
class LiveObjectSource {
public:
    virtual ~LiveObjectSource() = default;
    virtual const std::vector<GameObj*>& LiveObjects() const = 0;
};

}  // namespace Engine

#pragma once

#include "core/message.h"

namespace Engine {

// Every engine system: registered with the Core, initialised once, updated once a frame.
class System {
public:
    virtual void SendMessage(Message*) {}
    virtual void Update(float dt) = 0;
    virtual bool Initialize() { return true; }
    virtual ~System() = default;
};

}  // namespace Engine

#pragma once
// Starts the menu music when its level opens.

#include "api/script.h"

class FeedbackSystem : public Engine::ScriptBase<FeedbackSystem> {
public:
    using ScriptBase::ScriptBase;
    void Init() override;
};

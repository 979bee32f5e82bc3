#pragma once
// The food-court companion of the bird "Player2": its score on "P2Score".

#include "game/foodcourt/level2_bird.h"

class Player2Level2Behaviour : public Engine::ScriptBase<Player2Level2Behaviour, Level2BirdBehaviour> {
public:
    using ScriptBase::ScriptBase;

protected:
    const char* LabelName() const override;
    const char* Caption() const override { return "Player2 Score: "; }
};

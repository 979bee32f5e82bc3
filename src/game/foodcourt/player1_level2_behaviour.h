#pragma once
// The food-court companion of the bird "Player": its score on "P1Score".

#include "game/foodcourt/level2_bird.h"

class Player1Level2Behaviour : public Engine::ScriptBase<Player1Level2Behaviour, Level2BirdBehaviour> {
public:
    using ScriptBase::ScriptBase;

protected:
    const char* LabelName() const override;
    const char* Caption() const override { return "Player1 Score: "; }
};

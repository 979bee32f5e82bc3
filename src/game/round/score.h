#pragma once
// The runner level's bonus pickups: counts the bonus objects "B1" to "B4" the
// level has, and adds 500 to a bonus total when the owner touches "B1" or "B2".

#include <array>
#include <cstdint>

#include "api/object_ref.h"
#include "api/script.h"

class Score : public Engine::ScriptBase<Score> {
public:
    using ScriptBase::ScriptBase;
    static constexpr int32_t kBonus = 500;

    void Init() override;
    void OnCollisionEnter(Engine::GameObj* other) override;

    int32_t bonusObjectCount = 0;
    std::array<api::ObjectRef, 4> bonusObjects;
    api::ObjectRef team1Score, team2Score;
    // The two bonus totals of the run.
    int32_t bonus1Total = 0;
    int32_t bonus2Total = 0;
};

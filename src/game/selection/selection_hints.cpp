#include "game/selection/selection_hints.h"

#include <string>

#include "api/actions.h"
#include "api/script_api.h"

namespace {
const api::ObjectName kHints[2] = {api::ObjectName{"HintP1"}, api::ObjectName{"HintP2"}};
const api::ObjectName kBackHint{"HintBack"};
}  // namespace

void SelectionHints::Show() {
    using Engine::Action;
    for (int player = 1; player <= 2; ++player) {
        const auto name = [player](Action action) { return api::ControlName(player, action); };
        api::SetText(api::Find(kHints[player - 1]), "P" + std::to_string(player) + ":  " + name(Action::kMenuLeft) +
                                                        " " + name(Action::kMenuRight) + " move,  " +
                                                        name(Action::kMenuConfirm) + " ready,  " +
                                                        name(Action::kSkill) + " info");
    }
    api::SetText(api::Find(kBackHint), api::ControlName(1, Action::kMenuBack) + ": back to the title");
}

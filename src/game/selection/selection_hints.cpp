#include "game/selection/selection_hints.h"

#include <string>

#include "api/script_api.h"
#include "game/menus/control_prompts.h"

namespace {
const api::ObjectName kHints[2] = {api::ObjectName{"HintP1"}, api::ObjectName{"HintP2"}};
const api::ObjectName kBackHint{"HintBack"};
}  // namespace

void SelectionHints::Show() {
    using Engine::Action;
    for (int player = 1; player <= 2; ++player) {
        const auto names = [player](std::initializer_list<Action> actions) {
            return ControlPrompts::Names(player, actions);
        };
        api::SetText(api::Find(kHints[player - 1]), "P" + std::to_string(player) + ":  " +
                                                        names({Action::kMenuLeft, Action::kMenuRight}) + " move,  " +
                                                        names({Action::kMenuConfirm}) + " ready,  " +
                                                        names({Action::kSkill}) + " info");
    }
    api::SetText(api::Find(kBackHint), api::ControlName(1, Action::kMenuBack) + ": back to the title");
}

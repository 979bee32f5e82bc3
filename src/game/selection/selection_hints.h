#pragma once
// The bird selection's foot lines ("HintP1", "HintP2", "HintBack"), naming
// each player's keys as bound, or their pad controls once they last used a pad.

namespace SelectionHints {

void Show();

}  // namespace SelectionHints

// A deliberately plain statement of the capture rule, for checking the program against.
#pragma once

#include <string_view>

#include "rules/game_state.h"

namespace uragae::testing {

// How many stones `own` would turn by playing on the empty square (x, y): every direction is
// walked square by square to the edge, with no shortcuts.
int ReferenceFlips(const BoardGrid& board, int x, int y, std::string_view own, std::string_view opp);

}  // namespace uragae::testing

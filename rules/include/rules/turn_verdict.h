// When the person may pass and when the game is over, judged from the turn's counts.
#pragma once

#include "rules/game_state.h"

namespace uragae {

enum class GameResult { None, BlackWins, Draw, WhiteWins };

struct TurnVerdict {
    bool passEnabled = false;
    GameResult result = GameResult::None;
};

// black, white and empty are the counts as the turn refresh wrote them; personCanMove says whether
// "●" has a legal move now, computerPassed whether "○" passed on its last turn.
TurnVerdict JudgeTurn(int black, int white, int empty, bool personCanMove, bool computerPassed);

// Writes the start position: every cell empty, then the four centre stones.
void SetStartPosition(BoardGrid& board);

}  // namespace uragae

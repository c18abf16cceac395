// The pass rule, the end of the game and the start position.
#include "rules/turn_verdict.h"

namespace uragae {

TurnVerdict JudgeTurn(int black, int white, int empty, bool personCanMove, bool computerPassed)
{
    // Only the start position has 60 empty squares (stones are never removed), and there the person
    // may pass to let the computer open, although moves exist.
    constexpr int StartEmptySquares = SquareCount - 4;
    TurnVerdict verdict;
    verdict.passEnabled = (empty > 0 && !personCanMove && !computerPassed) || empty == StartEmptySquares;
    if (empty == 0 || (computerPassed && !personCanMove)) {
        verdict.result = black > white    ? GameResult::BlackWins
                         : black == white ? GameResult::Draw
                                          : GameResult::WhiteWins;
    }
    return verdict;
}

void SetStartPosition(BoardGrid& board)
{
    for (int y = 0; y < BoardSize; ++y) {
        for (int x = 0; x < BoardSize; ++x) {
            board(x, y) = EmptyCell;
        }
    }
    board(3, 3) = WhiteStone;
    board(4, 3) = BlackStone;
    board(3, 4) = BlackStone;
    board(4, 4) = WhiteStone;
}

}  // namespace uragae

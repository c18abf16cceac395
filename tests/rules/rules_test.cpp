// The move rule stated by results the field publishes, perft counts from the start position, and by
// relations checked on every position of the same walk; the turn verdict by a table of its cases.
#include <algorithm>

#include <gtest/gtest.h>

#include "position.h"
#include "rules/turn_verdict.h"

namespace uragae::testing {
namespace {

// The leaves of Reversi's game tree from the start position at depths 1 to 9, a pass counting as a
// move; the first passes come at depth 9. Any wrong flip, missed line or edge changes them.
constexpr std::array<long, 9> PublishedPerft{4, 12, 56, 244, 1396, 8200, 55092, 390216, 3005288};

// Counts the leaves `depth` moves below `board` with `own` to move. On the way, above the last level:
// a test (any mode but PlayMode) changes no stone and a play where it found nothing changes nothing,
// while a play where it found a line turns exactly the stones it counted and takes the square.
long Perft(const BoardGrid& board, std::string_view own, std::string_view opp, int depth, bool passed = false)
{
    GameState game{board, {}, 0, 0, 0};
    long leaves = 0;
    int moves = 0;
    for (int square = 0; square < SquareCount && !::testing::Test::HasFailure(); ++square) {
        const int x = SquareColumn(square);
        const int y = SquareRow(square);
        if (board(x, y) != EmptyCell) {
            continue;
        }
        game.MoveFound = 0;
        game.FlipCount = 0;
        game.TryMove(x, y, depth % 2 == 0 ? TestMode : 2, own, opp);
        moves += game.MoveFound;
        if (depth > 1 && game.MoveFound == 0) {
            game.TryMove(x, y, PlayMode, own, opp);  // must change nothing: checked below
        } else if (depth > 1) {
            GameState next{board, {}, 0, 0, 0};
            next.TryMove(x, y, PlayMode, own, opp);
            const char mover = own == BlackStone ? 'B' : 'W';
            EXPECT_EQ(std::ranges::count(BoardLine(next.Board), mover) -
                          std::ranges::count(BoardLine(board), mover),
                      game.FlipCount + 1)
                << own << " on " << NameOf(square) << " of " << BoardLine(board);
            leaves += Perft(next.Board, opp, own, depth - 1);
        }
    }
    EXPECT_TRUE(game.Board == board) << "a test, or a play with no line, changed " << BoardLine(board);
    if (moves == 0 && !passed && depth > 1) {
        return Perft(board, opp, own, depth - 1, true);
    }
    // At the last level each move is a leaf; a pass there, or the end of the game, is one too.
    return moves == 0 ? 1 : depth == 1 ? moves : leaves;
}

// Depth 7 stays well under a second in a release build; its cost grows sevenfold a level, so the
// sanitizer build stops at 6. URAGAE_PERFT_DEPTH=9 walks to the first passes (about ten seconds).
TEST(TryMove, CountsThePublishedLeavesFromTheStartAndTurnsWhatItCounts)
{
    for (int depth = 1; depth <= CountFromEnvironment("URAGAE_PERFT_DEPTH", 7); ++depth) {
        EXPECT_EQ(Perft(ParseBoard(StartLine), BlackStone, WhiteStone, depth), PublishedPerft.at(depth - 1))
            << "depth " << depth;
    }
}

struct VerdictCase {
    int black, white, empty;
    bool personCanMove, computerPassed;
    bool passEnabled;
    GameResult result;
};
const std::vector<VerdictCase> Verdicts{
    {2, 2, 60, true, false, true, GameResult::None},    // the start: the person may let the computer open
    {5, 30, 29, false, false, true, GameResult::None},  // the person is stuck, the computer moved: pass
    {20, 10, 34, true, true, false, GameResult::None},  // the computer passed, the person can move
    {10, 30, 24, false, true, false, GameResult::WhiteWins},  // the computer passed, the person is stuck
    {20, 20, 24, false, true, false, GameResult::Draw},       // the same, with equal counts
    {33, 31, 0, false, false, false, GameResult::BlackWins},  // a full board, whoever passed last
    {32, 32, 0, false, false, false, GameResult::Draw},
};

TEST(JudgeTurn, EnablesPassAndEndsTheGameAsTheTableSays)
{
    for (const VerdictCase& c : Verdicts) {
        const TurnVerdict verdict = JudgeTurn(c.black, c.white, c.empty, c.personCanMove, c.computerPassed);
        EXPECT_EQ(verdict.passEnabled, c.passEnabled) << &c - Verdicts.data() << " in the table";
        EXPECT_EQ(verdict.result, c.result) << &c - Verdicts.data() << " in the table";
    }
}

// An anchor just off each edge, and a snapshot slot outside 0..2.
TEST(IndexesOutsideTheirRangeThrow, OnTheBoardAndTheSnapshots)
{
    GameState game{ParseBoard(StartLine), {}, 0, 0, 0};
    for (const auto& [x, y] : {std::pair{-1, 3}, {8, 3}, {3, -1}, {3, 8}}) {
        EXPECT_THROW(game.TryMove(x, y, PlayMode, BlackStone, WhiteStone), std::out_of_range)
            << x << ", " << y;
    }
    EXPECT_NO_THROW(game.SaveBoard(0));  // the first slot, which the game itself leaves alone
    EXPECT_THROW(game.SaveBoard(3), std::out_of_range);
    EXPECT_THROW(game.RestoreBoard(-1), std::out_of_range);
    EXPECT_THROW((void)std::as_const(game.Snapshots).Slot(3), std::out_of_range);
}

}  // namespace
}  // namespace uragae::testing

// The move rule held against a plain walk of the capture rule, on positions from random games and
// on arbitrary fillings of the board: it must hold on any board, reachable or not.
#include <algorithm>
#include <ranges>

#include "reference.h"

namespace uragae::testing {
namespace {

// Boards to hold the rule against: random games cut off after 0, 1, ... 60 moves and over again,
// each followed by its stones shuffled over the board, almost never a position a game can reach.
std::vector<Line> AnyBoards()
{
    std::mt19937 random = SeededRandom(1);
    std::vector<Line> boards;
    for (int game = 0; std::ssize(boards) < CountFromEnvironment("URAGAE_GAMES", 2000); ++game) {
        boards.push_back(RandomGame(random, game % 61));
        boards.push_back(boards.back());
        std::ranges::shuffle(boards.back(), random);
    }
    return boards;
}

// TryMove's anchor is always empty: each side is tried on every empty square.
auto EmptySquares(const Line& board)
{
    return std::views::iota(0, SquareCount) |
           std::views::filter([&board](int square) { return board[square] == '.'; });
}

// A test (any mode but PlayMode) turns no stone; it raises MoveFound where a play would turn stones
// and adds their number to FlipCount, never clearing either, so here the counts run on over all the
// tests of a board. A play from the same counts turns exactly what the plain rule turns, taking the
// square only if it turned something, and reports nothing.
TEST(TryMoveFollowsTheCaptureRule, ATestCountsTheStonesAPlayTurns)
{
    for (const Line& board : AnyBoards()) {
        GameState tested{ParseBoard(board), {}, 0, 0, 0};
        int moveFound = 0;
        int flipCount = 0;
        for (const char side : {'B', 'W'}) {
            for (const int square : EmptySquares(board)) {
                SCOPED_TRACE(std::string{side} + " on " + std::to_string(square) + " of " + board);
                const int flips = Flips(board, square, side);
                moveFound = flips > 0 ? 1 : moveFound;
                for (const int mode : {TestMode, 2, -1}) {
                    tested.TryMove(ColumnOf(square), RowOf(square), mode, GlyphOf.at(side),
                                   GlyphOf.at(Opponent(side)));
                    flipCount += flips;
                    ASSERT_EQ(tested.MoveFound, moveFound) << "move found by a test in mode " << mode;
                    ASSERT_EQ(tested.FlipCount, flipCount) << "stones counted by a test in mode " << mode;
                    ASSERT_EQ(BoardLine(tested.Board), board) << "stones turned by a test in mode " << mode;
                }
                GameState played = tested;
                played.TryMove(ColumnOf(square), RowOf(square), PlayMode, GlyphOf.at(side),
                               GlyphOf.at(Opponent(side)));
                ASSERT_EQ(BoardLine(played.Board), Played(board, square, side)) << "the board after the play";
                ASSERT_EQ(played.MoveFound, moveFound) << "a play reports no move found";
                ASSERT_EQ(played.FlipCount, flipCount) << "a play counts no stones";
            }
        }
    }
}

// Anchors (x, y, mode) just off each edge, next to a run that TryMove would turn (or count) if the
// bad index did not stop it first.
const Line NextToEveryEdge = "...W.......B............WB....BW...................B.......W....";
constexpr std::array<std::tuple<int, int, int>, 4> OffTheBoard{
    {{-1, 3, PlayMode}, {8, 3, TestMode}, {3, -1, TestMode}, {3, 8, PlayMode}}};

TEST(IndexesOutsideTheirRangeThrow, BeforeAnythingChanges)
{
    GameState game{ParseBoard(NextToEveryEdge), {}, 0, 0, 0};
    for (const auto& [x, y, mode] : OffTheBoard) {
        EXPECT_THROW(game.TryMove(x, y, mode, BlackStone, WhiteStone), std::out_of_range) << x << ", " << y;
    }
    EXPECT_THROW(game.SaveBoard(3), std::out_of_range) << "the snapshot slots are 0 to 2";
    EXPECT_THROW(game.RestoreBoard(-1), std::out_of_range) << "the snapshot slots are 0 to 2";
    EXPECT_THROW((void)std::as_const(game.Snapshots).Slot(3), std::out_of_range);
    EXPECT_EQ(BoardLine(game.Board), NextToEveryEdge) << "no stone turned";
    EXPECT_EQ(game.MoveFound, 0) << "no move found";
    EXPECT_EQ(game.FlipCount, 0) << "no stone counted";
}

}  // namespace
}  // namespace uragae::testing

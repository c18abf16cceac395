// TryMove: which lines a move closes, what a test reports and what a play changes.
#include <gtest/gtest.h>

#include <stdexcept>
#include <utility>
#include <vector>

#include "board_diagrams.h"
#include "rules/game_state.h"

namespace uragae {
namespace {

using testing::CountDifferences;
using testing::DrawBoard;
using testing::ParseBoard;
using testing::StartDiagram;
using testing::StateWith;

struct TestResult {
    int moveFound;
    int flipCount;
};

// A fresh test of one square for `own`, as the turn refresh makes it.
TestResult TestSquare(GameState& state, int x, int y, std::string_view own, std::string_view opp)
{
    state.MoveFound = 0;
    state.FlipCount = 0;
    state.TryMove(x, y, TestMode, own, opp);
    return {state.MoveFound, state.FlipCount};
}

// ---------------------------------------------------------------------------------------------
// Which lines exist

TEST(LinesFound, StartPositionHasExactlyTheFourClassicMovesForBlack)
{
    GameState state = StateWith(StartDiagram);
    std::vector<std::pair<int, int>> legal;
    for (int y = 0; y < BoardSize; ++y) {
        for (int x = 0; x < BoardSize; ++x) {
            if (state.Board(x, y) != EmptyCell) {
                continue;
            }
            const TestResult result = TestSquare(state, x, y, BlackStone, WhiteStone);
            if (result.moveFound == 1) {
                EXPECT_EQ(result.flipCount, 1) << "at " << x << "," << y;
                legal.emplace_back(x, y);
            }
        }
    }
    const std::vector<std::pair<int, int>> expected{{3, 2}, {2, 3}, {5, 4}, {4, 5}};
    EXPECT_EQ(legal, expected);
}

TEST(LinesFound, AllEightDirectionsAtOnceAreCountedAndTurned)
{
    GameState state = StateWith(R"(
        B..B..B.
        .W.W.W..
        ..WWW...
        BWW.WWWB
        ..WWW...
        .W.W.W..
        B..W..B.
        ...B....
    )");
    // Lengths: E 3, SE 2, NE 2, W 2, SW 2, NW 2, S 3, N 2.
    EXPECT_EQ(TestSquare(state, 3, 3, BlackStone, WhiteStone).flipCount, 18);

    const BoardGrid before = state.Board;
    state.TryMove(3, 3, PlayMode, BlackStone, WhiteStone);
    EXPECT_EQ(CountDifferences(before, state.Board), 19) << DrawBoard(state.Board);
    EXPECT_EQ(testing::CountCells(state.Board, WhiteStone), 0) << DrawBoard(state.Board);
}

TEST(LinesFound, ShortAndLongLineTogetherTurnFourAndChangeFiveCells)
{
    GameState state = StateWith(R"(
        ........
        ........
        ........
        .BWWW.B.
        ........
        ........
        ........
        ........
    )");
    state.Board(5, 4) = WhiteStone;
    state.Board(5, 5) = BlackStone;
    // (5, 3): west closes three stones at (1, 3); south closes one at (5, 5).
    const TestResult result = TestSquare(state, 5, 3, BlackStone, WhiteStone);
    EXPECT_EQ(result.moveFound, 1);
    EXPECT_EQ(result.flipCount, 4);

    const BoardGrid before = state.Board;
    state.TryMove(5, 3, PlayMode, BlackStone, WhiteStone);
    EXPECT_EQ(CountDifferences(before, state.Board), 5);
    EXPECT_EQ(state.Board, ParseBoard(R"(
        ........
        ........
        ........
        .BBBBBB.
        .....B..
        .....B..
        ........
        ........
    )")) << DrawBoard(state.Board);
}

// ---------------------------------------------------------------------------------------------
// Which runs are not lines

TEST(NoLine, OpponentFollowedByEmptySquare)
{
    GameState state = StateWith(R"(
        ........
        ........
        ........
        ...W.B..
        ........
        ........
        ........
        ........
    )");
    EXPECT_EQ(TestSquare(state, 2, 3, BlackStone, WhiteStone).moveFound, 0);
}

TEST(NoLine, RunOfOpponentStonesThatReachesTheEdgeUnclosed)
{
    GameState state = StateWith(R"(
        ........
        ........
        ........
        ....WWWW
        ........
        ........
        ........
        BWWWWWWW
    )");
    EXPECT_EQ(TestSquare(state, 3, 3, BlackStone, WhiteStone).moveFound, 0);
    // A full row of white from a black anchor at the far end: nothing closes it.
    state.Board(0, 7) = EmptyCell;
    EXPECT_EQ(TestSquare(state, 0, 7, BlackStone, WhiteStone).moveFound, 0);
}

TEST(NoLine, OwnStoneNextToTheAnchorEvenWithMoreBehindIt)
{
    GameState state = StateWith(R"(
        ........
        ........
        ........
        ..BBWB..
        ........
        ........
        ........
        ........
    )");
    EXPECT_EQ(TestSquare(state, 1, 3, BlackStone, WhiteStone).moveFound, 0);
}

TEST(NoLine, DiagonalWalkStopsAtTheFirstEdgeItReaches)
{
    // From (5, 3) heading south-east only (6, 4) and (7, 5) lie on the board; the black stone
    // at (7, 7) is in the same column, not on the diagonal.
    GameState state = StateWith(R"(
        ........
        ........
        ........
        ........
        ......W.
        .......W
        ........
        .......B
    )");
    EXPECT_EQ(TestSquare(state, 5, 3, BlackStone, WhiteStone).moveFound, 0);

    // From (2, 5) heading south-west the walk ends on (0, 7), which closes the line.
    state = StateWith(R"(
        ........
        ........
        ........
        ........
        ........
        ........
        .W......
        B.......
    )");
    const TestResult closed = TestSquare(state, 2, 5, BlackStone, WhiteStone);
    EXPECT_EQ(closed.moveFound, 1);
    EXPECT_EQ(closed.flipCount, 1);
}

// ---------------------------------------------------------------------------------------------
// Edges and corners

TEST(EdgesAndCorners, CornerAnchorTurnsItsThreeDirections)
{
    GameState state = StateWith(R"(
        .WWB....
        WW......
        W.B.....
        B.......
        ........
        ........
        ........
        ........
    )");
    EXPECT_EQ(TestSquare(state, 0, 0, BlackStone, WhiteStone).flipCount, 5);
    state.TryMove(0, 0, PlayMode, BlackStone, WhiteStone);
    EXPECT_EQ(state.Board, ParseBoard(R"(
        BBBB....
        BB......
        B.B.....
        B.......
        ........
        ........
        ........
        ........
    )")) << DrawBoard(state.Board);
}

// ---------------------------------------------------------------------------------------------
// What a test reports and what a play changes

TEST(TestMode, OnlyRaisesMoveFoundAndAddsToFlipCount)
{
    GameState state = StateWith(StartDiagram);
    state.MoveFound = 0;
    state.FlipCount = 0;
    state.TryMove(3, 2, TestMode, BlackStone, WhiteStone);
    state.TryMove(2, 3, TestMode, BlackStone, WhiteStone);
    EXPECT_EQ(state.FlipCount, 2) << "counts accumulate without a reset";

    state.TryMove(0, 0, TestMode, BlackStone, WhiteStone);
    EXPECT_EQ(state.MoveFound, 1) << "a failed test never lowers MoveFound";
    EXPECT_EQ(state.FlipCount, 2);
}

TEST(TestMode, NeverChangesTheBoardWhateverTheModeValue)
{
    GameState state = StateWith(StartDiagram);
    const BoardGrid before = state.Board;
    for (const int mode : {0, 2, -1, 100}) {
        const TestResult result = TestSquare(state, 3, 2, BlackStone, WhiteStone);
        state.MoveFound = 0;
        state.FlipCount = 0;
        state.TryMove(3, 2, mode, BlackStone, WhiteStone);
        EXPECT_EQ(state.MoveFound, result.moveFound) << "mode " << mode;
        EXPECT_EQ(state.FlipCount, result.flipCount) << "mode " << mode;
        EXPECT_EQ(state.Board, before) << "mode " << mode;
    }
}

TEST(PlayMode, ChangesExactlyTheTurnedStonesAndTheAnchorButNoNumber)
{
    GameState state = StateWith(StartDiagram);
    state.MoveFound = 7;
    state.FlipCount = 9;
    state.ComputerPassed = 1;
    state.TryMove(3, 2, PlayMode, BlackStone, WhiteStone);
    EXPECT_EQ(state.Board, ParseBoard(R"(
        ........
        ........
        ...B....
        ...BB...
        ...BW...
        ........
        ........
        ........
    )")) << DrawBoard(state.Board);
    EXPECT_EQ(state.MoveFound, 7);
    EXPECT_EQ(state.FlipCount, 9);
    EXPECT_EQ(state.ComputerPassed, 1);
}

TEST(PlayMode, IllegalPlayChangesNothingAndLeavesTheAnchorEmpty)
{
    GameState state = StateWith(StartDiagram);
    const BoardGrid before = state.Board;
    state.TryMove(2, 2, PlayMode, BlackStone, WhiteStone);
    EXPECT_EQ(state.Board, before);
    EXPECT_EQ(state.Board(2, 2), EmptyCell);
}

// ---------------------------------------------------------------------------------------------
// Indexes out of range

TEST(OutOfRange, AnchorOutsideTheBoardThrowsBeforeAnythingIsTurned)
{
    // (8, 3) would close a line westwards through (7, 3)..(6, 3) if the anchor were not checked.
    GameState state = StateWith(R"(
        ........
        ........
        ........
        .....BWW
        ........
        ........
        ........
        ........
    )");
    const BoardGrid before = state.Board;
    EXPECT_THROW(state.TryMove(8, 3, PlayMode, BlackStone, WhiteStone), std::out_of_range);
    EXPECT_THROW(state.TryMove(3, -1, TestMode, BlackStone, WhiteStone), std::out_of_range);
    EXPECT_EQ(state.Board, before);
}

TEST(OutOfRange, CellAccessNamesTheBadCoordinate)
{
    GameState state;
    try {
        (void)state.Board(0, 8);
        FAIL() << "no exception";
    } catch (const std::out_of_range& error) {
        EXPECT_STREQ(error.what(), "y 8 is outside 0..7");
    }
    EXPECT_THROW((void)state.Board(-1, 0), std::out_of_range);
}

}  // namespace
}  // namespace uragae

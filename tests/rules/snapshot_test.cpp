// SaveBoard and RestoreBoard: whole copies by value, one slot at a time, nothing else touched.
#include <gtest/gtest.h>

#include <stdexcept>

#include "board_diagrams.h"
#include "rules/game_state.h"

namespace uragae {
namespace {

using testing::ParseBoard;
using testing::StartDiagram;
using testing::StateWith;

constexpr std::string_view Midgame = testing::MidgameDiagram;

TEST(Snapshots, RestoreGivesBackTheSavedPositionEmptyCellsIncluded)
{
    GameState state = StateWith(Midgame);
    state.SaveBoard(1);
    state.Board = ParseBoard(StartDiagram);
    state.Board(0, 0) = BlackStone;
    state.RestoreBoard(1);
    EXPECT_EQ(state.Board, ParseBoard(Midgame));
}

TEST(Snapshots, SlotsAreIndependentOfEachOther)
{
    GameState state = StateWith(Midgame);
    state.SaveBoard(1);
    state.Board = ParseBoard(StartDiagram);
    state.SaveBoard(2);
    state.Board = BoardGrid{};
    state.SaveBoard(0);

    state.RestoreBoard(1);
    EXPECT_EQ(state.Board, ParseBoard(Midgame));
    state.RestoreBoard(2);
    EXPECT_EQ(state.Board, ParseBoard(StartDiagram));
    state.RestoreBoard(0);
    EXPECT_EQ(state.Board, BoardGrid{});
}

TEST(Snapshots, ANeverSavedSlotRestoresAnEmptyBoard)
{
    GameState state = StateWith(Midgame);
    state.RestoreBoard(2);
    EXPECT_EQ(testing::CountCells(state.Board, EmptyCell), SquareCount);
}

TEST(Snapshots, AreCopiesByValueInBothDirections)
{
    GameState state = StateWith(StartDiagram);
    state.SaveBoard(1);
    state.Board(3, 3) = BlackStone;
    state.Board(0, 0) = WhiteStone;
    EXPECT_EQ(state.Snapshots(3, 3, 1), WhiteStone);
    EXPECT_EQ(state.Snapshots(0, 0, 1), EmptyCell);

    state.RestoreBoard(1);
    state.Board(4, 4) = BlackStone;
    EXPECT_EQ(state.Snapshots(4, 4, 1), WhiteStone);
}

TEST(Snapshots, LeaveTheThreeNumbersAlone)
{
    GameState state = StateWith(StartDiagram);
    state.MoveFound = 1;
    state.FlipCount = 17;
    state.ComputerPassed = 1;
    state.SaveBoard(1);
    state.RestoreBoard(2);
    EXPECT_EQ(state.MoveFound, 1);
    EXPECT_EQ(state.FlipCount, 17);
    EXPECT_EQ(state.ComputerPassed, 1);
}

TEST(Snapshots, SlotOutsideTheStoreThrowsBeforeAnythingIsCopied)
{
    GameState state = StateWith(Midgame);
    EXPECT_THROW(state.SaveBoard(3), std::out_of_range);
    EXPECT_THROW(state.RestoreBoard(-1), std::out_of_range);
    EXPECT_EQ(state.Board, ParseBoard(Midgame));
    try {
        (void)state.Snapshots(0, 0, 3);
        FAIL() << "no exception";
    } catch (const std::out_of_range& error) {
        EXPECT_STREQ(error.what(), "slot 3 is outside 0..2");
    }
}

}  // namespace
}  // namespace uragae

// The computer's look-ahead saves, tries and restores the board tens of thousands of times a
// move; none of that may touch the heap.
#include <gtest/gtest.h>

#include "board_diagrams.h"
#include "counting_new.h"
#include "rules/game_state.h"

namespace uragae {
namespace {

TEST(Allocation, SaveTryAndRestoreNeverAllocate)
{
    GameState state = testing::StateWith(testing::MidgameDiagram);
    testing::countingAllocations = true;
    for (int square = 0; square < SquareCount; ++square) {
        const int x = SquareColumn(square);
        const int y = SquareRow(square);
        if (state.Board(x, y) != EmptyCell) {
            continue;
        }
        state.SaveBoard(1);
        state.TryMove(x, y, TestMode, WhiteStone, BlackStone);
        state.TryMove(x, y, PlayMode, WhiteStone, BlackStone);
        state.SaveBoard(2);
        state.TryMove(0, 0, PlayMode, BlackStone, WhiteStone);
        state.RestoreBoard(2);
        state.RestoreBoard(1);
    }
    testing::countingAllocations = false;
    EXPECT_EQ(testing::allocationCount, 0);
}

}  // namespace
}  // namespace uragae

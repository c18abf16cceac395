// The computer's look-ahead saves, tries and restores the board tens of thousands of times a
// move; none of that may touch the heap.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "board_diagrams.h"
#include "rules/game_state.h"

namespace {
bool countingAllocations = false;
int allocationCount = 0;
}  // namespace

void* operator new(std::size_t size)
{
    if (countingAllocations) {
        ++allocationCount;
    }
    if (void* memory = std::malloc(size == 0 ? 1 : size)) {
        return memory;
    }
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t /*size*/) noexcept { std::free(memory); }

namespace uragae {
namespace {

TEST(Allocation, SaveTryAndRestoreNeverAllocate)
{
    GameState state = testing::StateWith(testing::MidgameDiagram);
    countingAllocations = true;
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
    countingAllocations = false;
    EXPECT_EQ(allocationCount, 0);
}

}  // namespace
}  // namespace uragae

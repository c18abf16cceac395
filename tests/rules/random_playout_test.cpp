// Thousands of random games from the start position, with the rules checked after every move
// against a deliberately simple reference.
#include <gtest/gtest.h>

#include <iostream>
#include <random>
#include <string>
#include <vector>

#include "board_diagrams.h"
#include "reference.h"
#include "rules/game_state.h"
#include "test_seed.h"

namespace uragae {
namespace {

using testing::CountCells;
using testing::DrawBoard;
using testing::ReferenceFlips;

TEST(RandomPlayout, EveryMoveOfThousandsOfGamesKeepsTheRules)
{
    const unsigned seed = testing::SeedFromEnvironment(20261206U);
    const int games = testing::CountFromEnvironment("URAGAE_GAMES", 2000);
    std::cout << "random playout: seed " << seed << ", " << games
              << " games (repeat with URAGAE_SEED=" << seed << ")\n";
    RecordProperty("seed", std::to_string(seed));
    std::mt19937 random(seed);

    for (int game = 0; game < games; ++game) {
        GameState state = testing::StateWith(testing::StartDiagram);
        std::string_view mover = BlackStone;
        std::string_view other = WhiteStone;
        int passesInARow = 0;
        while (passesInARow < 2) {
            std::vector<int> legal;
            for (int square = 0; square < SquareCount; ++square) {
                const int x = SquareColumn(square);
                const int y = SquareRow(square);
                if (state.Board(x, y) != EmptyCell) {
                    continue;
                }
                state.MoveFound = 0;
                state.FlipCount = 0;
                const BoardGrid before = state.Board;
                state.TryMove(x, y, TestMode, mover, other);
                const int expected = ReferenceFlips(before, x, y, mover, other);
                ASSERT_EQ(state.Board, before) << "a test changed the board" << DrawBoard(before);
                ASSERT_EQ(state.FlipCount, expected) << "at " << x << "," << y << DrawBoard(before);
                ASSERT_EQ(state.MoveFound, expected > 0 ? 1 : 0) << "at " << x << "," << y;

                // Play mode must agree with test mode on every empty square, legal or not.
                state.SaveBoard(0);
                state.TryMove(x, y, PlayMode, mover, other);
                ASSERT_EQ(state.Board(x, y) == mover, expected > 0) << "at " << x << "," << y;
                ASSERT_EQ(testing::CountDifferences(before, state.Board), expected > 0 ? expected + 1 : 0);
                state.RestoreBoard(0);
                if (expected > 0) {
                    legal.push_back(square);
                }
            }
            if (legal.empty()) {
                ++passesInARow;
            } else {
                passesInARow = 0;
                const int square =
                    legal[std::uniform_int_distribution<std::size_t>(0, legal.size() - 1)(random)];
                const int moverBefore = CountCells(state.Board, mover);
                const int otherBefore = CountCells(state.Board, other);
                state.MoveFound = 0;
                state.FlipCount = 0;
                state.TryMove(SquareColumn(square), SquareRow(square), TestMode, mover, other);
                const int turned = state.FlipCount;
                state.TryMove(SquareColumn(square), SquareRow(square), PlayMode, mover, other);
                ASSERT_EQ(CountCells(state.Board, mover), moverBefore + turned + 1);
                ASSERT_EQ(CountCells(state.Board, other), otherBefore - turned);
            }
            ASSERT_EQ(CountCells(state.Board, BlackStone) + CountCells(state.Board, WhiteStone) +
                          CountCells(state.Board, EmptyCell),
                      SquareCount)
                << "a cell holds something other than a glyph" << DrawBoard(state.Board);
            std::swap(mover, other);
        }
    }
}

}  // namespace
}  // namespace uragae

// The board model and the move rule. TryMove is held against a plain walk of the capture rule on
// positions from random games and on arbitrary fillings of the board: the rule must hold on any
// board, reachable or not.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <iostream>
#include <stdexcept>

#include "reference.h"

namespace uragae {

// How GoogleTest shows a board: its one-line form.
void PrintTo(const BoardGrid& board, std::ostream* out) { *out << testing::BoardLine(board); }

namespace {
using namespace testing;

TEST(TryMove, TestsAndPlaysEveryEmptySquareOfAnyBoardAsThePlainRuleSays)
{
    const unsigned seed = SeedFromEnvironment(1);
    const int positions = CountFromEnvironment("URAGAE_GAMES", 2000);
    std::cout << "URAGAE_SEED=" << seed << " URAGAE_GAMES=" << positions << "\n";
    RecordProperty("seed", std::to_string(seed));
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> pick(0, 8);
    for (int i = 0; i < positions; ++i) {
        // Even i: a position from a random game; odd i: each square drawn with random odds of '.', 'B', 'W'.
        std::discrete_distribution<int> symbol({1.0 + pick(random), 1.0 + pick(random), 1.0 + pick(random)});
        std::string line(SquareCount, '.');
        std::ranges::generate(line, [&] { return ".BW"[symbol(random)]; });
        const BoardGrid position = i % 2 == 0 ? RandomGamePosition(random, i % 61) : ParseBoard(line);
        SCOPED_TRACE(BoardLine(position));
        for (auto&& [own, opp] : {std::pair{BlackStone, WhiteStone}, std::pair{WhiteStone, BlackStone}}) {
            for (int square = 0; square < SquareCount; ++square) {
                const auto [x, y] = std::pair(SquareColumn(square), SquareRow(square));
                if (!position(x, y).empty()) {
                    continue;
                }
                // Earlier results, which a test only adds to, and a test mode that need not be 0.
                GameState game{position, {}, pick(random) % 2, pick(random), 0};
                const int flips = ReferenceFlips(position, x, y, own, opp);
                const auto now = [&] { return std::tuple(game.MoveFound, game.FlipCount, game.Board); };
                auto expected = std::tuple(flips > 0 ? 1 : game.MoveFound, game.FlipCount + flips, position);
                game.TryMove(x, y, std::array{TestMode, 2, -1}.at(pick(random) % 3), own, opp);
                ASSERT_EQ(now(), expected) << "test of " << own << " at " << square;
                std::get<2>(expected) = ReferencePlay(position, x, y, own, opp);
                game.TryMove(x, y, PlayMode, own, opp);
                ASSERT_EQ(now(), expected) << "play of " << own << " at " << square;
            }
        }
    }
}

// Each slot keeps its own copy, whatever the board and the other slots do in between; a slot never
// saved restores an empty board; the three numbers are never touched.
TEST(Snapshots, EachSlotKeepsItsOwnCopy)
{
    std::mt19937 random(SeedFromEnvironment(1));
    GameState game{{}, {}, 5, 5, 5};
    std::array<BoardGrid, SnapshotSlotCount> saved;
    game.Board = RandomGamePosition(random, 30);
    for (const int slot : {2, 1, 0, 2, 1, 0}) {
        game.RestoreBoard(slot);
        EXPECT_EQ(game.Board, saved.at(slot)) << "slot " << slot;
        game.Board = RandomGamePosition(random, 20 + slot);
        game.SaveBoard(slot);
        saved.at(slot) = game.Board;
    }
    EXPECT_EQ(std::tuple(game.MoveFound, game.FlipCount, game.ComputerPassed), std::tuple(5, 5, 5));
}

// Each TryMove below would turn a stone on the board if its walk were not stopped by the bad index.
TEST(Indexes, OutsideTheBoardOrTheSlotsThrowBeforeAnythingChanges)
{
    const BoardGrid before = ParseBoard("...W.......B............WB....BW...................B.......W....");
    GameState game{before, {}, 0, 0, 0};
    for (const int mode : {TestMode, PlayMode}) {
        for (const int bad : {-1, 8}) {
            EXPECT_THROW(game.TryMove(bad, 3, mode, BlackStone, WhiteStone), std::out_of_range) << bad;
            EXPECT_THROW(game.TryMove(3, bad, mode, BlackStone, WhiteStone), std::out_of_range) << bad;
        }
    }
    EXPECT_THROW(game.SaveBoard(3), std::out_of_range);
    EXPECT_THROW(game.RestoreBoard(-1), std::out_of_range);
    EXPECT_THROW(game.RestoreBoard(3), std::out_of_range);
    EXPECT_EQ(std::tuple(game.Board, game.MoveFound, game.FlipCount), std::tuple(before, 0, 0));
}

}  // namespace
}  // namespace uragae

// The move rule held against a plain walk of the capture rule, on positions from random games and
// on arbitrary fillings of the board: it must hold on any board, reachable or not.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <iostream>
#include <utility>

#include "reference.h"

namespace uragae::testing {
namespace {

TEST(TryMove, TestsAndPlaysEveryEmptySquareOfAnyBoardAsThePlainRuleSays)
{
    const int positions = CountFromEnvironment("URAGAE_GAMES", 2000);
    std::mt19937 random = SeededRandom(1);
    for (int i = 0; i < positions; ++i) {
        Line line = RandomGame(random, i % 61);
        if (i % 2 == 1) {
            std::ranges::shuffle(line, random);  // the same stones anywhere: most such boards are unreachable
        }
        for (int square = 0; square < SquareCount * 2; ++square) {  // "●" moving, then "○"
            const char own = square < SquareCount ? 'B' : 'W';
            const auto [x, y] = std::pair(square % SquareCount % 8, square % SquareCount / 8);
            if (line[square % SquareCount] != '.') {
                continue;
            }
            // Earlier results, which a test only adds to, and a test mode that need not be 0.
            GameState game{ParseBoard(line), {}, i / 2 % 2, i % 7, 0};
            const auto now = [&] {
                return std::tuple(game.MoveFound, game.FlipCount, BoardLine(game.Board));
            };
            const int flips = Flips(line, square % SquareCount, own);
            const std::string_view glyph = own == 'B' ? BlackStone : WhiteStone;
            const std::string_view other = own == 'B' ? WhiteStone : BlackStone;
            game.TryMove(x, y, i % 3 == 0 ? TestMode : i % 3 == 1 ? 2 : -1, glyph, other);
            ASSERT_EQ(now(), std::tuple(flips > 0 ? 1 : i / 2 % 2, i % 7 + flips, line))
                << own << square << " on " << line;
            game.TryMove(x, y, PlayMode, glyph, other);
            ASSERT_EQ(now(), std::tuple(flips > 0 ? 1 : i / 2 % 2, i % 7 + flips,
                                        Played(line, square % SquareCount, own)))
                << "play of " << own << " at " << square % SquareCount << " on " << line;
        }
    }
}

// Each slot keeps its own copy, whatever the board and the other slots do in between; a slot never
// saved restores an empty board; the three numbers are never touched.
TEST(Snapshots, EachSlotKeepsItsOwnCopy)
{
    std::mt19937 random(1);  // only to make distinct positions
    GameState game{ParseBoard(RandomGame(random, 30)), {}, 5, 5, 5};
    std::array<Line, SnapshotSlotCount> saved;
    saved.fill(Line(SquareCount, '.'));
    for (const int slot : {2, 1, 0, 2, 1, 0}) {
        game.RestoreBoard(slot);
        EXPECT_EQ(BoardLine(game.Board), saved.at(slot)) << "slot " << slot;
        saved.at(slot) = RandomGame(random, 20 + slot);
        game.Board = ParseBoard(saved.at(slot));
        game.SaveBoard(slot);
    }
    EXPECT_EQ(std::tuple(game.MoveFound, game.FlipCount, game.ComputerPassed), std::tuple(5, 5, 5));
}

// Each TryMove below would turn a stone if its walk were not stopped by the bad index first.
TEST(Indexes, OutsideTheBoardOrTheSlotsThrowBeforeAnythingChanges)
{
    const Line before = "...W.......B............WB....BW...................B.......W....";
    GameState game{ParseBoard(before), {}, 0, 0, 0};
    for (const int bad : {-1, 8}) {
        EXPECT_THROW(game.TryMove(bad, 3, PlayMode, BlackStone, WhiteStone), std::out_of_range) << bad;
        EXPECT_THROW(game.TryMove(3, bad, PlayMode, BlackStone, WhiteStone), std::out_of_range) << bad;
        EXPECT_THROW(game.TryMove(bad, 3, TestMode, BlackStone, WhiteStone), std::out_of_range) << bad;
    }
    EXPECT_THROW(game.SaveBoard(3), std::out_of_range);
    EXPECT_THROW(game.RestoreBoard(-1), std::out_of_range);
    EXPECT_THROW((void)std::as_const(game.Snapshots).Slot(3), std::out_of_range);
    EXPECT_EQ(std::tuple(BoardLine(game.Board), game.MoveFound, game.FlipCount), std::tuple(before, 0, 0));
}

}  // namespace
}  // namespace uragae::testing

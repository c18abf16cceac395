// The move rule held against a plain walk of the capture rule, on positions from random games and
// on arbitrary fillings of the board: it must hold on any board, reachable or not.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <iostream>

#include "reference.h"

namespace uragae::testing {
namespace {

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
        Line line(SquareCount, '.');
        std::ranges::generate(line, [&] { return ".BW"[symbol(random)]; });
        line = i % 2 == 0 ? RandomGame(random, i % 61) : line;
        for (const char own : {'B', 'W'}) {
            const std::string_view glyph = own == 'B' ? BlackStone : WhiteStone;
            const std::string_view other = own == 'B' ? WhiteStone : BlackStone;
            for (int square = 0; square < SquareCount; ++square) {
                if (line[square] != '.') {
                    continue;
                }
                // Earlier results, which a test only adds to, and a test mode that need not be 0.
                GameState game{ParseBoard(line), {}, pick(random) % 2, pick(random), 0};
                const auto now = [&] {
                    return std::tuple(game.MoveFound, game.FlipCount, BoardLine(game.Board));
                };
                const int flips = Flips(line, square, own);
                auto expected = std::tuple(flips > 0 ? 1 : game.MoveFound, game.FlipCount + flips, line);
                const int mode = std::array{TestMode, 2, -1}.at(pick(random) % 3);
                game.TryMove(SquareColumn(square), SquareRow(square), mode, glyph, other);
                ASSERT_EQ(now(), expected) << "test of " << own << " at " << square << " on " << line;
                std::get<2>(expected) = Played(line, square, own);
                game.TryMove(SquareColumn(square), SquareRow(square), PlayMode, glyph, other);
                ASSERT_EQ(now(), expected) << "play of " << own << " at " << square << " on " << line;
            }
        }
    }
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
    EXPECT_EQ(std::tuple(BoardLine(game.Board), game.MoveFound, game.FlipCount), std::tuple(before, 0, 0));
}

}  // namespace
}  // namespace uragae::testing

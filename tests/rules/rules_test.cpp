// The move rule held against a plain walk of the capture rule, on positions from random games and
// on arbitrary fillings of the board: it must hold on any board, reachable or not.
#include <algorithm>

#include "reference.h"

namespace uragae::testing {
namespace {

// A test (any mode but 1) only raises MoveFound and adds to FlipCount, so every square starts from
// earlier results that need not be 0; a play changes the board alone, and exactly as the rule says.
TEST(TryMove, TestsAndPlaysEveryEmptySquareOfAnyBoardAsThePlainRuleSays)
{
    const int positions = CountFromEnvironment("URAGAE_GAMES", 2000);
    std::mt19937 random = SeededRandom(1);
    for (int i = 0; i < positions; ++i) {
        Line line = RandomGame(random, i % 61);
        if (i % 2 == 1) {
            std::ranges::shuffle(line, random);  // the same stones anywhere: most such boards are unreachable
        }
        for (int move = 0; move < 2 * SquareCount; ++move) {  // "●" on every square, then "○"
            const auto [square, own] = std::pair(move % SquareCount, "BW"[move / SquareCount]);
            if (line[square] != '.') {
                continue;  // TryMove's anchor is always empty
            }
            const auto [mine, theirs] =
                own == 'B' ? std::pair(BlackStone, WhiteStone) : std::pair(WhiteStone, BlackStone);
            const int flips = Flips(line, square, own);
            GameState game{ParseBoard(line), {}, i / 2 % 2, i % 7, 0};
            const auto now = [&] {
                return std::tuple(game.MoveFound, game.FlipCount, BoardLine(game.Board));
            };
            const auto after = [&](const Line& board) {
                return std::tuple(flips > 0 ? 1 : i / 2 % 2, i % 7 + flips, board);
            };
            game.TryMove(square % 8, square / 8, std::array{TestMode, 2, -1}.at(i % 3), mine, theirs);
            ASSERT_EQ(now(), after(line)) << own << " tests " << square << " on " << line;
            game.TryMove(square % 8, square / 8, PlayMode, mine, theirs);
            ASSERT_EQ(now(), after(Played(line, square, own)))
                << own << " plays " << square << " on " << line;
        }
    }
}

// Each TryMove below would turn a stone if its walk were not stopped by the bad index first.
TEST(Indexes, OutsideTheBoardOrTheSlotsThrowBeforeAnythingChanges)
{
    const Line before = "...W.......B............WB....BW...................B.......W....";
    GameState game{ParseBoard(before), {}, 0, 0, 0};
    for (const auto& [x, y, mode] :
         {std::tuple{-1, 3, PlayMode}, {8, 3, TestMode}, {3, -1, TestMode}, {3, 8, PlayMode}}) {
        EXPECT_THROW(game.TryMove(x, y, mode, BlackStone, WhiteStone), std::out_of_range) << x << ", " << y;
    }
    EXPECT_THROW(game.SaveBoard(3), std::out_of_range);
    EXPECT_THROW(game.RestoreBoard(-1), std::out_of_range);
    EXPECT_THROW((void)std::as_const(game.Snapshots).Slot(3), std::out_of_range);
    EXPECT_EQ(std::tuple(BoardLine(game.Board), game.MoveFound, game.FlipCount), std::tuple(before, 0, 0));
}

}  // namespace
}  // namespace uragae::testing

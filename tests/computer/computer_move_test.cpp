// The computer's turn on positions checked by hand, one for each decision it can reach, with the draw
// scripted and the pause skipped; then the real draw and pause on their own.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <iomanip>
#include <set>

#include "computer/computer_move.h"
#include <gtest/gtest.h>

#include "position.h"

namespace uragae::testing {
namespace {

struct HandChecked {
    Line position;
    std::vector<std::string> bestClass;  // in the order the computer finds them
};
// ○ is to move, one row for each decision; above each row, why its best class is what it is. The
// corners are a1, h1, a8 and h8, which the computer tries in that order.
const std::vector<HandChecked> Positions{
    // Corners, in their order: h1 over g1 to f1, then a8 over a7 to a6; both beat c4.
    {".....WB....................BW...........W.......B...............", {"h1", "a8"}},
    // A shut-out: c4 leaves ● only g6, held against the edge by h6, so no reply; after f6 ● has f4.
    {"...........................BW.................BW................", {"c4"}},
    // Corners stay open. h8 alone is empty: f8 leaves ● one reply, g8, over which ○ takes h8; after
    // f6 ● may shut h8 with e5 or open it with g5; after e1 ●'s only reply, d1, leaves it shut.
    {"W....BWB......................................BW......B.W.......", {"f8"}},
    // Corners open and shut: as above with f8 taken; f6 lets ● open or shut h8, e1 only shuts it.
    {"W....BWB......................................BW......B.W....B..", {"f6"}},
    // Corners shut: after h5, which turns h6, ●'s one reply e1 leaves every empty corner shut to ○;
    // e4 leaves ● h8 over h7.
    {".........W..W.......B...........B..............BW......W....B...", {"h5"}},
    // No corner left: every corner is taken, so the four answers to the start rank equal.
    {"W......W...................WB......BW...................W......W", {"e3", "f4", "c5", "d6"}},
    // Corners for ●: each move closes the diagonal to ●, which then takes the corner at its end.
    {"..................B........W........W........B..................", {"b2", "g7"}},
    // A pass: ○'s b1 has no ● to close a line on, while ● can still play c1.
    {"BW..............................................................", {}},
    // A full board: the game is over, and that is no pass.
    {"BBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW", {}},
};

// The window of one turn: it notes each step in order, a focus given after the move as such; the
// test's draw and pause note theirs.
struct Turn : ComputerWindow {
    explicit Turn(const Line& position) : Position(position) {}
    void FocusSquare(int square) override
    {
        Steps.push_back("focus " + NameOf(square) +
                        (BoardLine(Game.Board) == Position ? "" : " after the move"));
    }
    void ShowMessage(std::string_view text) override { Steps.push_back("message " + std::string(text)); }

    const Line Position;
    GameState Game{ParseBoard(Position), {}, 0, 0, 1};  // a pass last turn, which a move clears
    std::vector<std::string> Steps;
};

// A draw r plays member floor(r × n) of the n squares of the best class: the lowest draw the first,
// 0.4 the first of two and the second of four (where rounding would take the second and the third),
// the highest below 1 the last, and 1 itself, which a uniform generator can round up to, the last too.
// The board afterwards is the entry position with that move played.
TEST(ComputerMove, PlaysADrawnSquareOfItsBestClassAndPassesOnlyWithSquaresEmpty)
{
    for (const HandChecked& c : Positions) {
        for (const double r : {0.0, 0.4, 0.5, std::nextafter(1.0, 0.0), 1.0}) {
            SCOPED_TRACE(c.position + " with the draw " + std::to_string(r));
            Turn turn(c.position);
            const auto draw = [&] {
                turn.Steps.emplace_back("draw");
                return r;
            };
            ComputerMove(turn.Game, turn, draw, [&] { turn.Steps.emplace_back("pause"); });
            GameState expected{ParseBoard(c.position), {}, 0, 0, 0};
            std::vector<std::string> steps;
            if (!c.bestClass.empty()) {
                const std::size_t n = c.bestClass.size();
                const std::string& move = c.bestClass.at(std::min(static_cast<std::size_t>(r * n), n - 1));
                steps = {"pause", "draw", "focus " + move};
                expected.TryMove(SquareColumn(Square(move)), SquareRow(Square(move)), PlayMode, WhiteStone,
                                 BlackStone);
            } else if (c.position.find('.') != Line::npos) {
                steps = {"message " + std::string(ComputerPassMessage)};
            }
            EXPECT_EQ(turn.Steps, steps);
            EXPECT_EQ(BoardLine(turn.Game.Board), BoardLine(expected.Board));
            // Slot 0 is not the computer's to use.
            EXPECT_EQ(BoardLine(std::as_const(turn.Game.Snapshots).Slot(0)), Line(SquareCount, '.'));
        }
    }
}

// A class of n squares is drawn uniformly: member k for exactly the draws r in [k/n, (k+1)/n). Each draw
// below lies just on one side of such a bound, where flooring, rounding and a product rounded to a
// double before it is floored take different members. A class with no square has nothing to draw from.
TEST(PickIndex, TakesMemberKForTheDrawsFromKOverNUpToTheNext)
{
    struct Draw {
        double r;
        int n;
        int member;
    };
    for (const Draw& draw : std::vector<Draw>{
             {0.5, 2, 1},                         // 1/2 itself, the second member's first draw
             {std::nextafter(0.5, 0.0), 2, 0},    // the double just below 1/2
             {0.3333333333333333, 3, 0},          // the double nearest 1/3 lies below it; × 3 rounds to 1
             {0.33333333333333337, 3, 1},         // the next double lies above 1/3
             {0.4, 4, 1},                         // 1.6 floors to 1, rounds to 2
             {std::nextafter(1.0, 0.0), 64, 63},  // the last draw below 1
             {1.0, 64, 63},                       // which a uniform generator can round up to
         }) {
        EXPECT_EQ(PickIndex(draw.r, draw.n), draw.member)
            << std::setprecision(17) << draw.r << " of " << draw.n;
    }
    EXPECT_THROW((void)PickIndex(0.5, 0), std::out_of_range);
}

// The real draw reseeds from the clock at every call, so 200 draws, each once the clock has moved on
// (a wait for a change, not for a time), behave as independent uniform draws: some tenth of [0, 1)
// gets none with chance below 10 × 0.9^200 < 1e-8, two are equal with chance below 1e-11. A draw
// that is always the same, covers part of the range or is seeded coarsely fails.
TEST(RealDrawAndPause, DrawsLieInZeroToOneDifferAndSpreadOverTheRange)
{
    std::set<double> draws;
    std::array<int, 10> perTenth{};
    for (int i = 0; i < 200; ++i) {
        const auto last = std::chrono::high_resolution_clock::now();
        while (std::chrono::high_resolution_clock::now() == last) {
        }
        const double draw = DrawReseededFromClock();
        ASSERT_TRUE(draw >= 0.0 && draw < 1.0) << "the draw " << draw << " lies outside [0, 1)";
        draws.insert(draw);
        ++perTenth.at(static_cast<int>(draw * 10));
    }
    EXPECT_EQ(draws.size(), 200U) << "a draw came again: the computer would play the same game over";
    EXPECT_EQ(std::ranges::count(perTenth, 0), 0)
        << "draws per tenth: " << ::testing::PrintToString(perTenth);
}

// 30 million steps of a volatile double take well over ten milliseconds even in a release build;
// asking for one leaves a wide margin. A pause that does not count takes microseconds at most.
TEST(RealDrawAndPause, PauseRunsItsWholeCount)
{
    const auto start = std::chrono::steady_clock::now();
    CountOutPause();
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    EXPECT_GE(took.count(), 1.0) << "the computer would answer at once, its pause " << took.count() << " ms";
}

}  // namespace
}  // namespace uragae::testing

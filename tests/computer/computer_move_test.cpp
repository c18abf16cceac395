// The computer's turn against a plain reference of its choice, on positions from random games at
// every stage with the draw scripted and the pause skipped; then the real draw and pause on their own.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <map>
#include <set>

#include "computer/computer_move.h"
#include "reference.h"

namespace uragae::testing {
namespace {

constexpr std::array Corners{0, 7, 56, 63};  // the computer's corner order, which is also index order

std::vector<int> CornerMoves(const Line& line, char own)
{
    std::vector<int> moves;
    std::ranges::copy_if(Corners, std::back_inserter(moves),
                         [&](int corner) { return line[corner] == '.' && Flips(line, corner, own) > 0; });
    return moves;
}

int EmptyCorners(const Line& line)
{
    return static_cast<int>(std::ranges::count(Corners, '.', [&](int corner) { return line[corner]; }));
}

// The classes of the computer's moves, best first, as the reference names them: a corner for "○";
// a move that shuts "●" out (leaves it no reply); then the two-ply look at the corners, the
// program's look-ahead classes 0 to 4: after every reply of "●", "○" could take every empty corner
// ("corners stay open"); after some reply it could take one and after some one is shut to it
// ("corners open and shut"); after every reply no empty corner is open to it ("corners shut"); no
// corner is empty ("no corner left"); "●" could take a corner at once ("corner for ●").
const std::array<std::string, 7> ClassesBestFirst{
    "corner",       "shut-out",       "corners stay open", "corners open and shut",
    "corners shut", "no corner left", "corner for ●"};

// The class of a legal move of "○" other than as a corner, judged on copies of the board after it
// and after each reply of "●".
std::string ClassOf(const Line& line, int move)
{
    const Line next = Played(line, move, 'W');
    const std::vector<int> replies = LegalSquares(next, 'B');
    if (replies.empty()) {
        return "shut-out";
    }
    if (!CornerMoves(next, 'B').empty()) {
        return "corner for ●";
    }
    bool open = false;  // after some reply, some empty corner is open to "○"
    bool shut = false;  // after some reply, some empty corner is closed to "○"
    for (const int reply : replies) {
        const Line replied = Played(next, reply, 'B');
        const int opened = static_cast<int>(CornerMoves(replied, 'W').size());
        open = open || opened > 0;
        shut = shut || opened < EmptyCorners(replied);
    }
    if (open) {
        return shut ? "corners open and shut" : "corners stay open";
    }
    return shut ? "corners shut" : "no corner left";
}

// The reference of the computer's choice: the best class that has members, with its squares in
// the order found (every class is filled, whether or not a better one has members); a pass when
// no class has any; nothing to do on a full board.
std::pair<std::string, std::vector<int>> ReferenceChoice(const Line& line)
{
    std::map<std::string, std::vector<int>> members{{"corner", CornerMoves(line, 'W')}};
    for (const int move : LegalSquares(line, 'W')) {
        members[ClassOf(line, move)].push_back(move);
    }
    for (const std::string& best : ClassesBestFirst) {
        if (!members[best].empty()) {
            return {best, members[best]};
        }
    }
    return {line.find('.') == Line::npos ? "full board" : "pass", {}};
}

// Decisions that random games reach too seldom to count on in a short run, and their squares.
const std::array<Line, 4> RarePositions{
    "W.W.B.BWWBBBBBBBWBBBBWB.WWBBBBBBWWWBBB.BWBWWBB.B.BBBWBB.BBBBBB.B",  // shut-out: 1, 23, 48
    "BBB..BBB.BBBBBB.WWWWBBBWWWWWBBBWBWBBBBWWBBBWBW.W.B.WWWWW.....B.B",  // corners stay open: 3, 4, 46
    "BBWWWWWWBBBBBBBBB.BBBWB.BWWWWBWBBWWWBBW.BWWBWBBWBBBWWBBBBBBBWWWW",  // no corner left: 17, 23, 39
    "BBBBBBB.WWWWWBW.WWBWBWW.WBWBWBWBWBBBBBWBWWWBWBWB.WWWWWWB.BB.WWWB",  // pass, though "●" could move
};

// The window of one computer turn, on a game that starts from a pass on the computer's last turn
// (which a move clears). It notes each step in order; the test's draw and pause note theirs.
struct Turn : ComputerWindow {
    explicit Turn(const Line& position) : Position(position) {}
    void FocusSquare(int square) override
    {
        const bool beforeTheMove = BoardLine(Game.Board) == Position;
        Steps.push_back("focus " + std::to_string(square) + (beforeTheMove ? " before the move" : " after"));
    }
    void ShowMessage(std::string_view text) override { Steps.push_back("message " + std::string(text)); }

    const Line Position;
    GameState Game{ParseBoard(Position), {}, 0, 0, 1};
    std::vector<std::string> Steps;
};

// On each position the computer is given the lowest draw, the highest below 1 and a uniform one;
// a draw r picks member floor(r × n) of the n squares of the class.
TEST(ComputerMoveAsTheReferenceChooses, PlaysTheDrawnSquareOfItsBestClassOrPasses)
{
    std::mt19937 random = SeededRandom(1);
    std::vector<Line> positions(RarePositions.begin(), RarePositions.end());
    for (int game = 0; game < CountFromEnvironment("URAGAE_GAMES", 2000); ++game) {
        positions.push_back(RandomGame(random, game % 65));  // cut off after 0 to 64 moves
    }
    std::set<std::string> decisionsSeen;
    std::set<int> emptyCornersSeen;
    for (const Line& position : positions) {
        const auto [decision, squares] = ReferenceChoice(position);
        decisionsSeen.insert(decision);
        emptyCornersSeen.insert(EmptyCorners(position));
        const double uniform = std::uniform_real_distribution(0.0, 1.0)(random);
        for (const double r : {0.0, std::nextafter(1.0, 0.0), uniform}) {
            SCOPED_TRACE(decision + " on " + position + " with the draw " + ::testing::PrintToString(r));
            Turn turn(position);
            const auto draw = [&] {
                turn.Steps.emplace_back("draw");
                return r;
            };
            ComputerMove(turn.Game, turn, draw, [&] { turn.Steps.emplace_back("pause"); });
            const int n = static_cast<int>(squares.size());
            const int square = n > 0 ? squares.at(std::min(static_cast<int>(r * n), n - 1)) : -1;
            std::vector<std::string> steps;  // none on a full board: the game is over
            if (decision == "pass") {
                steps = {"message " + std::string(ComputerPassMessage)};
            } else if (n > 0) {
                steps = {"pause", "draw", "focus " + std::to_string(square) + " before the move"};
            }
            const GameState& game = turn.Game;  // read back through the const accessors
            ASSERT_EQ(turn.Steps, steps) << "the turn's steps, in order";
            ASSERT_EQ(BoardLine(game.Board), n > 0 ? Played(position, square, 'W') : position)
                << "the board after";
            ASSERT_EQ(game.ComputerPassed, decision == "pass" ? 1 : 0) << "a pass is noted, a move clears it";
            ASSERT_EQ(BoardLine(game.Snapshots.Slot(0)), Line(SquareCount, '.')) << "slot 0 is not its own";
        }
    }
    EXPECT_EQ(decisionsSeen.size(), ClassesBestFirst.size() + 2)
        << "every class, a pass and a full board should come up: " << ::testing::PrintToString(decisionsSeen);
    EXPECT_EQ(emptyCornersSeen.size(), 5U) << "0 to 4 empty corners should come up";
}

// A uniform generator can round a draw up to exactly 1: it must still land in the class.
TEST(ComputerMoveAsTheReferenceChooses, DrawsOneAsTheLastSquareAndNeverFromAnEmptyClass)
{
    EXPECT_EQ(PickIndex(1.0, 3), 2) << "a draw of 1 picks the last of 3 squares";
    EXPECT_THROW((void)PickIndex(0.5, 0), std::out_of_range) << "an empty class has nothing to draw from";
}

// The real draw and pause, which the tests above replace.

// 200 draws, each once the clock has moved on (waiting for the clock to change, not for a time):
// the draw reseeds from the clock on every call, so then each starts from a seed of its own and
// they behave as independent uniform draws. A given tenth of [0, 1) then gets none of them with
// chance 0.9^200 < 7.1e-10, so some tenth does with chance below 10 × 7.1e-10 < 1e-8; two draws
// are equal with chance below 200² / 2 × 2^-53 < 1e-11: together far below one in a million. A draw
// that is always 0, or a generator seeded with a constant, gives the same value every time.
TEST(RealDrawAndPauseDoWhatTheStandInsStandFor, DrawsLieInZeroToOneDifferAndSpreadOverTheRange)
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
        << "some tenth of [0, 1) got no draw; draws per tenth: " << ::testing::PrintToString(perTenth);
}

// The pause counts a volatile double to PauseCount, 30 million steps: well over ten milliseconds
// even in a release build. Asking for one millisecond leaves a wide margin, so this is no timing
// dependence; a pause that does not count takes microseconds at most.
TEST(RealDrawAndPauseDoWhatTheStandInsStandFor, PauseRunsItsWholeCount)
{
    const auto start = std::chrono::steady_clock::now();
    CountOutPause();
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    EXPECT_GE(took.count(), 1.0) << "the computer would answer at once, its pause " << took.count() << " ms";
}

}  // namespace
}  // namespace uragae::testing

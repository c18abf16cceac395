// The computer's turn against a plain reference of its choice, on positions from random games at
// every stage, with the draw scripted and the pause skipped.
#include <algorithm>
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

std::size_t EmptyCorners(const Line& line)
{
    return std::ranges::count_if(Corners, [&](int corner) { return line[corner] == '.'; });
}

// The reference of the computer's choice: its decision ("full board", "pass", "corner", "shut-out",
// "look-ahead 0".."look-ahead 4") and the squares of that class in the order found. Every class is
// filled, on copies of the board, whether or not a better class already has members.
std::pair<std::string, std::vector<int>> ReferenceChoice(const Line& line)
{
    // Corner moves, shut-out moves, then look-ahead 0..4.
    std::array<std::vector<int>, 7> classes{CornerMoves(line, 'W')};
    for (const int move : LegalSquares(line, 'W')) {
        const Line next = Played(line, move, 'W');
        bool open = false;  // after some reply of "●", some empty corner is open to "○"
        bool shut = false;  // after some reply of "●", some empty corner is closed to "○"
        const std::vector<int> replies = LegalSquares(next, 'B');
        for (const int reply : replies) {
            const Line replied = Played(next, reply, 'B');
            const std::size_t opened = CornerMoves(replied, 'W').size();
            open = open || opened > 0;
            shut = shut || opened < EmptyCorners(replied);
        }
        const bool cornerForBlack = !CornerMoves(next, 'B').empty();
        const int lookAhead = open ? (shut ? 1 : 0) : (shut ? 2 : 3);
        classes.at(replies.empty() ? 1 : cornerForBlack ? 6 : 2 + lookAhead).push_back(move);
    }
    const auto best = std::ranges::find_if(classes, [](const auto& members) { return !members.empty(); });
    if (best == classes.end()) {
        return {line.find('.') == Line::npos ? "full board" : "pass", {}};
    }
    const auto k = best - classes.begin();
    return {k == 0 ? "corner" : k == 1 ? "shut-out" : "look-ahead " + std::to_string(k - 2), *best};
}

// Decisions that random games reach too seldom to count on in a short run, with their classes.
constexpr std::array<std::string_view, 4> Rare{
    "W.W.B.BWWBBBBBBBWBBBBWB.WWBBBBBBWWWBBB.BWBWWBB.B.BBBWBB.BBBBBB.B",  // shut-out: 1, 23, 48
    "BBB..BBB.BBBBBB.WWWWBBBWWWWWBBBWBWBBBBWWBBBWBW.W.B.WWWWW.....B.B",  // look-ahead 0: 3, 4, 46
    "BBWWWWWWBBBBBBBBB.BBBWB.BWWWWBWBBWWWBBW.BWWBWBBWBBBWWBBBBBBBWWWW",  // look-ahead 3: 17, 23, 39
    "BBBBBBB.WWWWWBW.WWBWBWW.WBWBWBWBWBBBBBWBWWWBWBWB.WWWWWWB.BB.WWWB",  // pass, though "●" could move
};

// One turn of the computer on its own game, logged in order: 'p' the pause and 'd' the draw (added by
// the test), the focused square with the board as it stood then ("12@...."), the message shown.
struct Turn : ComputerWindow {
    explicit Turn(const Line& position) : Game{ParseBoard(position), {}, 0, 0, 1} {}  // and an earlier pass
    GameState Game;
    std::string Log;
    void FocusSquare(int square) override { Log += std::to_string(square) + "@" + BoardLine(Game.Board); }
    void ShowMessage(std::string_view text) override { Log += text; }
};

TEST(ComputerMove, PlaysTheDrawnSquareOfItsBestClassOrPassesAsTheReferenceSays)
{
    const int games = CountFromEnvironment("URAGAE_GAMES", 2000);
    std::mt19937 random = SeededRandom(1);
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    std::set<std::string> seen;
    // The rare positions, then random games cut off after 0 to 64 moves; r is 0, the largest double
    // below 1, or a uniform draw.
    for (int i = 0; i < std::ssize(Rare) + games; ++i) {
        const double r = std::array{0.0, 0x1.fffffffffffffp-1, uniform(random)}.at(i % 3);
        const Line position = i < std::ssize(Rare) ? Line(Rare.at(i)) : RandomGame(random, i % 65);
        Turn turn(position);
        const auto draw = [&] { return turn.Log += 'd', r; };
        ComputerMove(turn.Game, turn, draw, [&] { turn.Log += 'p'; });
        const auto [decision, squares] = ReferenceChoice(position);
        seen.insert({decision, std::to_string(EmptyCorners(position)) + " empty corners"});
        // The drawn member: k = floor(r × n), held within 0..n − 1.
        const int n = static_cast<int>(squares.size());
        const int square = n > 0 ? squares.at(std::min(static_cast<int>(r * n), n - 1)) : -1;
        const std::string pass(decision == "pass" ? ComputerPassMessage : "");
        const std::string log = n > 0 ? "pd" + std::to_string(square) + "@" + position : pass;
        const GameState& game = turn.Game;  // read back through the const accessors
        EXPECT_EQ(
            std::tuple(turn.Log, BoardLine(game.Board), game.ComputerPassed,
                       game.Snapshots.Slot(0) == BoardGrid{}),
            std::tuple(log, n > 0 ? Played(position, square, 'W') : position, pass.empty() ? 0 : 1, true))
            << decision << " on " << position << " with r = " << r;
    }
    EXPECT_EQ(seen.size(), 14U) << "each decision, and 0 to 4 empty corners, should come up: "
                                << ::testing::PrintToString(seen);
    // A uniform generator can round a draw up to exactly 1; it must still land in the class. A class
    // with no member has nothing to draw from.
    EXPECT_EQ(PickIndex(1.0, 3), 2);
    EXPECT_THROW((void)PickIndex(0.5, 0), std::out_of_range);
}

}  // namespace
}  // namespace uragae::testing

// The computer's move choice: corners first, then moves that shut the person out, then a
// two-ply look at who can reach the corners; a random pick among the best class.
#include "computer/computer_move.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <random>

namespace uragae {

namespace {

constexpr int ClassTotal = 5;
constexpr std::string_view Computer = WhiteStone;
constexpr std::string_view Person = BlackStone;

// Calls visit(x, y) for every empty square in row-major order.
template <typename Visit> void ForEachEmptySquare(const GameState& game, Visit visit)
{
    for (int y = 0; y < BoardSize; ++y) {
        for (int x = 0; x < BoardSize; ++x) {
            if (game.Board(x, y) == EmptyCell) {
                visit(x, y);
            }
        }
    }
}

// Calls visit(x, y) for every empty corner in the order (0, 0), (7, 0), (0, 7), (7, 7).
template <typename Visit> void ForEachEmptyCorner(const GameState& game, Visit visit)
{
    for (int y = 0; y < BoardSize; y += LastCoordinate) {
        for (int x = 0; x < BoardSize; x += LastCoordinate) {
            if (game.Board(x, y) == EmptyCell) {
                visit(x, y);
            }
        }
    }
}

bool CanPlay(GameState& game, int x, int y, std::string_view own, std::string_view opp)
{
    game.MoveFound = 0;
    game.TryMove(x, y, TestMode, own, opp);
    return game.MoveFound == 1;
}

// The classification table: flag 0 (the person could take a corner) sinks the move to the
// bottom; otherwise the computer's corner chances after the person's replies rank it.
int ClassFor(const std::array<int, 3>& CornerFlags)
{
    if (CornerFlags.at(0) == 1) {
        return 4;
    }
    if (CornerFlags.at(1) == 1) {
        return CornerFlags.at(2) == 1 ? 1 : 0;
    }
    return CornerFlags.at(2) == 1 ? 2 : 3;
}

// The working data of one turn: the squares of each priority class, in the order found.
struct MoveClasses {
    std::array<int, ClassTotal> ClassCount{};
    std::array<std::array<int, SquareCount>, ClassTotal> ClassSquares{};

    void Append(int moveClass, int x, int y)
    {
        ClassSquares.at(moveClass).at(ClassCount.at(moveClass)) = SquareIndex(x, y);
        ++ClassCount.at(moveClass);
    }
    [[nodiscard]] bool Empty(int moveClass) const { return ClassCount.at(moveClass) == 0; }
};

// Every empty corner where the computer may play.
void CollectCornerMoves(GameState& game, MoveClasses& classes)
{
    ForEachEmptyCorner(game, [&](int x, int y) {
        if (CanPlay(game, x, y, Computer, Person)) {
            classes.Append(0, x, y);
        }
    });
}

// Every move after which the person has no legal reply at all.
void CollectShutOutMoves(GameState& game, MoveClasses& classes)
{
    ForEachEmptySquare(game, [&](int x, int y) {
        game.SaveBoard(1);
        game.TryMove(x, y, PlayMode, Computer, Person);
        if (game.Board(x, y) == Computer) {
            game.MoveFound = 0;
            ForEachEmptySquare(game,
                               [&](int x2, int y2) { game.TryMove(x2, y2, TestMode, Person, Computer); });
            if (game.MoveFound == 0) {
                classes.Append(0, x, y);
            }
        }
        game.RestoreBoard(1);
    });
}

// Every reply of the person to the candidate on the board, and whether the computer could then
// take each corner still empty: raises CornerFlags 1 (it could) and 2 (it could not).
void SearchReplies(GameState& game, std::array<int, 3>& CornerFlags)
{
    ForEachEmptySquare(game, [&](int rx, int ry) {
        game.SaveBoard(2);
        game.TryMove(rx, ry, PlayMode, Person, Computer);
        if (game.Board(rx, ry) == Person) {
            ForEachEmptyCorner(game, [&](int kx, int ky) {
                CornerFlags.at(CanPlay(game, kx, ky, Computer, Person) ? 1 : 2) = 1;
            });
        }
        game.RestoreBoard(2);
    });
}

// The flags of the candidate now on the board: 0 when the person could take a corner next.
std::array<int, 3> LookAheadFlags(GameState& game)
{
    std::array<int, 3> CornerFlags{};
    // The reply search always starts from this same position and only ever raises flags, so
    // running it again for a second corner the person cannot take could change nothing: it runs
    // once, for the first such corner.
    bool repliesSearched = false;
    ForEachEmptyCorner(game, [&](int cx, int cy) {
        if (CanPlay(game, cx, cy, Person, Computer)) {
            CornerFlags.at(0) = 1;
        } else if (!repliesSearched) {
            repliesSearched = true;
            SearchReplies(game, CornerFlags);
        }
    });
    return CornerFlags;
}

// Every legal move, ranked by the two-ply look at who can reach the corners.
void ClassifyByLookAhead(GameState& game, MoveClasses& classes)
{
    ForEachEmptySquare(game, [&](int x, int y) {
        game.SaveBoard(1);
        game.TryMove(x, y, PlayMode, Computer, Person);
        if (game.Board(x, y) == Computer) {
            classes.Append(ClassFor(LookAheadFlags(game)), x, y);
        }
        game.RestoreBoard(1);
    });
}

// Draws one square of the best class that is not empty, focuses it and plays it.
void PlayChosenMove(GameState& game, ComputerWindow& window, const MoveClasses& classes,
                    const RandomDraw& random)
{
    for (int moveClass = 0; moveClass < ClassTotal; ++moveClass) {
        if (classes.Empty(moveClass)) {
            continue;
        }
        const int count = classes.ClassCount.at(moveClass);
        const int square = classes.ClassSquares.at(moveClass).at(PickIndex(random(), count));
        window.FocusSquare(square);
        game.TryMove(SquareColumn(square), SquareRow(square), PlayMode, Computer, Person);
        return;
    }
}

}  // namespace

double DrawReseededFromClock()
{
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::mt19937_64 generator(static_cast<std::uint64_t>(now));
    return std::uniform_real_distribution<double>(0.0, 1.0)(generator);
}

void CountOutPause()
{
    // volatile keeps every pass of the count: the optimiser may not fold the loop away.
    // A double, as the pause was designed, from 0 to PauseCount inclusive: PauseCount + 1 passes.
    volatile double counter = 0;
    while (counter <= PauseCount) {
        counter = counter + 1;
    }
}

int PickIndex(double r, int count)
{
    CheckIndex("class size", count, 1, SquareCount);
    // floor(r × count) of the exact product. Rounded to a double first, a product just below a whole
    // number k can come out as k itself (the double nearest 1/3 lies below it, yet times 3 rounds to 1),
    // which would give member k draws that belong to member k - 1; fma yields the product's exact
    // rounding error, negative exactly then.
    const double product = r * count;
    double member = std::floor(product);
    if (member == product && std::fma(r, count, -product) < 0) {
        member -= 1;
    }
    // Held inside the range before the conversion, so no draw (not even NaN or infinity from a
    // replaced random source) can make an out-of-range or undefined index.
    if (!(member >= 0)) {
        return 0;
    }
    return member >= count ? count - 1 : static_cast<int>(member);
}

void ComputerMove(GameState& game, ComputerWindow& window, const RandomDraw& random, const Pause& pause)
{
    game.MoveFound = 0;
    game.ComputerPassed = 0;
    ForEachEmptySquare(game, [&](int, int) { game.MoveFound = 1; });
    if (game.MoveFound == 0) {
        return;  // full board: the game is over, not a pass
    }

    MoveClasses classes;
    CollectCornerMoves(game, classes);
    if (classes.Empty(0)) {
        CollectShutOutMoves(game, classes);
    }
    if (classes.Empty(0)) {
        ClassifyByLookAhead(game, classes);
    }
    if (std::ranges::all_of(classes.ClassCount, [](int count) { return count == 0; })) {
        game.ComputerPassed = 1;
        window.ShowMessage(ComputerPassMessage);
        return;
    }
    pause();
    PlayChosenMove(game, window, classes, random);
}

}  // namespace uragae

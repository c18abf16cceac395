// How long the computer's turn takes without its pause, how many heap allocations it makes,
// and how long the pause itself lasts.
#include <benchmark/benchmark.h>

#include <string>
#include <string_view>

#include "computer/computer_move.h"
#include "counting_new.h"
#include "rules/game_state.h"

namespace uragae {
namespace {

// The look-ahead's heaviest case: 30 legal moves for "○", no corner open to either side and no
// move that shuts "●" out; no candidate opens a corner to "●" either, so each of the 30 runs
// the reply search once for every one of the four corners.
constexpr std::string_view OpenMidgame = R"(
    ........
    .WBBBB.W
    .BWWW...
    .BW.BWB.
    .....BWW
    .B.WWWB.
    WBB.B...
    ..W...W.
)";

// Ten squares left, two of them corners.
constexpr std::string_view LatePosition = R"(
    .BBBBBBB
    .BBBBBBB
    .B.BBBBB
    WBBWWBBB
    .BBBBWBB
    ..BWBWBB
    ..WBBBWW
    .WWWBWWW
)";

// Reads a diagram of '.', 'B' and 'W' (blanks skipped) into a game at that position.
GameState StateWith(std::string_view diagram)
{
    GameState game;
    int square = 0;
    for (const char symbol : diagram) {
        if (symbol == 'B' || symbol == 'W' || symbol == '.') {
            game.Board(SquareColumn(square), SquareRow(square)) = symbol == 'B'   ? BlackStone
                                                                  : symbol == 'W' ? WhiteStone
                                                                                  : EmptyCell;
            ++square;
        }
    }
    return game;
}

int LegalMovesForComputer(GameState game)
{
    int count = 0;
    for (int square = 0; square < SquareCount; ++square) {
        const int x = SquareColumn(square);
        const int y = SquareRow(square);
        if (game.Board(x, y) != EmptyCell) {
            continue;
        }
        game.MoveFound = 0;
        game.TryMove(x, y, TestMode, WhiteStone, BlackStone);
        count += game.MoveFound;
    }
    return count;
}

class SilentWindow final : public ComputerWindow {
public:
    void FocusSquare(int square) override { benchmark::DoNotOptimize(square); }
    void ShowMessage(std::string_view text) override { benchmark::DoNotOptimize(text); }
};

void ComputerMoveFrom(benchmark::State& state, std::string_view diagram)
{
    const GameState prepared = StateWith(diagram);
    SilentWindow window;
    const RandomDraw draw = [] { return 0.5; };
    const Pause noPause = [] {};
    long long allocations = 0;
    for (auto _ : state) {
        GameState game = prepared;
        bench::allocationCount = 0;
        bench::countingAllocations = true;
        ComputerMove(game, window, draw, noPause);
        bench::countingAllocations = false;
        allocations += bench::allocationCount;
        benchmark::DoNotOptimize(game);
        benchmark::ClobberMemory();
    }
    state.counters["legal_moves"] = LegalMovesForComputer(prepared);
    state.counters["allocs_per_call"] =
        benchmark::Counter(static_cast<double>(allocations), benchmark::Counter::kAvgIterations);
}

void ComputerMoveAtStart(benchmark::State& state)
{
    ComputerMoveFrom(state, "...........................WB......BW...........................");
}
void ComputerMoveInOpenMidgame(benchmark::State& state) { ComputerMoveFrom(state, OpenMidgame); }
void ComputerMoveLate(benchmark::State& state) { ComputerMoveFrom(state, LatePosition); }

void DefaultPause(benchmark::State& state)
{
    for (auto _ : state) {
        CountOutPause();
    }
}

BENCHMARK(ComputerMoveAtStart)->Unit(benchmark::kMicrosecond);
BENCHMARK(ComputerMoveInOpenMidgame)->Unit(benchmark::kMicrosecond);
BENCHMARK(ComputerMoveLate)->Unit(benchmark::kMicrosecond);
BENCHMARK(DefaultPause)->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace uragae

// How long the computer's turn takes without its pause, how many heap allocations it makes,
// and how long the pause itself lasts.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <new>
#include <stdexcept>
#include <string>
#include <string_view>

#include "computer/computer_move.h"
#include "rules/game_state.h"

// The allocation count needs a replaced global operator new, which can only sit on malloc and
// free and only report through globals.
// NOLINTBEGIN(cppcoreguidelines-avoid-non-const-global-variables, cppcoreguidelines-no-malloc)
namespace {
bool countingAllocations = false;
long long allocationCount = 0;
}  // namespace

// All three are kept out of line: once inlined next to each other, GCC takes malloc() and
// free() behind them for a mismatched pair.
[[gnu::noinline]] void* operator new(std::size_t size)
{
    if (countingAllocations) {
        ++allocationCount;
    }
    if (void* memory = std::malloc(size == 0 ? 1 : size)) {
        return memory;
    }
    throw std::bad_alloc();
}

[[gnu::noinline]] void operator delete(void* memory) noexcept { std::free(memory); }
[[gnu::noinline]] void operator delete(void* memory, std::size_t /*size*/) noexcept { std::free(memory); }
// NOLINTEND(cppcoreguidelines-avoid-non-const-global-variables, cppcoreguidelines-no-malloc)

namespace uragae {
namespace {

// The opening position.
constexpr std::string_view StartPosition = R"(
    ........
    ........
    ........
    ...WB...
    ...BW...
    ........
    ........
    ........
)";

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

GameState StateWith(std::string_view diagram)
{
    GameState game;
    int cell = 0;
    for (const char symbol : diagram) {
        if (symbol == ' ' || symbol == '\n') {
            continue;
        }
        std::string& target = game.Board(SquareColumn(cell), SquareRow(cell));
        target = symbol == 'B' ? BlackStone : symbol == 'W' ? WhiteStone : EmptyCell;
        ++cell;
    }
    if (cell != SquareCount) {
        throw std::invalid_argument("diagram has " + std::to_string(cell) + " cells, not 64");
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
        allocationCount = 0;
        countingAllocations = true;
        ComputerMove(game, window, draw, noPause);
        countingAllocations = false;
        allocations += allocationCount;
        benchmark::DoNotOptimize(game);
        benchmark::ClobberMemory();
    }
    state.counters["legal_moves"] = LegalMovesForComputer(prepared);
    state.counters["allocs_per_call"] =
        benchmark::Counter(static_cast<double>(allocations), benchmark::Counter::kAvgIterations);
}

void ComputerMoveAtStart(benchmark::State& state) { ComputerMoveFrom(state, StartPosition); }
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

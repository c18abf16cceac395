// The capture rule walked the long way, for checking the program against.
#include "reference.h"

#include <cstdlib>
#include <stdexcept>
#include <vector>

namespace uragae::testing {

namespace {

bool OnBoard(int x, int y) { return x >= 0 && x < BoardSize && y >= 0 && y < BoardSize; }

// The length of the run of `opp` stones closed by `own` from (x, y) towards (dx, dy); 0 if none.
int Run(const BoardGrid& board, int x, int y, int dx, int dy, std::string_view own, std::string_view opp)
{
    int run = 0;
    for (x += dx, y += dy; OnBoard(x, y) && board(x, y) == opp; x += dx, y += dy) {
        ++run;
    }
    return OnBoard(x, y) && board(x, y) == own ? run : 0;
}

}  // namespace

BoardGrid ParseBoard(std::string_view text)
{
    BoardGrid board;
    int square = 0;
    for (const char symbol : text) {
        if (symbol == ' ' || symbol == '\n') {
            continue;
        }
        if (square == SquareCount || (symbol != '.' && symbol != 'B' && symbol != 'W')) {
            throw std::invalid_argument("not a position: " + std::string(text));
        }
        board(SquareColumn(square), SquareRow(square)) = symbol == 'B'   ? BlackStone
                                                         : symbol == 'W' ? WhiteStone
                                                                         : "";
        ++square;
    }
    if (square != SquareCount) {
        throw std::invalid_argument("not 64 squares: " + std::string(text));
    }
    return board;
}

std::string BoardLine(const BoardGrid& board)
{
    std::string line;
    for (int square = 0; square < SquareCount; ++square) {
        const std::string& cell = board(SquareColumn(square), SquareRow(square));
        line += cell == BlackStone ? 'B' : cell == WhiteStone ? 'W' : cell.empty() ? '.' : '?';
    }
    return line;
}

int ReferenceFlips(const BoardGrid& board, int x, int y, std::string_view own, std::string_view opp)
{
    int total = 0;
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            total += dx != 0 || dy != 0 ? Run(board, x, y, dx, dy, own, opp) : 0;
        }
    }
    return total;
}

BoardGrid ReferencePlay(BoardGrid board, int x, int y, std::string_view own, std::string_view opp)
{
    const BoardGrid before = board;
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const int run = dx != 0 || dy != 0 ? Run(before, x, y, dx, dy, own, opp) : 0;
            for (int k = 1; k <= run; ++k) {
                board(x + k * dx, y + k * dy) = own;
            }
            if (run > 0) {
                board(x, y) = own;
            }
        }
    }
    return board;
}

BoardGrid RandomGamePosition(std::mt19937& random, int moves)
{
    BoardGrid board = ParseBoard(std::string(27, '.') + "WB......BW" + std::string(27, '.'));
    std::string_view mover = BlackStone;
    std::string_view other = WhiteStone;
    for (int passes = 0; moves > 0 && passes < 2; std::swap(mover, other)) {
        std::vector<int> legal;
        for (int square = 0; square < SquareCount; ++square) {
            const int x = SquareColumn(square);
            const int y = SquareRow(square);
            if (board(x, y).empty() && ReferenceFlips(board, x, y, mover, other) > 0) {
                legal.push_back(square);
            }
        }
        passes = legal.empty() ? passes + 1 : 0;
        if (!legal.empty()) {
            const int square = legal[std::uniform_int_distribution<std::size_t>(0, legal.size() - 1)(random)];
            board = ReferencePlay(board, SquareColumn(square), SquareRow(square), mover, other);
            --moves;
        }
    }
    return board;
}

unsigned SeedFromEnvironment(unsigned fallback)
{
    const char* text = std::getenv("URAGAE_SEED");
    return text != nullptr ? static_cast<unsigned>(std::stoul(text)) : fallback;
}

int CountFromEnvironment(const char* name, int fallback)
{
    const char* text = std::getenv(name);
    return text != nullptr ? std::stoi(text) : fallback;
}

}  // namespace uragae::testing

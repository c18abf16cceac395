// The capture rule walked the long way, for checking the program against.
#include "reference.h"

#include <stdexcept>
#include <vector>

namespace uragae::testing {

namespace {

bool OnBoard(int x, int y) { return x >= 0 && x < BoardSize && y >= 0 && y < BoardSize; }

// Turns, on `board`, every run of `opp` stones that `own` on (x, y) closes, placing `own` there
// when it turns any; returns how many stones it turned.
int Capture(BoardGrid& board, int x, int y, std::string_view own, std::string_view opp)
{
    int turned = 0;
    for (const int direction : {0, 1, 2, 3, 5, 6, 7, 8}) {  // the 3x3 block around (x, y), less its centre
        const int dx = direction % 3 - 1;
        const int dy = direction / 3 - 1;
        int run = 1;
        while (OnBoard(x + run * dx, y + run * dy) && board(x + run * dx, y + run * dy) == opp) {
            ++run;
        }
        if (run > 1 && OnBoard(x + run * dx, y + run * dy) && board(x + run * dx, y + run * dy) == own) {
            turned += run - 1;
            for (int k = 0; k < run; ++k) {
                board(x + k * dx, y + k * dy) = own;
            }
        }
    }
    return turned;
}

}  // namespace

BoardGrid ParseBoard(std::string_view text)
{
    BoardGrid board;
    int square = 0;
    for (const char symbol : text) {
        if (symbol != ' ' && symbol != '\n') {
            board(SquareColumn(square), SquareRow(square)) =
                symbol == 'B'   ? BlackStone
                : symbol == 'W' ? WhiteStone
                : symbol == '.' ? EmptyCell
                                : throw std::invalid_argument(std::string(text));
            ++square;
        }
    }
    return square == SquareCount ? board : throw std::invalid_argument(std::string(text));
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

std::vector<int> LegalSquares(const BoardGrid& board, std::string_view own, std::string_view opp)
{
    std::vector<int> legal;
    for (int square = 0; square < SquareCount; ++square) {
        const int x = SquareColumn(square);
        const int y = SquareRow(square);
        if (board(x, y).empty() && ReferenceFlips(board, x, y, own, opp) > 0) {
            legal.push_back(square);
        }
    }
    return legal;
}

int ReferenceFlips(const BoardGrid& board, int x, int y, std::string_view own, std::string_view opp)
{
    BoardGrid copy = board;
    return Capture(copy, x, y, own, opp);
}

BoardGrid ReferencePlay(BoardGrid board, int x, int y, std::string_view own, std::string_view opp)
{
    Capture(board, x, y, own, opp);
    return board;
}

BoardGrid RandomGamePosition(std::mt19937& random, int moves)
{
    BoardGrid board = ParseBoard(StartLine);
    std::string_view mover = BlackStone;
    std::string_view other = WhiteStone;
    for (int passes = 0; moves > 0 && passes < 2; std::swap(mover, other)) {
        const std::vector<int> legal = LegalSquares(board, mover, other);
        passes = legal.empty() ? passes + 1 : 0;
        if (!legal.empty()) {
            const int square = legal[std::uniform_int_distribution<std::size_t>(0, legal.size() - 1)(random)];
            board = ReferencePlay(board, SquareColumn(square), SquareRow(square), mover, other);
            --moves;
        }
    }
    return board;
}

}  // namespace uragae::testing

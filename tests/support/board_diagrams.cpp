// Reading and drawing the test diagrams.
#include "board_diagrams.h"

#include <stdexcept>

namespace uragae::testing {

BoardGrid ParseBoard(std::string_view diagram)
{
    BoardGrid board;
    int cell = 0;
    for (const char symbol : diagram) {
        if (symbol == ' ' || symbol == '\n') {
            continue;
        }
        if (cell >= SquareCount) {
            throw std::invalid_argument("diagram has more than 64 cells");
        }
        std::string& target = board(SquareColumn(cell), SquareRow(cell));
        switch (symbol) {
        case '.': target = EmptyCell; break;
        case 'B': target = BlackStone; break;
        case 'W': target = WhiteStone; break;
        default: throw std::invalid_argument(std::string("unknown diagram symbol ") + symbol);
        }
        ++cell;
    }
    if (cell != SquareCount) {
        throw std::invalid_argument("diagram has " + std::to_string(cell) + " cells, not 64");
    }
    return board;
}

std::string DrawBoard(const BoardGrid& board)
{
    std::string drawing = "\n";
    for (int y = 0; y < BoardSize; ++y) {
        for (int x = 0; x < BoardSize; ++x) {
            const std::string& cell = board(x, y);
            drawing += cell == BlackStone ? 'B' : cell == WhiteStone ? 'W' : cell.empty() ? '.' : '?';
        }
        drawing += '\n';
    }
    return drawing;
}

GameState StateWith(std::string_view diagram)
{
    GameState state;
    state.Board = ParseBoard(diagram);
    return state;
}

int CountCells(const BoardGrid& board, std::string_view glyph)
{
    int count = 0;
    for (int square = 0; square < SquareCount; ++square) {
        count += board(SquareColumn(square), SquareRow(square)) == glyph ? 1 : 0;
    }
    return count;
}

int CountDifferences(const BoardGrid& first, const BoardGrid& second)
{
    int count = 0;
    for (int square = 0; square < SquareCount; ++square) {
        const int x = SquareColumn(square);
        const int y = SquareRow(square);
        count += first(x, y) != second(x, y) ? 1 : 0;
    }
    return count;
}

}  // namespace uragae::testing

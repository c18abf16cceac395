// Reading and drawing the test diagrams.
#include "board_diagrams.h"

#include <stdexcept>

namespace uragae::testing {

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

// Test support: a position as one line of text, squares by their names on the board, and seeds.
#pragma once

#include <cstdlib>
#include <string>

#include "rules/game_state.h"

namespace uragae::testing {

// A position is 64 characters, index y * 8 + x: '.' empty, 'B' "●", 'W' "○".
using Line = std::string;
inline const Line StartLine = "...........................WB......BW...........................";

inline BoardGrid ParseBoard(const Line& line)
{
    BoardGrid board;
    for (int square = 0; square < SquareCount; ++square) {
        const char cell = line.at(square);
        board(SquareColumn(square), SquareRow(square)) = cell == 'B'   ? BlackStone
                                                         : cell == 'W' ? WhiteStone
                                                                       : EmptyCell;
    }
    return board;
}

// Writes '?' for a cell that holds none of the three glyphs.
inline Line BoardLine(const BoardGrid& board)
{
    Line line;
    for (int square = 0; square < SquareCount; ++square) {
        const std::string& cell = board(SquareColumn(square), SquareRow(square));
        line += cell == BlackStone ? 'B' : cell == WhiteStone ? 'W' : cell == EmptyCell ? '.' : '?';
    }
    return line;
}

// Squares by their names in Reversi notation: columns a to h from the left, rows 1 to 8 from the top.
inline int Square(std::string_view name) { return SquareIndex(name.at(0) - 'a', name.at(1) - '1'); }
inline std::string NameOf(int square)
{
    return {static_cast<char>('a' + SquareColumn(square)), static_cast<char>('1' + SquareRow(square))};
}

// The environment variable `name` as a number, or `fallback` when it is unset: a soak or a shorter
// run is one variable away.
inline int CountFromEnvironment(const char* name, int fallback)
{
    const char* text = std::getenv(name);
    return text != nullptr ? std::stoi(text) : fallback;
}

}  // namespace uragae::testing

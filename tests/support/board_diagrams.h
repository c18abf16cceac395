// Positions written as eight lines of '.', 'B' and 'W', so a test shows the board it plays on.
#pragma once

#include <string>
#include <string_view>

#include "rules/game_state.h"

namespace uragae::testing {

// `diagram` holds eight rows (top first) of eight characters: '.' empty, 'B' "●", 'W' "○".
// Blanks and line breaks between them are ignored.
BoardGrid ParseBoard(std::string_view diagram);
std::string DrawBoard(const BoardGrid& board);

GameState StateWith(std::string_view diagram);

int CountCells(const BoardGrid& board, std::string_view glyph);
// How many cells differ between two boards.
int CountDifferences(const BoardGrid& first, const BoardGrid& second);

inline constexpr std::string_view StartDiagram = R"(
    ........
    ........
    ........
    ...WB...
    ...BW...
    ........
    ........
    ........
)";

}  // namespace uragae::testing

// Test support: positions as one line of text, a plain statement of the capture rule, and seeds.
#pragma once

#include <cstdlib>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "rules/game_state.h"

namespace uragae::testing {

// A position as 64 characters, index y * 8 + x: '.' empty, 'B' "●", 'W' "○". Blanks and line
// breaks are skipped, so an 8-line diagram reads the same.
BoardGrid ParseBoard(std::string_view text);
std::string BoardLine(const BoardGrid& board);
inline constexpr std::string_view StartLine =
    "...........................WB......BW...........................";

// How many stones `own` turns by playing on the empty square (x, y): each of the eight rays is
// walked to the edge, square by square, with no shortcuts.
int ReferenceFlips(const BoardGrid& board, int x, int y, std::string_view own, std::string_view opp);
// The board after `own` plays on (x, y); unchanged when the move turns nothing.
BoardGrid ReferencePlay(BoardGrid board, int x, int y, std::string_view own, std::string_view opp);
// Every empty square where `own` may play, in index order.
std::vector<int> LegalSquares(const BoardGrid& board, std::string_view own, std::string_view opp);

// A position from a random game: random legal moves, sides alternating (a side with no move
// passes), from the start for `moves` moves or until neither side can move.
BoardGrid RandomGamePosition(std::mt19937& random, int moves);

// The environment variable `name` as a number, or `fallback` when it is unset; URAGAE_SEED seeds.
inline int CountFromEnvironment(const char* name, int fallback)
{
    const char* text = std::getenv(name);
    return text != nullptr ? std::stoi(text) : fallback;
}
inline unsigned SeedFromEnvironment(unsigned fallback)
{
    return static_cast<unsigned>(CountFromEnvironment("URAGAE_SEED", static_cast<int>(fallback)));
}

}  // namespace uragae::testing

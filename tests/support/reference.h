// Test support: a position as one line of text, the capture rule walked plainly on it, and seeds.
#pragma once

#include <random>
#include <string>
#include <vector>

#include "rules/game_state.h"

namespace uragae::testing {

// A position is 64 characters, index y * 8 + x: '.' empty, 'B' "●", 'W' "○".
using Line = std::string;
inline const Line StartLine = "...........................WB......BW...........................";
// Throws on anything but 64 of '.', 'B' and 'W'.
BoardGrid ParseBoard(const Line& line);
Line BoardLine(const BoardGrid& board);

// Plays `own` ('B' or 'W') on the empty `square` of `line`: every run of the other side's stones
// that it closes in the eight directions is turned, and the square taken if any was. Returns the
// number of stones turned; `line` is unchanged when it is 0.
int Capture(Line& line, int square, char own);
inline int Flips(Line line, int square, char own) { return Capture(line, square, own); }
inline Line Played(Line line, int square, char own) { return Capture(line, square, own), line; }
std::vector<int> LegalSquares(const Line& line, char own);

// A position of a random game: random legal moves, the sides alternating (one with no move
// passes), from the start for `moves` moves or until neither side can move.
Line RandomGame(std::mt19937& random, int moves);

// The environment variable `name` as a number, or `fallback` when it is unset: the size of a
// randomized test, so that a soak is one variable away.
int CountFromEnvironment(const char* name, int fallback);
// A generator seeded from URAGAE_SEED, or from `fallback`. The seed is printed and recorded in the
// test's report, so that a failing run can be repeated.
std::mt19937 SeededRandom(unsigned fallback);

}  // namespace uragae::testing

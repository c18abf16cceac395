// Test support: a position as one line of text, the capture rule walked plainly on it, with no
// shortcuts, for checking the program against; random games; seeds.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <random>
#include <vector>

#include "rules/game_state.h"

namespace uragae::testing {

// A position is 64 characters, index y * 8 + x: '.' empty, 'B' "●", 'W' "○".
using Line = std::string;
inline const Line StartLine = "...........................WB......BW...........................";

// Throws (std::out_of_range) on a line too short, or with any other character.
inline BoardGrid ParseBoard(const Line& line)
{
    BoardGrid board;
    for (int square = 0; square < SquareCount; ++square) {
        board(square % 8, square / 8) =
            std::array{EmptyCell, BlackStone, WhiteStone}.at(Line(".BW").find(line.at(square)));
    }
    return board;
}

inline Line BoardLine(const BoardGrid& board)
{
    Line line;
    for (int square = 0; square < SquareCount; ++square) {
        const std::string& cell = board(square % 8, square / 8);
        line += cell == BlackStone ? 'B' : cell == WhiteStone ? 'W' : cell.empty() ? '.' : '?';
    }
    return line;
}

// Plays `own` ('B' or 'W') on the empty `square` of `line`: every run of the other side's stones
// that it closes in the eight directions is turned, and the square taken if any was. Returns the
// number of stones turned; `line` is unchanged when it is 0.
inline int Capture(Line& line, int square, char own)
{
    const char other = own == 'B' ? 'W' : 'B';
    const auto at = [&line](int x, int y) {
        return x >= 0 && x < 8 && y >= 0 && y < 8 ? line[y * 8 + x] : '-';
    };
    int turned = 0;
    for (const int dy : {-1, 0, 1}) {
        for (const int dx : {-1, 0, 1}) {
            int run = 1;  // the other side's stones lie at distances 1 .. run - 1
            while ((dx != 0 || dy != 0) && at(square % 8 + run * dx, square / 8 + run * dy) == other) {
                ++run;
            }
            for (int k = 1; k < run && at(square % 8 + run * dx, square / 8 + run * dy) == own;
                 ++k, ++turned) {
                line[square + k * (dy * 8 + dx)] = own;
            }
        }
    }
    line[square] = turned > 0 ? own : line[square];
    return turned;
}
inline int Flips(Line line, int square, char own) { return Capture(line, square, own); }
inline Line Played(Line line, int square, char own) { return Capture(line, square, own), line; }

inline std::vector<int> LegalSquares(const Line& line, char own)
{
    std::vector<int> legal;
    for (int square = 0; square < SquareCount; ++square) {
        if (line[square] == '.' && Flips(line, square, own) > 0) {
            legal.push_back(square);
        }
    }
    return legal;
}

// A position of a random game: random legal moves, the sides alternating (one with no move
// passes), from the start for `moves` moves or until neither side can move.
inline Line RandomGame(std::mt19937& random, int moves)
{
    Line line = StartLine;
    for (int passes = 0, turn = 0; moves > 0 && passes < 2; ++turn) {
        const std::vector<int> legal = LegalSquares(line, "BW"[turn % 2]);
        passes = legal.empty() ? passes + 1 : 0;
        if (!legal.empty()) {
            Capture(line, legal.at(random() % legal.size()), "BW"[turn % 2]);
            --moves;
        }
    }
    return line;
}

// The environment variable `name` as a number, or `fallback` when it is unset: the size of a
// randomized test, so that a soak is one variable away.
inline int CountFromEnvironment(const char* name, int fallback)
{
    const char* text = std::getenv(name);
    return text != nullptr ? std::stoi(text) : fallback;
}

// A generator seeded from URAGAE_SEED, or from `fallback`. The seed is printed and recorded in the
// test's report, so that a failing run can be repeated.
inline std::mt19937 SeededRandom(unsigned fallback)
{
    const auto seed = static_cast<unsigned>(CountFromEnvironment("URAGAE_SEED", static_cast<int>(fallback)));
    std::cout << "seed " << seed << " (repeat with URAGAE_SEED=" << seed << ")\n";
    ::testing::Test::RecordProperty("seed", std::to_string(seed));
    return std::mt19937(seed);
}

}  // namespace uragae::testing

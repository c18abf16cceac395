// Test support: a position as one line of text, the capture rule walked plainly on it, with no
// shortcuts, for checking the program against; random games; seeds.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <map>
#include <random>
#include <vector>

#include "rules/game_state.h"

namespace uragae::testing {

// A position is 64 characters, index y * 8 + x: '.' empty, 'B' "●", 'W' "○".
using Line = std::string;
inline const Line StartLine = "...........................WB......BW...........................";

// A square's column x and row y, written here and not taken from the program, so that the reference
// stands on its own.
inline int ColumnOf(int square) { return square % 8; }
inline int RowOf(int square) { return square / 8; }

// What a line's characters stand for on the board, and back.
inline const std::map<char, std::string_view> GlyphOf{{'.', EmptyCell}, {'B', BlackStone}, {'W', WhiteStone}};
inline const std::map<std::string_view, char> LetterOf{
    {EmptyCell, '.'}, {BlackStone, 'B'}, {WhiteStone, 'W'}};

// Throws (std::out_of_range) on a line too short, or with any other character.
inline BoardGrid ParseBoard(const Line& line)
{
    BoardGrid board;
    for (int square = 0; square < SquareCount; ++square) {
        board(ColumnOf(square), RowOf(square)) = GlyphOf.at(line.at(square));
    }
    return board;
}

// Writes '?' for a cell that holds none of the three glyphs.
inline Line BoardLine(const BoardGrid& board)
{
    Line line;
    for (int square = 0; square < SquareCount; ++square) {
        const auto letter = LetterOf.find(board(ColumnOf(square), RowOf(square)));
        line += letter == LetterOf.end() ? '?' : letter->second;
    }
    return line;
}

inline char Opponent(char own) { return own == 'B' ? 'W' : 'B'; }

// The eight directions (dx, dy) a run of stones may take from the square played.
inline constexpr std::array<std::pair<int, int>, 8> EightDirections{
    {{-1, -1}, {0, -1}, {1, -1}, {-1, 0}, {1, 0}, {-1, 1}, {0, 1}, {1, 1}}};

// Plays `own` ('B' or 'W') on the empty `square` of `line`: every run of the other side's stones
// that it closes in the eight directions is turned, and the square taken if any was. Returns the
// number of stones turned; `line` is unchanged when it is 0.
inline int Capture(Line& line, int square, char own)
{
    const auto onBoard = [](int x, int y) { return x >= 0 && x < 8 && y >= 0 && y < 8; };
    int turned = 0;
    for (const auto& [dx, dy] : EightDirections) {
        std::vector<int> run;  // the other side's stones, outward from the square
        int x = ColumnOf(square) + dx;
        int y = RowOf(square) + dy;
        for (; onBoard(x, y) && line[y * 8 + x] == Opponent(own); x += dx, y += dy) {
            run.push_back(y * 8 + x);
        }
        if (onBoard(x, y) && line[y * 8 + x] == own) {  // closed by a stone of its own
            std::ranges::for_each(run, [&](int stone) { line[stone] = own; });
            turned += static_cast<int>(run.size());
        }
    }
    if (turned > 0) {
        line[square] = own;
    }
    return turned;
}

inline int Flips(Line line, int square, char own) { return Capture(line, square, own); }

inline Line Played(Line line, int square, char own)
{
    Capture(line, square, own);
    return line;
}

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
    char side = 'B';
    for (int passesInARow = 0; moves > 0 && passesInARow < 2; side = Opponent(side)) {
        const std::vector<int> legal = LegalSquares(line, side);
        passesInARow = legal.empty() ? passesInARow + 1 : 0;
        if (!legal.empty()) {
            Capture(line, legal.at(random() % legal.size()), side);
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

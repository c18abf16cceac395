// The capture rule walked square by square, with no shortcuts, for checking the program against.
#include "reference.h"

#include <gtest/gtest.h>

#include <iostream>
#include <stdexcept>

namespace uragae::testing {

BoardGrid ParseBoard(std::string_view line)
{
    if (line.size() != SquareCount || line.find_first_not_of(".BW") != std::string_view::npos) {
        throw std::invalid_argument("not a position: " + std::string(line));
    }
    BoardGrid board;
    for (int square = 0; square < SquareCount; ++square) {
        const char symbol = line[square];
        board(SquareColumn(square), SquareRow(square)) = symbol == 'B'   ? BlackStone
                                                         : symbol == 'W' ? WhiteStone
                                                                         : "";
    }
    return board;
}

Line BoardLine(const BoardGrid& board)
{
    Line line;
    for (int square = 0; square < SquareCount; ++square) {
        const std::string& cell = board(SquareColumn(square), SquareRow(square));
        line += cell == BlackStone ? 'B' : cell == WhiteStone ? 'W' : cell.empty() ? '.' : '?';
    }
    return line;
}

int Capture(Line& line, int square, char own)
{
    const char opp = own == 'B' ? 'W' : 'B';
    const auto at = [&line](int x, int y) {
        return x >= 0 && x < 8 && y >= 0 && y < 8 ? line[y * 8 + x] : '-';
    };
    int turned = 0;
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            int run = 1;
            while ((dx != 0 || dy != 0) && at(square % 8 + run * dx, square / 8 + run * dy) == opp) {
                ++run;
            }
            for (int k = 1; run > 1 && at(square % 8 + run * dx, square / 8 + run * dy) == own && k < run;
                 ++k) {
                line[square + k * (dy * 8 + dx)] = own;
                ++turned;
            }
        }
    }
    line[square] = turned > 0 ? own : line[square];
    return turned;
}

std::vector<int> LegalSquares(const Line& line, char own)
{
    std::vector<int> legal;
    for (int square = 0; square < SquareCount; ++square) {
        if (line[square] == '.' && Flips(line, square, own) > 0) {
            legal.push_back(square);
        }
    }
    return legal;
}

Line RandomGame(std::mt19937& random, int moves)
{
    Line line = StartLine;
    for (int passes = 0, turn = 0; moves > 0 && passes < 2; ++turn) {
        const char mover = turn % 2 == 0 ? 'B' : 'W';
        const std::vector<int> legal = LegalSquares(line, mover);
        passes = legal.empty() ? passes + 1 : 0;
        if (!legal.empty()) {
            Capture(line, legal[std::uniform_int_distribution<std::size_t>(0, legal.size() - 1)(random)],
                    mover);
            --moves;
        }
    }
    return line;
}

std::mt19937 SeededRandom(unsigned fallback)
{
    const auto seed = static_cast<unsigned>(CountFromEnvironment("URAGAE_SEED", static_cast<int>(fallback)));
    std::cout << "seed " << seed << " (repeat with URAGAE_SEED=" << seed << ")\n";
    ::testing::Test::RecordProperty("seed", std::to_string(seed));
    return std::mt19937(seed);
}

}  // namespace uragae::testing

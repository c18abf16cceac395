// The whole game apart from the window: the board, its saved copies and the numbers the rules report through.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace uragae {

inline constexpr std::string_view BlackStone = "●";  // the person, who moves first
inline constexpr std::string_view WhiteStone = "○";  // the computer
inline constexpr std::string_view EmptyCell = "";

inline constexpr int BoardSize = 8;
inline constexpr int LastCoordinate = BoardSize - 1;
inline constexpr int SquareCount = BoardSize * BoardSize;
inline constexpr int SnapshotSlotCount = 3;

// TryMove's modes: exactly PlayMode plays, every other value only tests.
inline constexpr int TestMode = 0;
inline constexpr int PlayMode = 1;

// Square index i <-> cell (x, y): i = y * 8 + x.
constexpr int SquareIndex(int x, int y) { return y * BoardSize + x; }
constexpr int SquareColumn(int square) { return square % BoardSize; }
constexpr int SquareRow(int square) { return square / BoardSize; }

// Throws std::out_of_range naming `what` when value lies outside first..last.
void CheckIndex(std::string_view what, int value, int first, int last);

// An 8×8 grid of glyphs indexed (column x, row y). Every cell owns its string; glyphs are short
// enough to live in the string's inline buffer, so copying a grid never allocates.
class BoardGrid {
public:
    std::string& operator()(int x, int y);
    const std::string& operator()(int x, int y) const;

    bool operator==(const BoardGrid& other) const = default;

private:
    std::array<std::string, SquareCount> cells_;
};

// Three board-sized slots for saved copies of the board, indexed (x, y, slot).
class SnapshotStore {
public:
    std::string& operator()(int x, int y, int slot);
    const std::string& operator()(int x, int y, int slot) const;
    BoardGrid& Slot(int slot);
    [[nodiscard]] const BoardGrid& Slot(int slot) const;

private:
    std::array<BoardGrid, SnapshotSlotCount> slots_;
};

// The game's state as the window owns it. Results are reported through MoveFound and FlipCount
// rather than returned: a test raises MoveFound to 1 and adds to FlipCount, and never lowers
// either, so each caller clears them before a test it wants to read.
class GameState {
public:
    BoardGrid Board;
    SnapshotStore Snapshots;
    int MoveFound = 0;
    int FlipCount = 0;
    int ComputerPassed = 0;

    // Copy the whole board into / back from one snapshot slot (0..2); no other slot or number changes.
    void SaveBoard(int slot);
    void RestoreBoard(int slot);

    // Tests (mode != 1) or plays (mode == 1) `own` on (x, y) against `opp` in all eight directions.
    // Precondition: (x, y) is empty; the anchor is never read. A play writes the anchor only when
    // it turned at least one line, so afterwards Board(x, y) == own exactly when it was legal.
    void TryMove(int x, int y, int mode, std::string_view own, std::string_view opp);

private:
    // The three one-direction scans. Only TryMove calls them, and only where two or more squares
    // lie beyond the anchor, so each walk's first square is on the board.
    void ScanHorizontal(int x, int y, int step, int limit, int mode, std::string_view own,
                        std::string_view opp);
    void ScanVertical(int x, int y, int step, int limit, int mode, std::string_view own,
                      std::string_view opp);
    void ScanDiagonal(int x, int y, int dx, int dy, int limitX, int limitY, int mode, std::string_view own,
                      std::string_view opp);
    // Their shared walk: one direction, stopping when either coordinate passes its limit.
    void ScanLine(int x, int y, int dx, int dy, int limitX, int limitY, int mode, std::string_view own,
                  std::string_view opp);
};

}  // namespace uragae

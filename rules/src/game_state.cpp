// Board access, snapshots and the move scans.
#include "rules/game_state.h"

#include <stdexcept>
#include <string>

namespace uragae {

void CheckIndex(std::string_view what, int value, int first, int last)
{
    if (value < first || value > last) {
        throw std::out_of_range(std::string(what) + " " + std::to_string(value) + " is outside " +
                                std::to_string(first) + ".." + std::to_string(last));
    }
}

namespace {

int CellOffset(int x, int y)
{
    CheckIndex("x", x, 0, LastCoordinate);
    CheckIndex("y", y, 0, LastCoordinate);
    return SquareIndex(x, y);
}

// The eight directions in the order TryMove scans them.
struct Direction {
    int dx;
    int dy;
};
constexpr std::array<Direction, 8> ScanOrder{{
    {+1, 0},
    {+1, +1},
    {+1, -1},
    {-1, 0},
    {-1, +1},
    {-1, -1},
    {0, +1},
    {0, -1},
}};

// A line needs the adjacent square and at least one more beyond it, so a direction is scanned
// only when two squares lie between the anchor and the edge it heads for.
bool RoomForLine(int coordinate, int step)
{
    if (step > 0) {
        return coordinate < LastCoordinate - 1;
    }
    if (step < 0) {
        return coordinate > 1;
    }
    return true;
}

// The last row or column a walk in this direction may examine.
int LimitFor(int step) { return step < 0 ? 0 : LastCoordinate; }

bool Beyond(int coordinate, int step, int limit)
{
    return (step > 0 && coordinate > limit) || (step < 0 && coordinate < limit);
}

}  // namespace

std::string& BoardGrid::operator()(int x, int y) { return cells_[CellOffset(x, y)]; }

const std::string& BoardGrid::operator()(int x, int y) const { return cells_[CellOffset(x, y)]; }

BoardGrid& SnapshotStore::Slot(int slot)
{
    CheckIndex("slot", slot, 0, SnapshotSlotCount - 1);
    return slots_[slot];
}

const BoardGrid& SnapshotStore::Slot(int slot) const
{
    CheckIndex("slot", slot, 0, SnapshotSlotCount - 1);
    return slots_[slot];
}

std::string& SnapshotStore::operator()(int x, int y, int slot) { return Slot(slot)(x, y); }

const std::string& SnapshotStore::operator()(int x, int y, int slot) const { return Slot(slot)(x, y); }

void GameState::SaveBoard(int slot) { Snapshots.Slot(slot) = Board; }

void GameState::RestoreBoard(int slot) { Board = Snapshots.Slot(slot); }

void GameState::TryMove(int x, int y, int mode, std::string_view own, std::string_view opp)
{
    // Checked up front: a bad anchor must fail before any line has been turned.
    CellOffset(x, y);
    for (const Direction& direction : ScanOrder) {
        if (!RoomForLine(x, direction.dx) || !RoomForLine(y, direction.dy)) {
            continue;
        }
        if (direction.dy == 0) {
            ScanHorizontal(x, y, direction.dx, LimitFor(direction.dx), mode, own, opp);
        } else if (direction.dx == 0) {
            ScanVertical(x, y, direction.dy, LimitFor(direction.dy), mode, own, opp);
        } else {
            ScanDiagonal(x, y, direction.dx, direction.dy, LimitFor(direction.dx), LimitFor(direction.dy),
                         mode, own, opp);
        }
    }
}

void GameState::ScanHorizontal(int x, int y, int step, int limit, int mode, std::string_view own,
                               std::string_view opp)
{
    ScanLine(x, y, step, 0, limit, y, mode, own, opp);
}

void GameState::ScanVertical(int x, int y, int step, int limit, int mode, std::string_view own,
                             std::string_view opp)
{
    ScanLine(x, y, 0, step, x, limit, mode, own, opp);
}

void GameState::ScanDiagonal(int x, int y, int dx, int dy, int limitX, int limitY, int mode,
                             std::string_view own, std::string_view opp)
{
    ScanLine(x, y, dx, dy, limitX, limitY, mode, own, opp);
}

void GameState::ScanLine(int x, int y, int dx, int dy, int limitX, int limitY, int mode, std::string_view own,
                         std::string_view opp)
{
    if (Board(x + dx, y + dy) != opp) {
        return;
    }
    // Past the adjacent square only "empty" and "own" matter: anything else counts as a stone
    // to turn, so the walk goes on until it is closed, broken or runs off its limit.
    int closing = 2;
    for (;; ++closing) {
        const int cx = x + closing * dx;
        const int cy = y + closing * dy;
        if (Beyond(cx, dx, limitX) || Beyond(cy, dy, limitY)) {
            return;
        }
        const std::string& cell = Board(cx, cy);
        if (cell == EmptyCell) {
            return;
        }
        if (cell == own) {
            break;
        }
    }
    if (mode == PlayMode) {
        for (int distance = 1; distance < closing; ++distance) {
            Board(x + distance * dx, y + distance * dy) = own;
        }
        Board(x, y) = own;
    } else {
        FlipCount += closing - 1;
        MoveFound = 1;
    }
}

}  // namespace uragae

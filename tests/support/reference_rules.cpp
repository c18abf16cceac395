// The capture rule, walked the long way.
#include "reference_rules.h"

namespace uragae::testing {

namespace {
bool OnBoard(int x, int y) { return x >= 0 && x < BoardSize && y >= 0 && y < BoardSize; }
}  // namespace

int ReferenceFlips(const BoardGrid& board, int x, int y, std::string_view own, std::string_view opp)
{
    int total = 0;
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            if (dx == 0 && dy == 0) {
                continue;
            }
            int run = 0;
            int cx = x + dx;
            int cy = y + dy;
            while (OnBoard(cx, cy) && board(cx, cy) == opp) {
                ++run;
                cx += dx;
                cy += dy;
            }
            if (run > 0 && OnBoard(cx, cy) && board(cx, cy) == own) {
                total += run;
            }
        }
    }
    return total;
}

}  // namespace uragae::testing

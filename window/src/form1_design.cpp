// The window's designed figures turned into what a front end needs: pixels, start captions, names.
#include "window/form1_design.h"

#include <algorithm>

#include "rules/game_state.h"
#include "rules/turn_verdict.h"

namespace uragae {

namespace {

constexpr int PointsPerInch = 72;
constexpr int BoardOriginTwips = 120;
constexpr int SquarePitchTwips = 600;
constexpr int SquareSizeTwips = 615;

// value × numerator / denominator, rounded half up; all the designed figures are positive.
int ScaleRounded(int value, int numerator, int denominator)
{
    return (value * numerator + denominator / 2) / denominator;
}

}  // namespace

PixelRect ToPixels(const TwipsRect& twips, int dotsPerInch)
{
    const int left = ScaleRounded(twips.left, dotsPerInch, TwipsPerInch);
    const int top = ScaleRounded(twips.top, dotsPerInch, TwipsPerInch);
    const int right = ScaleRounded(twips.left + twips.width, dotsPerInch, TwipsPerInch);
    const int bottom = ScaleRounded(twips.top + twips.height, dotsPerInch, TwipsPerInch);
    return {left, top, right - left, bottom - top};
}

int PointsToPixels(int points, int dotsPerInch) { return ScaleRounded(points, dotsPerInch, PointsPerInch); }

TwipsRect SquarePlace(int square)
{
    CheckIndex("square", square, 0, SquareCount - 1);
    return {BoardOriginTwips + SquarePitchTwips * SquareColumn(square),
            BoardOriginTwips + SquarePitchTwips * SquareRow(square), SquareSizeTwips, SquareSizeTwips};
}

std::string_view DesignedCaption(int square)
{
    // The same four stones a new game writes, from the one place that knows them.
    static const BoardGrid start = [] {
        BoardGrid board;
        SetStartPosition(board);
        return board;
    }();
    return start(SquareColumn(square), SquareRow(square));  // which checks the square's row
}

std::string SquareAccessibleName(int square, std::string_view caption)
{
    CheckIndex("square", square, 0, SquareCount - 1);
    std::string name{static_cast<char>('a' + SquareColumn(square)),
                     static_cast<char>('1' + SquareRow(square))};
    if (caption == BlackStone) {
        return name + " 黒";
    }
    if (caption == WhiteStone) {
        return name + " 白";
    }
    if (caption.empty()) {
        return name + " 空き";
    }
    return name + " 空き " + std::string(caption) + "枚";
}

int SquareAfterArrow(int square, Arrow arrow)
{
    CheckIndex("square", square, 0, SquareCount - 1);
    int x = SquareColumn(square);
    int y = SquareRow(square);
    switch (arrow) {
    case Arrow::Left: x = std::max(x - 1, 0); break;
    case Arrow::Right: x = std::min(x + 1, LastCoordinate); break;
    case Arrow::Up: y = std::max(y - 1, 0); break;
    case Arrow::Down: y = std::min(y + 1, LastCoordinate); break;
    }
    return SquareIndex(x, y);
}

}  // namespace uragae

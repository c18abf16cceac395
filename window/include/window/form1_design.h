// The window as designed, which every front end builds: its caption, each control's place in twips,
// text, font and color, the tab order, what a screen reader calls each control, and the arrow keys.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "window/form1_controls.h"

namespace uragae {

inline constexpr std::string_view ProgramTitle = "ウラガエ";
inline constexpr std::string_view WindowCaption = "ウラガエ ver.1.7";

// Lengths are designed in twips, 1440 to the inch: 15 to a pixel at 96 dots per inch.
inline constexpr int TwipsPerInch = 1440;
inline constexpr int DesignDotsPerInch = 96;

struct TwipsRect {
    int left, top, width, height;
};
struct PixelRect {
    int left, top, width, height;
    bool operator==(const PixelRect&) const = default;
};

// The rectangle in pixels at `dotsPerInch`, each edge rounded to the nearest pixel, so that edges
// which meet in twips meet in pixels too. At 96 dots per inch every designed length is exact.
PixelRect ToPixels(const TwipsRect& twips, int dotsPerInch);
// A font's height in pixels at `dotsPerInch`, rounded.
int PointsToPixels(int points, int dotsPerInch);

inline constexpr TwipsRect ClientArea{0, 0, 5055, 6495};

struct DesignFont {
    std::string_view face;
    int points;
};
inline constexpr std::string_view ProportionalFace = "ＭＳ Ｐゴシック";
inline constexpr std::string_view FixedPitchFace = "ＭＳ ゴシック";
inline constexpr DesignFont SquareFont{ProportionalFace, 15};
inline constexpr DesignFont LabelFont{FixedPitchFace, 12};
inline constexpr DesignFont CountBoxFont{ProportionalFace, 12};
// パス, リセット and 終了 use the window's default font.

inline constexpr ColorValue ResetButtonColor = 0x00FF8080;  // light blue-violet
inline constexpr ColorValue CountTextColor = 0x000000FF;    // red

struct DesignedControl {
    std::string_view name;            // the design's name, by which the tests find it too
    std::string_view caption;         // a label's or button's fixed text
    TwipsRect place;                  // within the client area
    std::string_view accessibleName;  // what a screen reader says; empty: the caption
};

// The controls in tab order: the labels (which never take the focus), the count boxes, the 64
// squares (Command1_0 to Command1_63), then パス, リセット and 終了.
inline constexpr std::array<DesignedControl, 4> Labels{{
    {"Label1", "●", {240, 5160, 255, 255}, "黒の石"},
    {"Label2", "枚　○", {1200, 5160, 735, 255}, "枚、白の石"},
    {"Label3", "枚　残り", {2640, 5160, 975, 255}, "枚、残りの箇所"},
    {"Label4", "箇所", {4320, 5160, 495, 255}, "箇所"},
}};
// By CountBox.
inline constexpr std::array<DesignedControl, 3> CountBoxes{{
    {"Text1", "", {480, 5040, 615, 375}, "黒の石の数"},
    {"Text2", "", {1920, 5040, 615, 375}, "白の石の数"},
    {"Text3", "", {3600, 5040, 615, 375}, "残りの箇所の数"},
}};
inline constexpr DesignedControl Command2Design{"Command2", "パス", {120, 5520, 2295, 375}, ""};
inline constexpr DesignedControl Command3Design{"Command3", "リセット", {2640, 5520, 2295, 375}, ""};
inline constexpr DesignedControl Command4Design{"Command4", "終了", {120, 6000, 4815, 375}, ""};

// Command1(square): 615 twips on a pitch of 600, so that neighbours share their outline.
TwipsRect SquarePlace(int square);
// The caption a square is made with: together they are the start position.
std::string_view DesignedCaption(int square);
// What a screen reader calls a square with `caption`: its place in Reversi notation and what it
// holds, "e4 黒", "d4 白", "a1 空き", or "d3 空き 1枚" where playing would turn one stone.
std::string SquareAccessibleName(int square, std::string_view caption);

enum class Arrow { Left, Right, Up, Down };
// Where an arrow key moves the focus from a square: its neighbour, or the square itself at the
// board's edge. The arrows only move; they never play.
int SquareAfterArrow(int square, Arrow arrow);

}  // namespace uragae

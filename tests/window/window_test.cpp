// Where the window's controls sit, in pixels: the 8 × 8 board, then the count row and the buttons.
#include <gtest/gtest.h>

#include "window_harness.h"

namespace uragae::testing {
namespace {

TEST(Layout, ControlsSitWhereDesignedInPixels)
{
    const WindowHarness window;
    // Left to right: "●", Text1, "枚　○", Text2, "枚　残り", Text3, "箇所"; パス, リセット; 終了.
    std::vector<QRect> expected{
        {16, 344, 17, 17},  {32, 336, 41, 25},  {80, 344, 49, 17}, {128, 336, 41, 25},  {176, 344, 65, 17},
        {240, 336, 41, 25}, {288, 344, 33, 17}, {8, 368, 153, 25}, {176, 368, 153, 25}, {8, 400, 321, 25}};
    std::vector<QRect> actual;
    for (int square = 0; square < SquareCount; ++square) {
        expected.emplace_back(8 + 40 * (square % 8), 8 + 40 * (square / 8), 41,
                              41);  // neighbours share a pixel
    }
    for (const QWidget* control : window.Controls()) {
        actual.push_back(control->geometry());
    }
    EXPECT_EQ(actual, expected);
    EXPECT_EQ(window.Controls().front()->window()->size(), QSize(337, 433));
    EXPECT_EQ(window.Controls().front()->window()->minimumSize(), QSize(337, 433));
    EXPECT_EQ(window.Controls().front()->window()->maximumSize(), QSize(337, 433));
}

}  // namespace
}  // namespace uragae::testing

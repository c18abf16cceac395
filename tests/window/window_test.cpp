// The window itself: its layout, screen-reader names and where the focus rests when the game ends.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QTest>

#include "window_harness.h"

namespace uragae::testing {
namespace {

TEST(Layout, ControlsSitWhereDesignedInPixels)
{
    const WindowHarness window;
    EXPECT_EQ(window.Window().size(), QSize(337, 433));
    EXPECT_EQ(window.Window().minimumSize(), window.Window().maximumSize());
    for (int square = 0; square < SquareCount; ++square) {
        EXPECT_EQ(window.Square(square)->geometry(),
                  QRect(8 + 40 * (square % 8), 8 + 40 * (square / 8), 41, 41));
    }
    // Left to right: "●", Text1, "枚　○", Text2, "枚　残り", Text3, "箇所"; then パス, リセット and 終了.
    const std::vector<QRect> expected{
        {16, 344, 17, 17},  {32, 336, 41, 25},  {80, 344, 49, 17}, {128, 336, 41, 25},  {176, 344, 65, 17},
        {240, 336, 41, 25}, {288, 344, 33, 17}, {8, 368, 153, 25}, {176, 368, 153, 25}, {8, 400, 321, 25}};
    std::vector<QRect> actual;
    for (const QWidget* control : window.CountRowAndButtons()) {
        actual.push_back(control->geometry());
    }
    EXPECT_EQ(actual, expected);
}

TEST(ScreenReader, SquaresSayWhereTheyAreAndWhatTheyHold)
{
    WindowHarness window;
    window.Show();
    const auto name = [&window](int square) {
        return QAccessible::queryAccessibleInterface(window.Square(square))->text(QAccessible::Name);
    };
    EXPECT_EQ(name(0), QStringLiteral("a1 空き"));
    EXPECT_EQ(name(19), QStringLiteral("d3 空き 1枚"));
    EXPECT_EQ(name(27), QStringLiteral("d4 白"));
    EXPECT_EQ(name(63), QStringLiteral("h8 空き"));
    window.Click(19);
    EXPECT_EQ(name(19), QStringLiteral("d3 黒"));
}

TEST(Keyboard, FocusLeavesADisabledPassButtonForTheCountsNotForReset)
{
    WindowHarness window;
    window.Show();
    window.SetPosition("BBBBBBBBBBBBBBBBBBBB........................WWWWWWWWWWWWWWWWWWWW", 0);
    window.PassButton()->setFocus();
    QTest::keyClick(window.PassButton(), Qt::Key_Space);
    ASSERT_EQ(window.messages.size(), 2U) << "the computer's pass, then the result";
    EXPECT_TRUE(window.BlackCount()->hasFocus()) << "a second Space must not reach リセット";
}

}  // namespace
}  // namespace uragae::testing

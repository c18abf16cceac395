// The window's frame: where its controls sit in pixels, their fonts, the icon, and the keyboard.
#include <gtest/gtest.h>

#include <QFontInfo>

#include "window_harness.h"

namespace uragae::testing {
namespace {

TEST(Layout, ControlsSitWhereDesignedInPixels)
{
    const WindowHarness window;
    const QList<QWidget*> controls = window.Controls();
    // "●", "枚　○", "枚　残り", "箇所"; the black, white and empty counts; then, after the squares,
    // パス, リセット and 終了.
    QList<QRect> expected{{16, 344, 17, 17}, {80, 344, 49, 17},  {176, 344, 65, 17}, {288, 344, 33, 17},
                          {32, 336, 41, 25}, {128, 336, 41, 25}, {240, 336, 41, 25}};
    for (int square = 0; square < SquareCount; ++square) {
        expected.append({8 + 40 * (square % 8), 8 + 40 * (square / 8), 41, 41});  // neighbours share a pixel
    }
    expected.append({{8, 368, 153, 25}, {176, 368, 153, 25}, {8, 400, 321, 25}});
    QList<QRect> actual;
    for (const QWidget* control : controls) {
        actual.append(control->geometry());
    }
    EXPECT_EQ(actual, expected);
    const QWidget* form = controls.front()->window();
    EXPECT_EQ(QList({form->size(), form->minimumSize(), form->maximumSize()}),
              QList<QSize>(3, QSize(337, 433)));
    // The labels in the fixed-pitch Japanese Gothic, the counts and the squares in the proportional
    // one; both resolve to faces Linux has. パス, リセット and 終了 keep the default.
    for (int control = 0; control < 71; ++control) {
        const QFont font = controls.at(control)->font();
        EXPECT_EQ(font.family(), control < 4 ? "ＭＳ ゴシック" : "ＭＳ Ｐゴシック") << control;
        EXPECT_EQ(font.pointSize(), control < 7 ? 12 : 15) << control;
        EXPECT_TRUE(QFontInfo(font).family().startsWith("IPA")) << QFontInfo(font).family().toStdString();
    }
    const QList<QSize> icons{{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}};
    EXPECT_EQ(form->windowIcon().availableSizes(), icons) << "the title bar's sizes of the menu's icon";
}

// Tab runs from the black count through the other counts, the squares, パス, リセット and 終了, and
// back; the arrows walk the focus across the board and stop at its edges.
TEST(Keyboard, TabCyclesThroughTheControlsAndArrowsStopAtTheEdges)
{
    const WindowHarness window;
    const QList<QWidget*> controls = window.Controls();
    ASSERT_TRUE(window.CountHasFocus());
    for (int next = 5; next <= 74; ++next) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), controls.at(next % 74 + next / 74 * 4)) << next;
    }
    for (int square = 0; square < SquareCount; ++square) {
        for (const auto& [key, dx, dy] : {std::tuple{Qt::Key_Left, -1, 0},
                                          {Qt::Key_Right, 1, 0},
                                          {Qt::Key_Up, 0, -1},
                                          {Qt::Key_Down, 0, 1}}) {
            controls.at(7 + square)->setFocus();
            QTest::keyClick(controls.at(7 + square), key);
            EXPECT_EQ(window.Focus(),
                      SquareIndex(std::clamp(square % 8 + dx, 0, 7), std::clamp(square / 8 + dy, 0, 7)))
                << square << " " << key;
        }
    }
}

}  // namespace
}  // namespace uragae::testing

// Where the window's controls sit, in pixels: the 8 × 8 board, then the count row and the buttons.
#include <gtest/gtest.h>

#include <QFontInfo>

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
    // The squares and the count boxes in the proportional Japanese Gothic, the labels in the
    // fixed-pitch one; both resolve to faces Linux has. パス, リセット and 終了 keep the default.
    for (int control = 0; control < 74; ++control) {
        const QFont font = window.Controls().at(control)->font();
        const bool label = control < 7 && control % 2 == 0;
        if (control < 7 || control >= 10) {
            EXPECT_EQ(font.family(), label ? "ＭＳ ゴシック" : "ＭＳ Ｐゴシック") << control;
            EXPECT_EQ(font.pointSize(), control < 10 ? 12 : 15) << control;
            EXPECT_TRUE(QFontInfo(font).family().startsWith("IPA")) << QFontInfo(font).family().toStdString();
        }
    }
    const QList<QSize> icons{{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}};
    EXPECT_EQ(window.Controls().front()->window()->windowIcon().availableSizes(), icons)
        << "the title bar's sizes of the menu's icon";
}

TEST(Keyboard, TabGoesFromTheLastSquareThroughTheButtonsBackToTheBlackCount)
{
    WindowHarness window;
    window.Show();
    window.Controls().back()->setFocus();
    for (const int next : {7, 8, 9, 1}) {  // パス, リセット, 終了, then Text1
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), window.Controls().at(next)) << next;
    }
    EXPECT_EQ(window.Controls().front()->window()->size(), QSize(337, 433));
    EXPECT_EQ(window.Controls().front()->window()->minimumSize(), QSize(337, 433));
    EXPECT_EQ(window.Controls().front()->window()->maximumSize(), QSize(337, 433));
}

}  // namespace
}  // namespace uragae::testing

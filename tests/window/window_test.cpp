// The window itself: its layout, the start, the keyboard, screen-reader names and the real box.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "reference.h"
#include "window_harness.h"

namespace uragae {
namespace {

using testing::WindowHarness;

TEST(Layout, ControlsSitWhereDesignedInPixels)
{
    WindowHarness window;
    EXPECT_EQ(window.Window().size(), QSize(337, 433));
    EXPECT_EQ(window.Window().minimumSize(), window.Window().maximumSize());
    for (int square = 0; square < SquareCount; ++square) {
        EXPECT_EQ(window.Square(square)->geometry(),
                  QRect(8 + 40 * (square % 8), 8 + 40 * (square / 8), 41, 41));
    }
    // From left to right: "●", Text1, "枚　○", Text2, "枚　残り", Text3, "箇所"; then パス, リセット, 終了.
    const std::vector<QRect> expected{
        {16, 344, 17, 17},  {32, 336, 41, 25},  {80, 344, 49, 17}, {128, 336, 41, 25},  {176, 344, 65, 17},
        {240, 336, 41, 25}, {288, 344, 33, 17}, {8, 368, 153, 25}, {176, 368, 153, 25}, {8, 400, 321, 25}};
    std::vector<QRect> actual;
    for (const QWidget* control : window.CountRowAndButtons()) {
        actual.push_back(control->geometry());
    }
    EXPECT_EQ(actual, expected);
}

TEST(StartUp, DesignedCaptionsAreTheStartAndTheLoadMarksThem)
{
    WindowHarness window;
    const BoardGrid start = testing::ParseBoard(std::string(27, '.') + "WB......BW" + std::string(27, '.'));
    EXPECT_EQ(window.Board(), start);
    EXPECT_EQ(window.Shot().colors, std::vector<quint32>(SquareCount, ButtonFaceColor)) << "before the load";
    window.Show();
    const testing::Screen screen = window.Shot();
    for (const int square : {19, 26, 37, 44}) {
        EXPECT_EQ(screen.colors[square], LegalColor);
        EXPECT_EQ(screen.captions[square], QStringLiteral("1"));
    }
    EXPECT_EQ(screen.counts, (std::vector<QString>{"2", "2", "60"}));
    EXPECT_TRUE(screen.passEnabled);
    EXPECT_TRUE(window.BlackCount()->hasFocus());
    EXPECT_EQ(window.Window().windowTitle(), QStringLiteral("ウラガエ ver.1.7"));
    EXPECT_TRUE(window.messages.empty());
}

TEST(Keyboard, ArrowsWalkTheBoardAndStopAtItsEdgesSpacePlays)
{
    WindowHarness window;
    window.Show();
    const testing::Screen start = window.Shot();
    const std::vector<std::pair<Qt::Key, QPoint>> keys{
        {Qt::Key_Left, {-1, 0}}, {Qt::Key_Right, {1, 0}}, {Qt::Key_Up, {0, -1}}, {Qt::Key_Down, {0, 1}}};
    for (int square = 0; square < SquareCount; ++square) {
        for (const auto& [key, step] : keys) {
            window.Square(square)->setFocus();
            QTest::keyClick(window.Square(square), key);
            const int x = std::clamp(square % 8 + step.x(), 0, 7);
            const int y = std::clamp(square / 8 + step.y(), 0, 7);
            ASSERT_EQ(window.Shot().focusedSquare, y * 8 + x) << square << " key " << key;
        }
    }
    EXPECT_EQ(window.Shot().captions, start.captions) << "arrows never play";
    QTest::keyClick(window.Square(19), Qt::Key_Space);
    EXPECT_EQ(window.Board()(3, 2), BlackStone);
}

TEST(Keyboard, FocusLeavesADisabledPassButtonForTheCountsNotForReset)
{
    WindowHarness window;
    window.Show();
    window.SetPosition("BBBBBBBBBBBBBBBBBBBB........................WWWWWWWWWWWWWWWWWWWW");
    window.PassButton()->setFocus();
    QTest::keyClick(window.PassButton(), Qt::Key_Space);
    ASSERT_EQ(window.messages.size(), 2U) << "the computer's pass, then the result";
    EXPECT_TRUE(window.BlackCount()->hasFocus()) << "a second Space must not reach リセット";
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

TEST(MessageBox, RealBoxHasTheTitleOneOkButtonAndNoIcon)
{
    QWidget parent;
    bool inspected = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        inspected = box->windowTitle() == QStringLiteral("ウラガエ") &&
                    box->text() == QStringLiteral("引き分けです。") && box->icon() == QMessageBox::NoIcon &&
                    box->buttons().size() == 1 && box->buttons().front()->icon().isNull();
        box->close();
    });
    ShowMessageBox(&parent, QStringLiteral("引き分けです。"));
    EXPECT_TRUE(inspected);
}

}  // namespace
}  // namespace uragae

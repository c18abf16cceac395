// Playing without a mouse: arrow keys across the board, Space to play, and the names a screen
// reader gives each control.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QTest>

#include "window_harness.h"

namespace uragae {
namespace {

using testing::WindowHarness;

QString AccessibleName(QWidget* widget)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible != nullptr ? accessible->text(QAccessible::Name) : QStringLiteral("<none>");
}

class KeyboardPlay : public ::testing::Test {
protected:
    void SetUp() override { harness.Show(); }

    // Focuses `from`, presses `key`, and says which square has the focus afterwards.
    int After(int from, Qt::Key key)
    {
        harness.Window().FocusSquare(from);
        QTest::keyClick(harness.Window().Command1.at(from), key);
        return harness.FocusedSquare();
    }

    WindowHarness harness;
};

TEST_F(KeyboardPlay, ArrowsMoveAcrossTheBoardAndStopAtItsEdges)
{
    EXPECT_EQ(After(0, Qt::Key_Right), 1);
    EXPECT_EQ(After(0, Qt::Key_Down), 8);
    EXPECT_EQ(After(0, Qt::Key_Left), 0);
    EXPECT_EQ(After(0, Qt::Key_Up), 0);
    EXPECT_EQ(After(7, Qt::Key_Right), 7);
    EXPECT_EQ(After(7, Qt::Key_Left), 6);
    EXPECT_EQ(After(63, Qt::Key_Down), 63);
    EXPECT_EQ(After(63, Qt::Key_Right), 63);
    EXPECT_EQ(After(63, Qt::Key_Up), 55);
    EXPECT_EQ(After(56, Qt::Key_Left), 56);
    EXPECT_EQ(After(56, Qt::Key_Down), 56);
    EXPECT_EQ(After(15, Qt::Key_Right), 15) << "the right edge does not wrap to the next row";
    EXPECT_EQ(After(16, Qt::Key_Left), 16) << "the left edge does not wrap to the row above";
}

TEST_F(KeyboardPlay, ArrowsNeverChangeTheGame)
{
    const testing::ScreenState before = harness.Screen();
    for (const Qt::Key key : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Left, Qt::Key_Up}) {
        After(19, key);
    }
    EXPECT_EQ(harness.Screen(), before);
}

TEST_F(KeyboardPlay, SpacePlaysTheFocusedMarkedSquare)
{
    After(11, Qt::Key_Down);  // to square 19, marked at the start
    QTest::keyClick(harness.Window().Command1.at(19), Qt::Key_Space);
    EXPECT_EQ(harness.BoardOnScreen()(3, 2), BlackStone);
    EXPECT_EQ(harness.Window().Text3->text(), QStringLiteral("58")) << "and the computer answered";
}

TEST_F(KeyboardPlay, FocusLeavesADisabledPassButtonForTheCountsNotForReset)
{
    // Neither side can move: passing makes the computer pass too, and the game ends.
    harness.SetPosition(testing::StuckDrawDiagram);
    Form1& form = harness.Window();
    form.Command2->setFocus();
    QTest::keyClick(form.Command2, Qt::Key_Space);
    ASSERT_EQ(harness.messages.size(), 2U) << "the computer's pass, then the result";
    EXPECT_FALSE(form.Command2->isEnabled());
    EXPECT_TRUE(form.Text1->hasFocus()) << "a second Space must not reach リセット and wipe the final board";
}

TEST(ScreenReader, SquaresSayWhereTheyAreAndWhatTheyHold)
{
    WindowHarness harness;
    harness.Show();
    Form1& form = harness.Window();
    EXPECT_EQ(AccessibleName(form.Command1.at(0)), QStringLiteral("a1 空き"));
    EXPECT_EQ(AccessibleName(form.Command1.at(19)), QStringLiteral("d3 空き 1枚"));
    EXPECT_EQ(AccessibleName(form.Command1.at(27)), QStringLiteral("d4 白"));
    EXPECT_EQ(AccessibleName(form.Command1.at(28)), QStringLiteral("e4 黒"));
    EXPECT_EQ(AccessibleName(form.Command1.at(63)), QStringLiteral("h8 空き"));

    form.Command1.at(19)->click();
    EXPECT_EQ(AccessibleName(form.Command1.at(19)), QStringLiteral("d3 黒"));
    const BoardGrid board = harness.BoardOnScreen();
    for (int square = 0; square < SquareCount; ++square) {
        const std::string& cell = board(SquareColumn(square), SquareRow(square));
        const QString expected = cell == BlackStone   ? QStringLiteral(" 黒")
                                 : cell == WhiteStone ? QStringLiteral(" 白")
                                                      : QStringLiteral(" 空き");
        EXPECT_TRUE(AccessibleName(form.Command1.at(square)).contains(expected)) << "square " << square;
    }

    form.Command3->click();
    EXPECT_EQ(AccessibleName(form.Command1.at(19)), QStringLiteral("d3 空き 1枚"));
    EXPECT_EQ(AccessibleName(form.Command1.at(27)), QStringLiteral("d4 白"));
}

TEST(ScreenReader, CountsAndButtonsSayWhatTheyAre)
{
    Form1 form;
    EXPECT_EQ(AccessibleName(form.Text1), QStringLiteral("黒の石の数"));
    EXPECT_EQ(AccessibleName(form.Text2), QStringLiteral("白の石の数"));
    EXPECT_EQ(AccessibleName(form.Text3), QStringLiteral("残りの箇所の数"));
    EXPECT_EQ(AccessibleName(form.Command2), QStringLiteral("パス"));
    EXPECT_EQ(AccessibleName(form.Command3), QStringLiteral("リセット"));
    EXPECT_EQ(AccessibleName(form.Command4), QStringLiteral("終了"));
}

}  // namespace
}  // namespace uragae

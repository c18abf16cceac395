// The Qt window on the offscreen platform, read by its controls' design names: where each control
// sits and in which font, the keys, the person's move on the screen while the computer pauses, and the
// real message boxes. The turn flow itself is tested against a plain fake (tests/window); the board's
// colors and focus frame, by the end-to-end run.
#include <QApplication>
#include <QFontInfo>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "position.h"
#include "qt/form1_widget.h"
#include "window/form1_design.h"

namespace uragae::testing {
namespace {

// A window shown and active, which runs its load; `position` is written into the squares' captions
// first, where the load reads the board from. The computer's draw is the first member of its best
// class and its pause is the test's; the message boxes are the program's own.
class TestWindow {
public:
    explicit TestWindow(const Line& position = StartLine)
        : form_(WindowServices{[] { return 0.0; }, [this] { pause(); }})
    {
        for (int square = 0; square < SquareCount; ++square) {
            Button(square)->setText(position.at(square) == 'B' ? "●" : position.at(square) == 'W' ? "○" : "");
        }
        form_.show();
        (void)QTest::qWaitForWindowActive(&form_);
    }

    [[nodiscard]] QWidget* Find(const QString& name) const { return form_.findChild<QWidget*>(name); }
    ColorButton* Button(int square) const
    {
        return form_.findChild<ColorButton*>("Command1_" + QString::number(square));
    }
    [[nodiscard]] QWidget* Window() { return &form_; }

    // The square that holds the focus, or -1.
    [[nodiscard]] static int Focus()
    {
        const QString name = QApplication::focusWidget()->objectName();
        return name.startsWith("Command1_") ? name.mid(9).toInt() : -1;
    }

    void Click(int square) const { Button(square)->click(); }
    // A real click on a button, which takes the focus as it would on screen.
    void Press(const char* button) const { QTest::mouseClick(Find(button), Qt::LeftButton); }

    std::function<void()> pause = [] {};

private:
    Form1Widget form_;
};

struct ExpectedControl {
    const char* name;
    QRect place;         // in pixels of the client area
    const char* text;    // at the start
    const char* spoken;  // what a screen reader calls it at the start
    const char* face;    // nullptr: the window's default font
    int points;
};
const std::vector<ExpectedControl> Controls{
    {"Label1", {16, 344, 17, 17}, "●", "黒の石", "ＭＳ ゴシック", 12},
    {"Label2", {80, 344, 49, 17}, "枚　○", "枚、白の石", "ＭＳ ゴシック", 12},
    {"Text1", {32, 336, 41, 25}, "2", "黒の石の数", "ＭＳ Ｐゴシック", 12},
    {"Text3", {240, 336, 41, 25}, "60", "残りの箇所の数", "ＭＳ Ｐゴシック", 12},
    {"Command1_0", {8, 8, 41, 41}, "", "a1 空き", "ＭＳ Ｐゴシック", 15},
    {"Command1_19", {128, 88, 41, 41}, "1", "d3 空き 1枚", "ＭＳ Ｐゴシック", 15},
    {"Command1_27", {128, 128, 41, 41}, "○", "d4 白", "ＭＳ Ｐゴシック", 15},
    {"Command1_28", {168, 128, 41, 41}, "●", "e4 黒", "ＭＳ Ｐゴシック", 15},
    {"Command2", {8, 368, 153, 25}, "パス", "", nullptr, 0},
    {"Command3", {176, 368, 153, 25}, "リセット", "", nullptr, 0},
    {"Command4", {8, 400, 321, 25}, "終了", "", nullptr, 0},
};

// Every control where it was designed, with its text and the name a screen reader says, in the
// Japanese Gothic faces, which resolve to faces Linux has; the squares 41 pixels wide on a pitch of
// 40, so that neighbours share their outline (the end-to-end run clicks them all); and the window
// keeps its designed size.
TEST(Frame, ControlsSitWhereDesignedInTheirFontsUnderTheirNames)
{
    TestWindow window;
    for (const ExpectedControl& designed : Controls) {
        const QWidget* control = window.Find(designed.name);
        ASSERT_NE(control, nullptr) << "no control is named " << designed.name;
        EXPECT_EQ(control->geometry(), designed.place) << designed.name;
        EXPECT_EQ(control->property("text").toString().toStdString(), designed.text) << designed.name;
        EXPECT_EQ(control->accessibleName().toStdString(), designed.spoken) << designed.name;
        if (designed.face != nullptr) {
            EXPECT_EQ(control->font(), QFont(designed.face, designed.points)) << designed.name;
            EXPECT_TRUE(QFontInfo(control->font()).family().startsWith("IPA")) << designed.name;
        }
    }
    const QList<QSize> titleBarSizes{{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}};
    EXPECT_EQ(window.Window()->windowIcon().availableSizes(), titleBarSizes);
    window.Window()->resize(500, 600);
    EXPECT_EQ(window.Window()->size(), QSize(337, 433)) << "the window was resized";
}

// Tab runs from the black count, where the focus starts, through the other counts, the squares, パス,
// リセット and 終了, and round again. On the board the arrow keys reach the squares' walk: each of them
// from d4, and at the edges they are taken, where a Qt button would move the focus along the tab order.
TEST(Keyboard, TabWalksTheDesignedOrderAndArrowsWalkTheBoard)
{
    TestWindow window;
    QStringList tabOrder{"Text2", "Text3"};
    for (int square = 0; square < SquareCount; ++square) {
        tabOrder << "Command1_" + QString::number(square);
    }
    tabOrder += QStringList{"Command2", "Command3", "Command4", "Text1"};
    for (const QString& next : tabOrder) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(), next.toStdString());
    }
    for (const auto& [from, key, to] : {std::tuple{"d4", Qt::Key_Left, "c4"},
                                        {"d4", Qt::Key_Right, "e4"},
                                        {"d4", Qt::Key_Up, "d3"},
                                        {"d4", Qt::Key_Down, "d5"},
                                        {"a1", Qt::Key_Left, "a1"},
                                        {"a1", Qt::Key_Up, "a1"},
                                        {"h8", Qt::Key_Right, "h8"},
                                        {"h8", Qt::Key_Down, "h8"}}) {
        window.Button(Square(from))->setFocus();
        QTest::keyPress(window.Button(Square(from)), key);  // the focus moves on the press
        EXPECT_EQ(window.Focus(), Square(to)) << "key " << key << " on " << from;
    }
    window.Window()->showMinimized();  // and restored from the taskbar, which must not move the focus
    window.Window()->showNormal();
    EXPECT_EQ(window.Focus(), Square("h8")) << "restoring the window moved the focus off h8";
}

// How light a pixel is, from 0 (black) to 255 (white); and a point on a control's face.
int Gray(const QImage& picture, QPoint at) { return qGray(picture.pixel(at)); }
QPoint Face(const QWidget* control) { return control->geometry().topLeft() + QPoint(6, 6); }

// Qt paints between events; without a paint of its own the person's move would first show together
// with the computer's answer. The offscreen screen's picture of the window is its backing store.
TEST(WhatAPersonSees, TheirMoveIsOnTheScreenWhileTheComputerPauses)
{
    TestWindow window;
    QImage screen;
    QScreen* const display = QApplication::primaryScreen();
    window.pause = [&] { screen = display->grabWindow(window.Window()->winId()).toImage(); };
    window.Click(Square("d3"));
    ASSERT_FALSE(screen.isNull()) << "the computer did not pause";
    EXPECT_LT(Gray(screen, window.Button(Square("d4"))->geometry().center()), 40) << "d4 is not yet black";
    for (const char* square : {"d3", "c4"}) {
        EXPECT_NE(screen.pixelColor(Face(window.Button(Square(square)))), QColor(128, 255, 128)) << square;
    }
}

// Where neither side can move: the person passes, the computer says in the game's own
// box, titled ウラガエ with one OK and no icon, that it must pass, and the draw follows in another. Each
// box is read while it is up. The window is inactive behind them, and the focus the disabled パス gives
// up goes to the count, not to リセット, where the next Space would wipe the final board.
TEST(OwnMessageBox, TheComputersPassAndTheResultComeInIt)
{
    TestWindow window("BBBBBBBBBBBBBBBBBBBB........................WWWWWWWWWWWWWWWWWWWW");
    std::string seen;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            seen += (box->windowTitle() + " " + box->text() + "\n").toStdString();
            EXPECT_TRUE(box->iconPixmap().isNull()) << "the box has an icon";
            EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
            box->button(QMessageBox::Ok)->click();
        }
    });
    answer.start(0);
    window.Press("Command2");
    const std::string title(ProgramTitle);
    EXPECT_EQ(seen, title + " " + std::string(ComputerPassMessage) + "\n" + title + " 引き分けです。\n");
    EXPECT_EQ(window.Window()->focusWidget()->objectName().toStdString(), "Text1");
}

}  // namespace
}  // namespace uragae::testing

int main(int argc, char** argv)
{
    // Offscreen always, test discovery included, which runs the binary without CTest's environment:
    // these tests never need a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    const QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}

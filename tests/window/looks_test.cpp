// What a person sees, read from the window's pixels: the board in its own colors on any desktop, the
// person's move on the screen while the computer pauses, the focus frame, the fixed size; and the
// game's own message box.
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include "harness.h"

namespace uragae::testing {
namespace {

const QColor LegalGreen(128, 255, 128);

// How light a pixel is, from 0 (black) to 255 (white); and where a square's middle and face are.
int Gray(const QImage& picture, QPoint at) { return qGray(picture.pixel(at)); }
QPoint Middle(const TestWindow& window, const char* square)
{
    return window.Button(Square(square))->geometry().center();
}
QPoint Face(const QWidget* control) { return control->geometry().topLeft() + QPoint(6, 6); }

// Like a real board, the window keeps its colors whatever the desktop's: none of them, in any state
// (active; inactive while a box is up or another window has the focus; disabled), follows the desktop
// when it turns dark, and a window started on a dark desktop looks as on a light one: a1 raised in a
// dark outline, "●" a dark disc, d3 light green, リセット blue-violet, the counts in red.
TEST(DarkDesktop, TheWindowKeepsItsOwnColors)
{
    TestWindow onLight;
    const QImage light = onLight.Window()->grab().toImage();
    const QRect a1 = onLight.Button(Square("a1"))->geometry();
    const auto down = [&](int rows) { return Gray(light, {a1.center().x(), a1.top() + rows}); };
    EXPECT_TRUE(down(1) > down(12) && down(12) > down(38) && down(38) > down(0)) << "a1 is not raised";
    EXPECT_LT(Gray(light, Middle(onLight, "e4")), 40) << "\"●\" on e4 is not a dark disc";
    EXPECT_EQ(light.pixelColor(Face(onLight.Button(Square("d3")))), LegalGreen);
    EXPECT_EQ(light.pixelColor(Face(onLight.Find("Command3"))), QColor(128, 128, 255));
    for (const char* count : {"Text1", "Text2", "Text3"}) {
        EXPECT_EQ(onLight.Find(count)->palette().color(QPalette::Text), QColor(Qt::red)) << count;
    }
    const QPalette colors = onLight.Window()->palette();
    const QPalette lightDesktop = QApplication::palette();
    QApplication::setPalette(QPalette(QColor(0x32, 0x32, 0x32)));  // a dark desktop, as Adwaita-dark's
    EXPECT_TRUE(onLight.Window()->palette() == colors) << "a color of the window followed the desktop";
    TestWindow onDark;
    EXPECT_TRUE(onDark.Window()->palette() == colors)
        << "a window started on a dark desktop has other colors";
    EXPECT_TRUE(onDark.Window()->grab().toImage() == light)
        << "a window started on a dark desktop looks different";
    QApplication::setPalette(lightDesktop);
}

// Qt paints between events; without a paint of its own the person's move would first show together
// with the computer's answer. The offscreen screen's picture of the window is its backing store.
TEST(WhatAPersonSees, TheirMoveIsOnTheScreenWhileTheComputerPauses)
{
    TestWindow window;
    QImage screen;
    window.pause = [&] {
        screen = window.Window()->screen()->grabWindow(window.Window()->winId()).toImage();
    };
    window.Click(Square("d3"));
    ASSERT_FALSE(screen.isNull()) << "the computer did not pause";
    EXPECT_LT(Gray(screen, Middle(window, "d4")), 40) << "d4, turned by d3, is not black during the pause";
    for (const char* square : {"d3", "c4"}) {
        EXPECT_NE(screen.pixelColor(Face(window.Button(Square(square)))), LegalGreen)
            << square << " is still green";
    }
}

// The frame is what focus changes in a1: dark, and evenly inside the square.
TEST(WhatAPersonSees, TheFocusedSquareHasADarkFrame)
{
    TestWindow window;
    const QRect a1 = window.Button(Square("a1"))->geometry();
    const QImage unfocused = window.Window()->grab().toImage();
    window.Button(Square("a1"))->setFocus();
    const QImage focused = window.Window()->grab().toImage();
    QRect frame;
    for (int y = a1.top(); y <= a1.bottom(); ++y) {
        for (int x = a1.left(); x <= a1.right(); ++x) {
            if (focused.pixel(x, y) != unfocused.pixel(x, y)) {
                EXPECT_LT(Gray(focused, {x, y}), 128) << "the frame is not dark at " << x << ", " << y;
                frame |= QRect(x, y, 1, 1);
            }
        }
    }
    ASSERT_FALSE(frame.isEmpty()) << "the focused a1 shows no frame";
    const int margin = frame.left() - a1.left();
    EXPECT_EQ(frame, a1.adjusted(margin, margin, -margin, -margin)) << "the frame is not even inside a1";
}

// No stand-ins: the computer answers with its own draw after its own pause, and says in the game's
// own box, titled ウラガエ with one OK and no icon, that it must pass. The box is read while it is up.
TEST(OwnDrawPauseAndBox, TheComputerAnswersAndAnnouncesItsPass)
{
    TestWindow start(StartLine, StandIns::None);
    start.Click(Square("d3"));
    EXPECT_EQ(start.Find("Text2")->property("text").toString(), "3") << "the computer did not answer d3";

    TestWindow window("BW......................................................BW......", StandIns::None);
    std::string seen;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            seen = (box->windowTitle() + " " + box->text()).toStdString();
            EXPECT_TRUE(box->iconPixmap().isNull()) << "the box has an icon";
            EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
            box->button(QMessageBox::Ok)->click();
        }
    });
    window.Click(Square("c1"));
    EXPECT_EQ(seen, std::string(ProgramTitle) + " " + std::string(ComputerPassMessage));
}

}  // namespace
}  // namespace uragae::testing

// What a person sees, read from the window's pixels: the board in its own colors on a dark desktop,
// the person's move on the screen while the computer pauses, the focus frame, the fixed size; and a
// window that uses its own draw, pause and message box.
#include <QMessageBox>
#include <QTimer>

#include <map>

#include "harness.h"

namespace uragae::testing {
namespace {

// Squares by their names on the board: columns a to h from the left, rows 1 to 8 from the top.
constexpr int A1 = 0;
constexpr int C1 = 2;
constexpr int D3 = 19;
constexpr int C4 = 26;
constexpr int D4 = 27;
constexpr int E4 = 28;

// WCAG 2: the relative luminance of a color, and the contrast ratio of two.
double Luminance(const QColor& color)
{
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(color.redF()) + 0.7152 * linear(color.greenF()) + 0.0722 * linear(color.blueF());
}
double Contrast(const QColor& one, const QColor& other)
{
    const double first = Luminance(one);
    const double second = Luminance(other);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

// A text as drawn in an area: its ground, the commonest color there, and its ink, the color that
// stands out most from the ground.
struct DrawnText {
    QColor ground;
    QColor ink;
    [[nodiscard]] double Contrast() const { return testing::Contrast(ground, ink); }
    [[nodiscard]] bool DarkOnLight() const { return Luminance(ink) < Luminance(ground); }
};
DrawnText ReadText(const QImage& picture, const QRect& area)
{
    std::map<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            ++counts[picture.pixel(x, y)];
        }
    }
    const QColor ground =
        std::ranges::max_element(counts, {}, [](const auto& entry) { return entry.second; })->first;
    QColor ink = ground;
    for (const auto& [color, count] : counts) {
        ink = Contrast(color, ground) > Contrast(ink, ground) ? QColor(color) : ink;
    }
    return {ground, ink};
}

// What a message box of the game showed, read while it was up; it is then closed with OK.
struct SeenBox {
    QString title;
    QString text;
    bool hasIcon = true;
    QMessageBox::StandardButtons buttons;
    DrawnText look;
};
// Arms the reading of the next modal box, which must open before control returns to the event loop.
void ReadNextBox(SeenBox& seen)
{
    QTimer::singleShot(0, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            ADD_FAILURE() << "no message box is up";
            return;
        }
        seen = {box->windowTitle(), box->text(), !box->iconPixmap().isNull(), box->standardButtons(),
                ReadText(box->grab().toImage(), box->rect())};
        box->button(QMessageBox::Ok)->click();
    });
}

const QColor LegalGreen(128, 255, 128);
const QColor ResetBlueViolet(128, 128, 255);

// The game's message boxes follow the desktop: one drawn dark shows that the dark palette is in force.
void ExpectDesktopIsDark(const WindowHarness& window)
{
    SeenBox box;
    ReadNextBox(box);
    window.ShowMessageBox(QStringLiteral("引き分けです。"));
    EXPECT_LT(Luminance(box.look.ground), 0.1) << "the dark palette is not in force: a message box is light";
    EXPECT_GE(box.look.Contrast(), 4.5) << "a message box is hard to read on the dark desktop";
}

// The start position as a person reads it: "●" a dark disc and "○" a light disc in a dark ring on the
// squares' light face; the number dark on the light green; リセット dark on its blue-violet; the
// count row's labels dark on a light ground; every text but the red counts at 4.5:1 or more.
void ExpectStartReadsRight(const WindowHarness& window, const QImage& picture, const std::string& when)
{
    SCOPED_TRACE(when);
    const auto inside = [](const QWidget* control) { return control->geometry().adjusted(2, 2, -2, -2); };
    const auto middle = [&](int square) {
        return Luminance(picture.pixelColor(inside(window.Square(square)).center()));
    };
    const DrawnText black = ReadText(picture, inside(window.Square(E4)));
    const DrawnText white = ReadText(picture, inside(window.Square(D4)));
    EXPECT_TRUE(black.DarkOnLight() && Luminance(black.ground) > 0.7) << "the squares' face is not light";
    EXPECT_LT(middle(E4), 0.05) << "\"●\" on e4 is not a dark disc";
    EXPECT_TRUE(white.DarkOnLight() && middle(D4) > 0.7) << "\"○\" on d4 is not a light disc in a dark ring";

    const DrawnText number = ReadText(picture, inside(window.Square(D3)));
    EXPECT_EQ(number.ground, LegalGreen);
    EXPECT_TRUE(number.DarkOnLight() && number.Contrast() >= 4.5) << "d3's number is not dark on the green";
    const DrawnText reset = ReadText(picture, inside(window.Control("Command3")));
    EXPECT_EQ(reset.ground, ResetBlueViolet);
    EXPECT_TRUE(reset.DarkOnLight() && reset.Contrast() >= 4.5) << "リセット is not dark on its blue-violet";
    for (const char* label : {"Label1", "Label2", "Label3", "Label4"}) {
        const DrawnText text = ReadText(picture, window.Control(label)->geometry().adjusted(-4, -4, 0, 4));
        EXPECT_TRUE(text.DarkOnLight() && text.Contrast() >= 4.5)
            << label << " is not dark on a light ground";
    }
    for (const char* count : {"Text1", "Text2", "Text3"}) {
        EXPECT_EQ(ReadText(picture, inside(window.Control(count))).ink, QColor(Qt::red))
            << count << " is not red";
    }
    for (const char* button : {"Command2", "Command4"}) {
        EXPECT_GE(ReadText(picture, inside(window.Control(button))).Contrast(), 4.5)
            << button << " is hard to read";
    }
}

// The window keeps its own light colors: it reads right, and its pixels stay the same when the desktop
// turns dark while the game runs, and in a window started on the dark desktop.
TEST(DarkDesktop, TheWindowLooksAsOnALightDesktop)
{
    const WindowHarness running;
    const QImage light = running.Picture();
    ExpectStartReadsRight(running, light, "on the light desktop");
    const QPalette lightDesktop = QApplication::style()->standardPalette();
    QApplication::setPalette(QPalette(QColor(0x32, 0x32, 0x32)));  // a dark desktop, as Adwaita-dark's
    ExpectDesktopIsDark(running);
    EXPECT_TRUE(running.Picture() == light) << "the window changed when the desktop turned dark";

    const WindowHarness started;
    ExpectDesktopIsDark(started);
    const QImage startedDark = started.Picture();
    ExpectStartReadsRight(started, startedDark, "started on the dark desktop");
    EXPECT_TRUE(startedDark == light)
        << "a window started on the dark desktop differs from one on a light desktop";
    QApplication::setPalette(lightDesktop);
}

// Qt paints between events; without a paint of its own the person's move would first show together
// with the computer's answer. The backing store is what the screen shows.
TEST(WhatAPersonSees, TheirMoveIsOnTheScreenWhileTheComputerPauses)
{
    WindowHarness window;
    QImage screen;
    window.pause = [&] { screen = window.OnScreen(); };
    window.Click(D3);
    ASSERT_FALSE(screen.isNull()) << "the computer did not pause";
    const auto middle = [&](int square) {
        return screen.pixelColor(window.Square(square)->geometry().center());
    };
    EXPECT_LT(Luminance(middle(D4)), 0.05) << "d4, turned by d3, is not black on the screen during the pause";
    for (const int square : {D3, C4}) {
        const QPoint face = window.Square(square)->geometry().topLeft() + QPoint(6, 6);
        EXPECT_NE(screen.pixelColor(face), LegalGreen)
            << square << " is still green on the screen during the pause";
    }
}

// WCAG asks 3:1 of what marks the focus; the frame sits evenly inside the square.
TEST(WhatAPersonSees, TheFocusedSquareHasADarkFrame)
{
    const WindowHarness window;
    const QRect a1 = window.Square(A1)->geometry();
    const QImage unfocused = window.Picture();
    window.Square(A1)->setFocus();
    const QImage focused = window.Picture();
    QRect frame;
    for (int y = a1.top(); y <= a1.bottom(); ++y) {
        for (int x = a1.left(); x <= a1.right(); ++x) {
            if (Contrast(focused.pixelColor(x, y), unfocused.pixelColor(x, y)) >= 3.0) {
                frame |= QRect(x, y, 1, 1);
            }
        }
    }
    ASSERT_FALSE(frame.isEmpty()) << "the focused a1 shows no frame";
    const int margin = frame.left() - a1.left();
    EXPECT_EQ(frame, a1.adjusted(margin, margin, -margin, -margin)) << "the frame is not even inside a1";
}

TEST(WhatAPersonSees, TheWindowKeepsItsDesignedSize)
{
    const WindowHarness window;
    window.Window()->resize(500, 600);
    EXPECT_EQ(window.Window()->size(), QSize(337, 433)) << "the window was resized";
}

// No stand-ins: the computer answers after its real pause with a move drawn from the clock, and says in
// the game's own box (titled ウラガエ, one OK, no icon) that it must pass.
TEST(OwnDrawPauseAndBox, TheComputerAnswersAndAnnouncesItsPass)
{
    WindowHarness window(StandIns::None);
    window.Click(D3);
    const Line afterD3 = Played(StartLine, D3, 'B');
    std::vector<std::string> answered;
    for (const int answer : LegalSquares(afterD3, 'W')) {
        answered.push_back(ReferenceGame{Played(afterD3, answer, 'W')}.Screen());
    }
    EXPECT_TRUE(std::ranges::find(answered, window.Shot()) != answered.end())
        << "the computer did not answer d3";

    const Line noAnswerToC1 = "BW......................................................BW......";
    window.SetPosition(noAnswerToC1, false);
    SeenBox box;
    ReadNextBox(box);
    window.Click(C1);
    EXPECT_EQ(box.title.toStdString(), ProgramTitle);
    EXPECT_EQ(box.text.toStdString(), ComputerPassMessage);
    EXPECT_FALSE(box.hasIcon);
    EXPECT_EQ(box.buttons, QMessageBox::Ok);
    EXPECT_TRUE(Luminance(box.look.ground) > 0.7 && box.look.Contrast() >= 4.5)
        << "the box is not light and readable";
}

}  // namespace
}  // namespace uragae::testing

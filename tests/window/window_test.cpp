// The window through its real handlers on the offscreen platform, made with the test's draw and pause
// and read by its controls' design names: whole games click by click against what the program's own
// rules say, the layout and the keyboard; then what a person sees, read from the window's pixels.
#include <QApplication>
#include <QFontInfo>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <iostream>
#include <random>

#include <gtest/gtest.h>

#include "position.h"
#include "rules/turn_verdict.h"
#include "window/form1.h"

// Qt's values in failure messages as a person would read them.
inline void PrintTo(const QColor& color, std::ostream* out) { *out << color.name().toStdString(); }
inline void PrintTo(const QRect& rect, std::ostream* out)
{
    *out << rect.width() << "x" << rect.height() << " at (" << rect.x() << ", " << rect.y() << ")";
}

namespace uragae::testing {
namespace {

// Whether the window's draw, pause and message boxes are the test's or the program's own.
enum class StandIns { Used, None };

// A window shown and active, which runs its load; `position` is written into the squares' captions
// first, where the load reads the board from. With stand-ins the draws and the pause are the test's,
// and each message is recorded instead of shown in a box.
class TestWindow {
public:
    explicit TestWindow(const Line& position = StartLine, StandIns standIns = StandIns::Used)
        : form_(standIns == StandIns::None ? WindowServices{}
                                           : WindowServices{[this] { return draw(); }, [this] { pause(); },
                                                            [this](QWidget*, const QString& text) {
                                                                messages += text.toStdString();
                                                                behindLastMessage = Shot();
                                                            }})
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

    // What the person sees, as text: each square's caption, after a + when it is light green; then
    // the counts, and パス when it is enabled.
    [[nodiscard]] std::string Shot() const
    {
        QString text;
        for (int square = 0; square < SquareCount; ++square) {
            text += (Button(square)->BackColor() == LegalColor ? "+" : "") + Button(square)->text() + " ";
        }
        const auto count = [this](const char* box) { return Find(box)->property("text").toString(); };
        text += "counts " + count("Text1") + " " + count("Text2") + " " + count("Text3");
        return (text + (Find("Command2")->isEnabled() ? " パス" : "")).toStdString();
    }

    // The square that holds the focus, or -1.
    [[nodiscard]] static int Focus()
    {
        const QString name = QApplication::focusWidget()->objectName();
        return name.startsWith("Command1_") ? name.mid(9).toInt() : -1;
    }

    void Click(int square) const { Button(square)->click(); }
    // A real click on a button, which takes the focus as it would on screen.
    void Press(const char* button) const { QTest::mouseClick(Find(button), Qt::LeftButton); }

    std::function<double()> draw = [] { return 0.0; };
    std::function<void()> pause = [] {};
    std::string messages;           // every message shown, end to end
    std::string behindLastMessage;  // what the window showed as the last one came

private:
    Form1 form_;
};

// What the program's own rules say the window must show for `game`: the stones; where "●" may play,
// light green with the number TryMove counts; the counts; パス as JudgeTurn says. Then the verdict,
// and the squares where "●" may play.
std::tuple<std::string, TurnVerdict, std::vector<int>> ExpectedWindow(GameState game)
{
    std::string screen;
    std::vector<int> marked;
    std::array<int, 3> counts{};  // "●", "○", empty
    for (int square = 0; square < SquareCount; ++square) {
        const std::string cell = game.Board(SquareColumn(square), SquareRow(square));
        game.MoveFound = 0;
        game.FlipCount = 0;
        if (cell == EmptyCell) {
            game.TryMove(SquareColumn(square), SquareRow(square), TestMode, BlackStone, WhiteStone);
        }
        if (game.MoveFound == 1) {
            marked.push_back(square);
        }
        ++counts.at(cell == BlackStone ? 0 : cell == WhiteStone ? 1 : 2);
        screen += game.MoveFound == 1 ? '+' + std::to_string(game.FlipCount) + ' ' : cell + ' ';
    }
    const TurnVerdict verdict =
        JudgeTurn(counts[0], counts[1], counts[2], !marked.empty(), game.ComputerPassed == 1);
    screen += "counts " + std::to_string(counts[0]) + " " + std::to_string(counts[1]) + " " +
              std::to_string(counts[2]) + (verdict.passEnabled ? " パス" : "");
    return {screen, verdict, marked};
}

// The person plays `square` in the window, or passes when it is -1, and the test's copy of the game
// follows: the person's move by TryMove, then the computer's answer on the empty square the focus went
// to; with none, the computer passed, unless the board is full.
void PlayTurn(TestWindow& window, GameState& game, int square)
{
    if (square >= 0) {
        window.Click(square);
        game.TryMove(SquareColumn(square), SquareRow(square), PlayMode, BlackStone, WhiteStone);
    } else {
        window.Press("Command2");
    }
    const Line line = BoardLine(game.Board);
    const int answer = window.Focus();
    const bool answered = answer >= 0 && line[answer] == '.';
    game.ComputerPassed = !answered && line.find('.') != Line::npos ? 1 : 0;
    if (answered) {
        game.TryMove(SquareColumn(answer), SquareRow(answer), PlayMode, WhiteStone, BlackStone);
    }
}

// By GameResult.
const std::array<std::string, 4> ResultMessage{"", "●の勝ちです。", "引き分けです。", "○の勝ちです。"};

// Positions random games seldom reach, where a game starts now and then.
const std::vector<Line> RarePositions{
    // Neither side can move: the person passes, the computer must pass too; a draw with squares empty.
    "BBBBBBBBBBBBBBBBBBBB........................WWWWWWWWWWWWWWWWWWWW",
    // The person fills the last square: the computer has no turn and announces no pass.
    "BBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBWWWWWWWWWWWWWWWWWWWWWWWWWWWWWBW.",
    // The computer cannot answer c1 or c8, but the person can go on after the first.
    "BW......................................................BW......",
    // The computer takes the last black stone; the game ends only once the person passes again.
    "WB..................................................WWWWWWWWWWWW",
    // The computer cannot answer c1 and the person is stuck: over at once, with squares empty.
    "BW..............................................................",
};

// Random games, the computer's draws random too, with passes now and then, from the start or a rare
// position. An unmarked square does nothing; after every click the window shows the test's copy of
// the game, and the computer's pass and the result are announced exactly when the rules say so, the
// result over the window as it is left at the end. A new game puts the focus in the count.
TEST(WholeGames, AfterEveryClickTheWindowShowsWhatTheRulesSay)
{
    const auto seed = static_cast<unsigned>(CountFromEnvironment("URAGAE_SEED", 4242));
    std::cout << "seed " << seed << " (repeat with URAGAE_SEED=" << seed << ")\n";
    std::mt19937 random(seed);
    auto window = std::make_unique<TestWindow>();
    GameState game{ParseBoard(StartLine), {}, 0, 0, 0};
    for (int step = 0, finished = 0; finished < CountFromEnvironment("URAGAE_WINDOW_GAMES", 80); ++step) {
        window->draw = [&random] { return std::uniform_real_distribution<double>(0, 1)(random); };
        const auto [screen, verdict, marked] = ExpectedWindow(game);
        ASSERT_EQ(window->Shot(), screen) << "step " << step << " from " << BoardLine(game.Board);
        ASSERT_EQ(window->messages, (game.ComputerPassed == 1 ? std::string(ComputerPassMessage) : "") +
                                        ResultMessage.at(static_cast<int>(verdict.result)));
        window->messages.clear();
        if (verdict.result != GameResult::None) {
            ++finished;
            EXPECT_EQ(window->behindLastMessage, screen) << "behind the result at step " << step;
        }
        const int square = static_cast<int>(random() % SquareCount);
        if (!std::ranges::count(marked, square)) {
            window->Click(square);  // an unmarked square does nothing, which the next step sees
        }
        if (verdict.result == GameResult::None && random() % 100 != 0) {
            const bool passes = verdict.passEnabled && (marked.empty() || random() % 20 == 0);
            PlayTurn(*window, game, passes ? -1 : marked.at(random() % marked.size()));
        } else if (random() % 4 == 0) {
            const Line& rare = RarePositions.at(random() % RarePositions.size());
            window = std::make_unique<TestWindow>(rare);
            game = GameState{ParseBoard(rare), {}, 0, 0, 0};
        } else {
            window->Press("Command3");
            game = GameState{ParseBoard(StartLine), {}, 0, 0, 0};
            EXPECT_TRUE(window->Find("Text1")->hasFocus()) << "a new game leaves the focus on リセット";
        }
    }
}

struct DesignedControl {
    const char* name;
    QRect place;         // in pixels of the client area
    const char* text;    // at the start
    const char* spoken;  // what a screen reader calls it at the start
    const char* face;    // nullptr: the window's default font
    int points;
};
const std::vector<DesignedControl> Controls{
    {"Label1", {16, 344, 17, 17}, "●", "黒の石", "ＭＳ ゴシック", 12},
    {"Label2", {80, 344, 49, 17}, "枚　○", "枚、白の石", "ＭＳ ゴシック", 12},
    {"Label3", {176, 344, 65, 17}, "枚　残り", "枚、残りの箇所", "ＭＳ ゴシック", 12},
    {"Label4", {288, 344, 33, 17}, "箇所", "箇所", "ＭＳ ゴシック", 12},
    {"Text1", {32, 336, 41, 25}, "2", "黒の石の数", "ＭＳ Ｐゴシック", 12},
    {"Text2", {128, 336, 41, 25}, "2", "白の石の数", "ＭＳ Ｐゴシック", 12},
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
    for (const DesignedControl& designed : Controls) {
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
// リセット and 終了, and round again; the arrows walk the focus across the board and stop at its edges.
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
    for (const auto& [key, dx, dy] : {std::tuple{Qt::Key_Left, -1, 0}, std::tuple{Qt::Key_Right, 1, 0},
                                      std::tuple{Qt::Key_Up, 0, -1}, std::tuple{Qt::Key_Down, 0, 1}}) {
        for (int square = 0; square < SquareCount; ++square) {
            const int x = std::clamp(SquareColumn(square) + dx, 0, LastCoordinate);
            const int y = std::clamp(SquareRow(square) + dy, 0, LastCoordinate);
            window.Button(square)->setFocus();
            QTest::keyPress(window.Button(square), key);  // the focus moves on the press
            EXPECT_EQ(window.Focus(), SquareIndex(x, y)) << "key " << key << " on " << NameOf(square);
        }
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

// The board in its own colors, which the end-to-end run shows it keeps on a dark desktop: a1 raised in
// a dark outline, リセット blue-violet, the counts in red; and a focused square framed in dark, evenly
// inside it. The frame is what focus changes in a1.
TEST(WhatAPersonSees, TheBoardInItsOwnColorsAndTheFocusedSquareFramed)
{
    TestWindow window;
    const QRect a1 = window.Button(Square("a1"))->geometry();
    const QImage unfocused = window.Window()->grab().toImage();
    const auto down = [&](int rows) { return Gray(unfocused, {a1.center().x(), a1.top() + rows}); };
    EXPECT_TRUE(down(1) > down(12) && down(12) > down(38) && down(38) > down(0)) << "a1 is not raised";
    EXPECT_EQ(unfocused.pixelColor(Face(window.Find("Command3"))), QColor(128, 128, 255));
    for (const char* count : {"Text1", "Text2", "Text3"}) {
        EXPECT_EQ(window.Find(count)->palette().color(QPalette::Text), QColor(Qt::red)) << count;
    }
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

// No stand-ins, where neither side can move: the person passes, the computer says in the game's own
// box, titled ウラガエ with one OK and no icon, that it must pass, and the draw follows in another. Each
// box is read while it is up. The window is inactive behind them, and the focus the disabled パス gives
// up goes to the count, not to リセット, where the next Space would wipe the final board.
TEST(OwnMessageBox, TheComputersPassAndTheResultComeInIt)
{
    TestWindow window(RarePositions.at(0), StandIns::None);
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

// The window as the tests make and read it, and what the program's own rules say it must show.
#pragma once

#include <QApplication>
#include <QTest>

#include <ranges>

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
                                                            }})
    {
        for (int square = 0; square < SquareCount; ++square) {
            Button(square)->setText(position.at(square) == 'B' ? "●" : position.at(square) == 'W' ? "○" : "");
        }
        form_.show();
        (void)QTest::qWaitForWindowActive(&form_);
    }

    [[nodiscard]] QWidget* Find(const QString& name) const { return form_.findChild<QWidget*>(name); }
    [[nodiscard]] ColorButton* Button(int square) const
    {
        return form_.findChild<ColorButton*>(QStringLiteral("Command1_%1").arg(square));
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
    [[nodiscard]] int Focus() const
    {
        const auto squares = std::views::iota(0, SquareCount);
        const auto focused =
            std::ranges::find_if(squares, [this](int square) { return Button(square)->hasFocus(); });
        return focused == squares.end() ? -1 : *focused;
    }

    void Click(int square) const { Button(square)->click(); }
    // A real click on a button, which takes the focus as it would on screen.
    void Press(const char* button) const { QTest::mouseClick(Find(button), Qt::LeftButton); }

    std::function<double()> draw = [] { return 0.0; };
    std::function<void()> pause = [] {};
    std::string messages;  // every message shown, end to end

private:
    Form1 form_;
};

// What the program's own rules say the window must show for `game`: the stones; where "●" may play,
// light green with the number TryMove counts; the counts; パス as JudgeTurn says.
struct Expected {
    std::string screen;
    TurnVerdict verdict;
    std::vector<int> marked;
};
inline Expected ExpectedWindow(GameState game)
{
    Expected expected;
    std::array<int, 3> counts{};  // "●", "○", empty
    for (int square = 0; square < SquareCount; ++square) {
        const std::string cell = game.Board(SquareColumn(square), SquareRow(square));
        game.MoveFound = 0;
        game.FlipCount = 0;
        if (cell == EmptyCell) {
            game.TryMove(SquareColumn(square), SquareRow(square), TestMode, BlackStone, WhiteStone);
        }
        if (game.MoveFound == 1) {
            expected.marked.push_back(square);
        }
        ++counts.at(cell == BlackStone ? 0 : cell == WhiteStone ? 1 : 2);
        expected.screen += game.MoveFound == 1 ? '+' + std::to_string(game.FlipCount) + ' ' : cell + ' ';
    }
    expected.verdict =
        JudgeTurn(counts[0], counts[1], counts[2], !expected.marked.empty(), game.ComputerPassed == 1);
    expected.screen += "counts " + std::to_string(counts[0]) + " " + std::to_string(counts[1]) + " " +
                       std::to_string(counts[2]) + (expected.verdict.passEnabled ? " パス" : "");
    return expected;
}

// The person plays `square` in the window, or passes when it is -1, and the test's copy of the game
// follows: the person's move by TryMove, then the computer's answer, read from the square the focus
// went to, or its pass when it has no move and squares are empty.
inline void PlayTurn(TestWindow& window, GameState& game, int square)
{
    if (square >= 0) {
        window.Click(square);
        game.TryMove(SquareColumn(square), SquareRow(square), PlayMode, BlackStone, WhiteStone);
    } else {
        window.Press("Command2");
    }
    const Line line = BoardLine(game.Board);
    game.MoveFound = 0;
    for (int empty = 0; empty < SquareCount; ++empty) {
        if (line[empty] == '.') {
            game.TryMove(SquareColumn(empty), SquareRow(empty), TestMode, WhiteStone, BlackStone);
        }
    }
    game.ComputerPassed = line.find('.') != Line::npos && game.MoveFound == 0 ? 1 : 0;
    if (game.MoveFound == 1) {
        const int answer = window.Focus();
        ASSERT_GE(answer, 0) << "the computer moved, but the focus is on no square";
        game.TryMove(SquareColumn(answer), SquareRow(answer), PlayMode, WhiteStone, BlackStone);
    }
}

}  // namespace uragae::testing

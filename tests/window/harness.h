// The window for tests, reached as its friend, and the game as the rules reference sees it.
#pragma once

#include <QApplication>
#include <QScreen>
#include <QStyle>
#include <QTest>

#include "reference.h"
#include "window/form1.h"

// Qt's values in failure messages as a person would read them.
inline void PrintTo(const QColor& color, std::ostream* out) { *out << color.name().toStdString(); }
inline void PrintTo(const QSize& size, std::ostream* out) { *out << size.width() << "x" << size.height(); }
inline void PrintTo(const QRect& rect, std::ostream* out)
{
    *out << rect.width() << "x" << rect.height() << " at (" << rect.x() << ", " << rect.y() << ")";
}

namespace uragae::testing {

// The game as the rules reference sees it: the position, and whether the computer passed last.
struct ReferenceGame {
    Line line = StartLine;
    bool computerPassed = false;

    [[nodiscard]] long Count(char cell) const { return std::ranges::count(line, cell); }
    [[nodiscard]] bool PersonCanMove() const { return !LegalSquares(line, 'B').empty(); }
    // Only the start has 60 empty squares, and there the person may let the computer open.
    [[nodiscard]] bool PersonMayPass() const
    {
        return (Count('.') > 0 && !PersonCanMove() && !computerPassed) || Count('.') == 60;
    }
    [[nodiscard]] bool Over() const { return Count('.') == 0 || (computerPassed && !PersonCanMove()); }
    [[nodiscard]] std::string Result() const
    {
        return Count('B') > Count('W')    ? "●の勝ちです。"
               : Count('B') == Count('W') ? "引き分けです。"
                                          : "○の勝ちです。";
    }

    // The window showing this game, as WindowHarness::Shot writes it: when `marked`, the person's
    // moves light green with their numbers; then the counts, and パス when it is enabled.
    [[nodiscard]] std::string Screen(bool marked = true) const
    {
        std::string text;
        for (int square = 0; square < SquareCount; ++square) {
            const std::string place{static_cast<char>('a' + SquareColumn(square)),
                                    static_cast<char>('1' + SquareRow(square))};
            const int flips = line[square] == '.' && marked ? Flips(line, square, 'B') : 0;
            if (line[square] == 'B') {
                text += "●(" + place + " 黒) ";
            } else if (line[square] == 'W') {
                text += "○(" + place + " 白) ";
            } else if (flips > 0) {
                const std::string number = std::to_string(flips);
                text += "+" + number + "(" + place + " 空き " + number + "枚) ";
            } else {
                text += "(" + place + " 空き) ";
            }
        }
        return text + "counts " + std::to_string(Count('B')) + " " + std::to_string(Count('W')) + " " +
               std::to_string(Count('.')) + (PersonMayPass() ? " パス" : "");
    }
};

// Whether the window's own pause, draw and message boxes are replaced.
enum class StandIns { Used, None };

class WindowHarness {
public:
    // With stand-ins: no pause, scripted draws, and every message recorded with the screen as it
    // stood, instead of a box. Shown and active, which runs the load.
    explicit WindowHarness(StandIns standIns = StandIns::Used)
    {
        if (standIns == StandIns::Used) {
            form_->messagePresenter_ = [this](const QString& text) {
                messages += text.toStdString();
                screensAtMessages.push_back(Shot());
            };
            form_->pause_ = [this] { pause(); };
            form_->random_ = [this] { return draw(); };
        }
        form_->show();
        (void)QTest::qWaitForWindowActive(form_.get());
    }

    // Puts a position on the board, with the computer's last turn a pass or not, and refreshes.
    void SetPosition(const Line& line, bool computerPassed)
    {
        form_->Game = GameState{ParseBoard(line), {}, 0, 0, computerPassed ? 1 : 0};
        form_->ShowBoard();
        form_->RefreshTurn();
    }

    // What the person sees, as text: each square's caption, after a + when it is light green, and
    // what a screen reader calls it; then the counts, and パス when it is enabled.
    [[nodiscard]] std::string Shot() const
    {
        std::string text;
        for (const ColorButton* square : form_->Command1) {
            const quint32 color = square->BackColor();
            text += color == LegalColor ? "+" : color == ButtonFaceColor ? "" : "?";
            text += (square->text() + "(" + square->accessibleName() + ") ").toStdString();
        }
        const QString counts = form_->Text1->text() + " " + form_->Text2->text() + " " + form_->Text3->text();
        return text + "counts " + counts.toStdString() + (form_->Command2->isEnabled() ? " パス" : "");
    }

    // The window drawn afresh, and what its backing store holds: what is on the screen now.
    [[nodiscard]] QImage Picture() const { return form_->grab().toImage(); }
    [[nodiscard]] QImage OnScreen() const { return form_->screen()->grabWindow(form_->winId()).toImage(); }

    // The controls by their names in the window; the squares by index.
    [[nodiscard]] QWidget* Control(const char* name) const { return form_->findChild<QWidget*>(name); }
    [[nodiscard]] QPushButton* Square(int square) const { return form_->Command1.at(square); }
    [[nodiscard]] QWidget* Window() const { return form_.get(); }

    // The square that holds the focus, or -1.
    [[nodiscard]] int Focus() const
    {
        const auto& squares = form_->Command1;
        const auto focused = std::ranges::find(squares, QApplication::focusWidget());
        return focused == squares.end() ? -1 : static_cast<int>(focused - squares.begin());
    }
    [[nodiscard]] bool CountHasFocus() const { return form_->Text1->hasFocus(); }

    void Click(int square) const { Square(square)->click(); }
    // A real click on パス, which takes the focus as it would on screen.
    void Pass() const { QTest::mouseClick(form_->Command2, Qt::LeftButton); }
    void Reset() const { form_->Command3->click(); }
    // The game's own message box over this window; once it is closed the window is active again, as
    // a desktop makes it.
    void ShowMessageBox(const QString& text) const
    {
        uragae::ShowMessageBox(form_.get(), text);
        form_->activateWindow();
        (void)QTest::qWaitForWindowActive(form_.get());
    }

    std::function<double()> draw = [] { return 0.0; };
    std::function<void()> pause = [] {};
    std::string messages;  // every message shown, end to end
    std::vector<std::string> screensAtMessages;

private:
    std::unique_ptr<Form1> form_ = std::make_unique<Form1>();
};

}  // namespace uragae::testing

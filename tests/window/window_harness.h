// The window for tests, reached as a friend: messages recorded with the screen as it stood, no
// pause, scripted draws.
#pragma once

#include <QApplication>
#include <QTest>

#include <memory>

#include "reference.h"
#include "window/form1.h"

namespace uragae::testing {

class WindowHarness {
public:
    WindowHarness()
    {
        form_->messagePresenter_ = [this](const QString& text) {
            messages.push_back(text);
            screensAtMessages.push_back(Shot());
        };
        form_->pause_ = [] {};
        form_->random_ = [this] { return draw(); };
    }

    // Shows the window, which runs its load, and makes it active so that focus can be seen.
    void Show()
    {
        form_->show();
        QApplication::setActiveWindow(form_.get());
        (void)QTest::qWaitForWindowActive(form_.get());
    }

    // Writes a position into the captions, where the board lives between events, and refreshes.
    void SetPosition(const Line& line, int computerPassed)
    {
        for (int square = 0; square < SquareCount; ++square) {
            form_->SetSquareCaption(square, line[square] == '.' ? "" : line[square] == 'B' ? "●" : "○");
        }
        form_->Game.ComputerPassed = computerPassed;
        form_->RefreshTurn();
    }

    // What the person sees, as text: each square's caption, after a + when it is light green, and
    // what a screen reader calls it; then the counts, and パス when it is enabled.
    [[nodiscard]] std::string Shot() const
    {
        std::string text;
        for (const ColorButton* square : form_->Command1) {
            text += square->BackColor() == LegalColor        ? "+"
                    : square->BackColor() == ButtonFaceColor ? ""
                                                             : "?";
            text += (square->text() + "(" + square->accessibleName() + ") ").toStdString();
        }
        const QString counts = form_->Text1->text() + " " + form_->Text2->text() + " " + form_->Text3->text();
        return text + "counts " + counts.toStdString() + (form_->Command2->isEnabled() ? " パス" : "");
    }

    // The square that holds the focus, or -1.
    [[nodiscard]] int Focus() const
    {
        const auto square =
            std::ranges::find_if(form_->Command1, [](const ColorButton* b) { return b->hasFocus(); });
        return square == form_->Command1.end() ? -1 : static_cast<int>(square - form_->Command1.begin());
    }

    void Click(int square) const { form_->Command1.at(square)->click(); }
    // パス by the keyboard, as it ends most games: Space on the focused button.
    void Pass() const
    {
        form_->Command2->setFocus();
        QTest::keyClick(form_->Command2, Qt::Key_Space);
    }
    void Reset() const { form_->Command3->click(); }
    [[nodiscard]] bool CountHasFocus() const { return form_->Text1->hasFocus(); }
    [[nodiscard]] std::vector<QWidget*> Controls() const  // the count row, the buttons, the squares
    {
        std::vector<QWidget*> controls{form_->Label1,   form_->Text1,   form_->Label2, form_->Text2,
                                       form_->Label3,   form_->Text3,   form_->Label4, form_->Command2,
                                       form_->Command3, form_->Command4};
        controls.insert(controls.end(), form_->Command1.begin(), form_->Command1.end());
        return controls;
    }

    std::function<double()> draw = [] { return 0.0; };
    std::vector<QString> messages;
    std::vector<std::string> screensAtMessages;

private:
    std::unique_ptr<Form1> form_ = std::make_unique<Form1>();
};

}  // namespace uragae::testing

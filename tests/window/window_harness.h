// The window for tests, reached as a friend: shown and active, messages recorded with the screen
// as it stood, no pause, scripted draws.
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
        form_->show();  // which runs the load
        QApplication::setActiveWindow(form_.get());
        (void)QTest::qWaitForWindowActive(form_.get());
    }

    // Writes a position into the captions, where the board lives between events, and refreshes.
    void SetPosition(const Line& line, bool computerPassed)
    {
        for (int square = 0; square < SquareCount; ++square) {
            form_->SetSquareCaption(square, line[square] == '.' ? "" : line[square] == 'B' ? "●" : "○");
        }
        form_->Game.ComputerPassed = computerPassed ? 1 : 0;
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

    // The square that holds the focus, or 64 when none does.
    [[nodiscard]] int Focus() const
    {
        return static_cast<int>(std::ranges::find(form_->Command1, QApplication::focusWidget()) -
                                form_->Command1.begin());
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
    // The controls in the order the window makes them: the count row (the four labels, then the
    // three boxes), the 64 squares, パス, リセット and 終了.
    [[nodiscard]] QList<QWidget*> Controls() const
    {
        return form_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    }

    std::function<double()> draw = [] { return 0.0; };
    std::vector<QString> messages;
    std::vector<std::string> screensAtMessages;

private:
    std::unique_ptr<Form1> form_ = std::make_unique<Form1>();
};

}  // namespace uragae::testing

// The window for tests, reached as a friend: messages recorded with the screen as it stood, no
// pause, scripted draws.
#pragma once

#include <QApplication>
#include <QTest>

#include <memory>

#include "reference.h"
#include "window/form1.h"

namespace uragae::testing {

// Everything the person can read off the window.
struct Screen {
    std::vector<QString> captions;
    std::vector<quint32> colors;
    std::vector<QString> counts;
    bool passEnabled = false;
    int focusedSquare = -1;
    bool operator==(const Screen& other) const = default;
};

inline void PrintTo(const Screen& screen, std::ostream* out)
{
    for (int square = 0; square < SquareCount; ++square) {
        *out << (square % 8 == 0 ? "\n" : " ") << (screen.colors.at(square) == LegalColor ? "+" : " ")
             << (screen.captions.at(square).isEmpty() ? "." : screen.captions.at(square).toStdString());
    }
    *out << "\ncounts " << screen.counts.at(0).toStdString() << " " << screen.counts.at(1).toStdString()
         << " " << screen.counts.at(2).toStdString() << ", pass " << screen.passEnabled << ", focus "
         << screen.focusedSquare;
}

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

    [[nodiscard]] Screen Shot() const
    {
        Screen screen{.counts = {form_->Text1->text(), form_->Text2->text(), form_->Text3->text()},
                      .passEnabled = form_->Command2->isEnabled()};
        for (const ColorButton* square : form_->Command1) {
            screen.captions.push_back(square->text());
            screen.colors.push_back(square->BackColor());
            screen.focusedSquare =
                square->hasFocus() ? static_cast<int>(screen.captions.size()) - 1 : screen.focusedSquare;
        }
        return screen;
    }

    // The stones on screen; a marked square's number reads as empty.
    [[nodiscard]] Line Board() const
    {
        Line line;
        for (const QString& caption : Shot().captions) {
            line += caption == "●" ? 'B' : caption == "○" ? 'W' : '.';
        }
        return line;
    }

    void Click(int square) const { form_->Command1.at(square)->click(); }
    void Pass() const { form_->Command2->click(); }
    void Reset() const { form_->Command3->click(); }
    [[nodiscard]] Form1& Window() const { return *form_; }
    [[nodiscard]] ColorButton* Square(int square) const { return form_->Command1.at(square); }
    [[nodiscard]] QPushButton* PassButton() const { return form_->Command2; }
    [[nodiscard]] QLineEdit* BlackCount() const { return form_->Text1; }
    [[nodiscard]] std::vector<QWidget*> CountRowAndButtons() const
    {
        return {form_->Label1, form_->Text1,  form_->Label2,   form_->Text2,    form_->Label3,
                form_->Text3,  form_->Label4, form_->Command2, form_->Command3, form_->Command4};
    }

    std::function<double()> draw = [] { return 0.0; };
    std::vector<QString> messages;
    std::vector<Screen> screensAtMessages;

private:
    std::unique_ptr<Form1> form_ = std::make_unique<Form1>();
};

}  // namespace uragae::testing

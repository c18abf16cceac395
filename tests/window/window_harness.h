// A window for tests: messages recorded with the screen as it stood, no pause, scripted draws.
#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "rules/game_state.h"
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

class WindowHarness {
public:
    WindowHarness();

    // Shows the window, which runs its load, and makes it active so that focus can be seen.
    void Show();
    // Writes a position into the captions, as the board lives between events, then refreshes.
    void SetPosition(std::string_view line, int computerPassed = 0);

    void Click(int square) { form_->Command1.at(square)->click(); }
    void Pass() { form_->Command2->click(); }
    void Reset() { form_->Command3->click(); }

    [[nodiscard]] Screen Shot() const;
    // The stones on screen, a marked square's number read as empty.
    [[nodiscard]] BoardGrid Board() const;

    // The controls, for the tests that drive or inspect them as a person would.
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
    std::unique_ptr<Form1> form_;
};

}  // namespace uragae::testing

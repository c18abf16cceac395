// The test window's recording and scripted parts.
#include "window_harness.h"

#include <QApplication>
#include <QTest>

#include "reference.h"

namespace uragae::testing {

WindowHarness::WindowHarness() : form_(std::make_unique<Form1>())
{
    form_->messagePresenter_ = [this](const QString& text) {
        messages.push_back(text);
        screensAtMessages.push_back(Shot());
    };
    form_->pause_ = [] {};
    form_->random_ = [this] { return draw(); };
}

void WindowHarness::Show()
{
    form_->show();
    QApplication::setActiveWindow(form_.get());
    (void)QTest::qWaitForWindowActive(form_.get());
}

void WindowHarness::SetPosition(std::string_view line, int computerPassed)
{
    const BoardGrid board = ParseBoard(line);
    for (int square = 0; square < SquareCount; ++square) {
        form_->SetSquareCaption(square,
                                QString::fromStdString(board(SquareColumn(square), SquareRow(square))));
    }
    form_->Game.ComputerPassed = computerPassed;
    form_->RefreshTurn();
}

Screen WindowHarness::Shot() const
{
    Screen screen{.counts = {form_->Text1->text(), form_->Text2->text(), form_->Text3->text()},
                  .passEnabled = form_->Command2->isEnabled()};
    for (int square = 0; square < SquareCount; ++square) {
        screen.captions.push_back(form_->SquareCaption(square));
        screen.colors.push_back(form_->SquareBackColor(square));
        screen.focusedSquare = Square(square)->hasFocus() ? square : screen.focusedSquare;
    }
    return screen;
}

BoardGrid WindowHarness::Board() const
{
    BoardGrid board;
    for (int square = 0; square < SquareCount; ++square) {
        const QString caption = form_->SquareCaption(square);
        const bool stone = caption == ToQString(BlackStone) || caption == ToQString(WhiteStone);
        board(SquareColumn(square), SquareRow(square)) = stone ? caption.toStdString() : "";
    }
    return board;
}

}  // namespace uragae::testing

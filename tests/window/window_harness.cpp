// The test window's recording and scripted parts.
#include "window_harness.h"

#include <QApplication>
#include <QTest>

#include "board_diagrams.h"

namespace uragae::testing {

WindowHarness::WindowHarness() : form_(std::make_unique<Form1>())
{
    form_->SetMessagePresenter([this](const QString& text) {
        messages.push_back(text);
        if (onMessage) {
            onMessage(text);
        }
    });
    form_->SetComputerPause([] {});
    form_->SetComputerRandom([this] {
        if (draws_.empty()) {
            return defaultDraw_;
        }
        const double r = draws_.front();
        draws_.pop_front();
        return r;
    });
}

void WindowHarness::Show()
{
    form_->show();
    QApplication::setActiveWindow(form_.get());
    (void)QTest::qWaitForWindowActive(form_.get());
}

void WindowHarness::SetPosition(std::string_view diagram)
{
    const BoardGrid board = ParseBoard(diagram);
    for (int square = 0; square < SquareCount; ++square) {
        form_->SetSquareCaption(square,
                                QString::fromStdString(board(SquareColumn(square), SquareRow(square))));
    }
    form_->RefreshTurn();
}

void WindowHarness::QueueDraws(std::initializer_list<double> draws) { draws_.insert(draws_.end(), draws); }

BoardGrid WindowHarness::BoardOnScreen() const
{
    BoardGrid board;
    for (int square = 0; square < SquareCount; ++square) {
        const QString caption = form_->SquareCaption(square);
        std::string_view cell = EmptyCell;
        if (caption == ToQString(BlackStone)) {
            cell = BlackStone;
        } else if (caption == ToQString(WhiteStone)) {
            cell = WhiteStone;
        }
        board(SquareColumn(square), SquareRow(square)) = cell;
    }
    return board;
}

std::vector<int> WindowHarness::MarkedSquares() const
{
    std::vector<int> marked;
    for (int square = 0; square < SquareCount; ++square) {
        if (form_->SquareBackColor(square) == LegalColor) {
            marked.push_back(square);
        }
    }
    return marked;
}

ScreenState WindowHarness::Screen() const
{
    ScreenState screen;
    for (int square = 0; square < SquareCount; ++square) {
        screen.captions.push_back(form_->SquareCaption(square));
        screen.colors.push_back(form_->SquareBackColor(square));
    }
    screen.black = form_->Text1->text();
    screen.white = form_->Text2->text();
    screen.empty = form_->Text3->text();
    screen.passEnabled = form_->Command2->isEnabled();
    return screen;
}

int WindowHarness::FocusedSquare() const
{
    for (int square = 0; square < SquareCount; ++square) {
        if (form_->Command1.at(square)->hasFocus()) {
            return square;
        }
    }
    return -1;
}

}  // namespace uragae::testing

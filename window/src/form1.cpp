// The board view, the turn refresh and the click handlers, in the order the design gives each step.
#include "window/form1.h"

#include <string>
#include <utility>

namespace uragae {

Form1::Form1(Form1Controls& controls, RandomDraw random, Pause pause)
    : controls_(controls), random_(std::move(random)), pause_(std::move(pause))
{
}

void Form1::ReadBoard()
{
    for (int square = 0; square < SquareCount; ++square) {
        const std::string caption = controls_.Command1Caption(square);
        // A stone only when the caption is exactly one; a move's number reads as an empty square.
        std::string_view cell = EmptyCell;
        if (caption == BlackStone) {
            cell = BlackStone;
        } else if (caption == WhiteStone) {
            cell = WhiteStone;
        }
        Game.Board(SquareColumn(square), SquareRow(square)) = cell;
    }
}

void Form1::ShowBoard()
{
    for (int square = 0; square < SquareCount; ++square) {
        controls_.SetCommand1Caption(square, Game.Board(SquareColumn(square), SquareRow(square)));
    }
}

void Form1::RefreshTurn()
{
    ReadBoard();
    PaintAllSquares(ButtonFaceColor);
    const int CanMove = MarkLegalSquares();
    WriteCounts();

    // The boxes are the only store of the counts: the verdict is taken from what they say.
    const TurnVerdict verdict =
        JudgeTurn(std::stoi(controls_.Text(CountBox::Text1)), std::stoi(controls_.Text(CountBox::Text2)),
                  std::stoi(controls_.Text(CountBox::Text3)), CanMove == 1, Game.ComputerPassed == 1);
    if (!verdict.passEnabled && controls_.Command2HasFocus()) {
        // A disabled パス cannot keep the focus, and the toolkit would hand it to the next control,
        // リセット, where the next Space would wipe the final board: the count box takes it instead.
        controls_.FocusText1();
    }
    controls_.SetCommand2Enabled(verdict.passEnabled);
    // Last, so that the result's box opens over the final board, counts and disabled パス.
    ShowResult(verdict.result);
}

// Marks every empty square where "●" may play with the number of stones it would turn; returns 1
// when there is at least one.
int Form1::MarkLegalSquares()
{
    int CanMove = 0;
    for (int square = 0; square < SquareCount; ++square) {
        const int x = SquareColumn(square);
        const int y = SquareRow(square);
        if (Game.Board(x, y) != EmptyCell) {
            continue;
        }
        Game.MoveFound = 0;
        Game.FlipCount = 0;
        Game.TryMove(x, y, TestMode, BlackStone, WhiteStone);
        if (Game.MoveFound == 1) {
            controls_.SetCommand1BackColor(square, LegalColor);
            controls_.SetCommand1Caption(square, std::to_string(Game.FlipCount));
            CanMove = 1;
        }
    }
    return CanMove;
}

void Form1::WriteCounts()
{
    int black = 0;
    int white = 0;
    int empty = 0;
    for (int square = 0; square < SquareCount; ++square) {
        const std::string& cell = Game.Board(SquareColumn(square), SquareRow(square));
        if (cell == BlackStone) {
            ++black;
        } else if (cell == WhiteStone) {
            ++white;
        } else {
            ++empty;
        }
    }
    controls_.SetText(CountBox::Text1, std::to_string(black));
    controls_.SetText(CountBox::Text2, std::to_string(white));
    controls_.SetText(CountBox::Text3, std::to_string(empty));
}

void Form1::ShowResult(GameResult result)
{
    switch (result) {
    case GameResult::None: break;
    case GameResult::BlackWins: controls_.MsgBox(BlackWinsMessage); break;
    case GameResult::Draw: controls_.MsgBox(DrawMessage); break;
    case GameResult::WhiteWins: controls_.MsgBox(WhiteWinsMessage); break;
    }
}

void Form1::PaintAllSquares(ColorValue color)
{
    for (int square = 0; square < SquareCount; ++square) {
        controls_.SetCommand1BackColor(square, color);
    }
}

void Form1::ComputerMove() { uragae::ComputerMove(Game, *this, random_, pause_); }

void Form1::FocusSquare(int square) { controls_.FocusCommand1(square); }

void Form1::ShowMessage(std::string_view text) { controls_.MsgBox(text); }

void Form1::Form_Load()
{
    RefreshTurn();
    controls_.FocusText1();
}

void Form1::Command1_Click(int index)
{
    ReadBoard();
    const int x = SquareColumn(index);
    const int y = SquareRow(index);
    // The color alone says whether the square plays: the last refresh marked it.
    if (controls_.Command1BackColor(index) != LegalColor) {
        return;
    }
    Game.TryMove(x, y, PlayMode, BlackStone, WhiteStone);
    PaintAllSquares(ButtonFaceColor);
    ShowBoard();
    // On the screen now, or the person's move would first appear together with the computer's
    // answer, after the pause meant to separate them.
    controls_.PaintNow();
    ComputerMove();
    ShowBoard();
    RefreshTurn();
}

void Form1::Command2_Click()
{
    ReadBoard();
    ComputerMove();
    ShowBoard();
    RefreshTurn();
}

void Form1::Command3_Click()
{
    SetStartPosition(Game.Board);
    ShowBoard();
    RefreshTurn();
    controls_.FocusText1();
}

void Form1::Command4_Click() { controls_.EndProgram(); }

}  // namespace uragae

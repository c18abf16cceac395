// Form1, the game's one window, apart from any toolkit: the game's state, the board view, the turn
// refresh and the handlers of the window's five events, working on the window through its controls.
#pragma once

#include "computer/computer_move.h"
#include "rules/game_state.h"
#include "rules/turn_verdict.h"
#include "window/form1_controls.h"

namespace uragae {

inline constexpr std::string_view BlackWinsMessage = "●の勝ちです。";
inline constexpr std::string_view DrawMessage = "引き分けです。";
inline constexpr std::string_view WhiteWinsMessage = "○の勝ちです。";

// Between events the board lives in the square captions, as designed: each handler reads it into the
// game's state, works there, writes it back and refreshes the window from it. Every handler runs to
// its end, the message boxes it opens included, before the front end delivers the next event.
class Form1 : private ComputerWindow {
public:
    // `controls` must outlive the Form1. The computer draws from `random` and pauses with `pause`.
    Form1(Form1Controls& controls, RandomDraw random, Pause pause);

    // The load: once, after the controls are made with their designed values, before the window is
    // first shown.
    void Form_Load();
    void Command1_Click(int index);  // a square, 0..63
    void Command2_Click();           // パス
    void Command3_Click();           // リセット
    void Command4_Click();           // 終了, and closing the window through its frame

private:
    // Board view.
    void ReadBoard();
    void ShowBoard();

    // Turn flow.
    void RefreshTurn();
    int MarkLegalSquares();
    void WriteCounts();
    void ShowResult(GameResult result);
    void PaintAllSquares(ColorValue color);
    void ComputerMove();

    // What the computer asks of the window.
    void FocusSquare(int square) override;
    void ShowMessage(std::string_view text) override;

    // The game's state lives with the window, as the window's own variables.
    GameState Game;
    Form1Controls& controls_;
    RandomDraw random_;
    Pause pause_;
};

}  // namespace uragae

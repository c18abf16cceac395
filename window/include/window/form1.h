// The game's one window: 64 squares, the count row, and the pass, reset and quit buttons.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <array>
#include <functional>
#include <string_view>

#include "computer/computer_move.h"
#include "rules/game_state.h"
#include "rules/turn_verdict.h"
#include "window/color_button.h"

namespace uragae {

inline constexpr auto ProgramTitle = "ウラガエ";
inline constexpr auto WindowCaption = "ウラガエ ver.1.7";
inline constexpr auto ApplicationId = "io.github.uragae.Uragae";

// A glyph or message of the game as Qt text.
QString ToQString(std::string_view text);

// The accessible name of a square: where it is (a1..h8) and what it holds.
QString SquareAccessibleName(int square, const QString& caption);

// Shows `text` in a modal box titled with the program's title, with one OK button and no icon.
void ShowMessageBox(QWidget* parent, const QString& text);

// Maps the window's Japanese font names to faces Linux has (idempotent).
void InstallFontSubstitutions();

// What the window takes from whoever makes it: where the computer's draws come from, its pause, and
// how a message reaches the person. The program's own are the defaults; the tests hand in theirs.
struct WindowServices {
    RandomDraw random = DrawReseededFromClock;
    Pause pause = CountOutPause;
    std::function<void(QWidget* window, const QString& text)> showMessage = ShowMessageBox;
};

// The window owns the game: its state, its controls and the handlers of their clicks. Only a
// person's input, through the controls, reaches inside.
class Form1 : public QWidget, public ComputerWindow {
    Q_OBJECT

public:
    explicit Form1(WindowServices services = {});

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Board view: between events the captions are the board.
    void ReadBoard();
    void ShowBoard();

    // Turn flow.
    void RefreshTurn();
    int MarkLegalSquares();
    void WriteCounts();
    void ShowResult(GameResult result);
    void ComputerMove();

    // Event handlers.
    void Form_Load();
    void Command1_Click(int index);
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

    // The window operations the game uses. Square indexes outside 0..63 throw std::out_of_range.
    [[nodiscard]] QString SquareCaption(int square) const;
    void SetSquareCaption(int square, const QString& caption);
    [[nodiscard]] quint32 SquareBackColor(int square) const;
    void SetSquareBackColor(int square, quint32 color);
    void PaintAllSquares(quint32 color);
    void FocusSquare(int square) override;
    void ShowMessage(std::string_view text) override;
    void MsgBox(const QString& text);
    void EndProgram();

    [[nodiscard]] ColorButton* Square(int square) const;
    void CreateCountRow();
    void CreateSquares();
    void CreateButtons();
    void ChainTabOrder();
    void NameControls();
    bool MoveSquareFocus(int square, int key);

    // The game's state lives with the window, as the window's own variables.
    GameState Game;

    // The controls, by their design names. The window owns them through Qt's parent links.
    std::array<ColorButton*, SquareCount> Command1{};
    QPushButton* Command2 = nullptr;  // パス
    ColorButton* Command3 = nullptr;  // リセット
    QPushButton* Command4 = nullptr;  // 終了
    QLineEdit* Text1 = nullptr;       // "●" stones
    QLineEdit* Text2 = nullptr;       // "○" stones
    QLineEdit* Text3 = nullptr;       // empty squares
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;

    WindowServices services_;
    bool loaded_ = false;
};

}  // namespace uragae

// The game's window in Qt: the designed controls as widgets, which the turn flow drives.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <array>
#include <string_view>

#include "qt/color_button.h"
#include "window/form1.h"
#include "window/form1_controls.h"

namespace uragae {

inline constexpr auto ApplicationId = "io.github.uragae.Uragae";

// A glyph or message of the game as Qt text.
QString ToQString(std::string_view text);

// Shows `text` in a modal box titled with the program's title, with one OK button and no icon.
void ShowMessageBox(QWidget* parent, const QString& text);

// Maps the window's Japanese font names to faces Linux has (idempotent).
void InstallFontSubstitutions();

// Where the computer's draws come from and its pause: the program's own by default; the tests hand
// in theirs.
struct WindowServices {
    RandomDraw random = DrawReseededFromClock;
    Pause pause = CountOutPause;
};

// The window: it makes the controls, passes their events to the turn flow and does what the flow
// asks of them. Only a person's input, through the controls, reaches inside.
class Form1Widget : public QWidget, private Form1Controls {
    Q_OBJECT

public:
    explicit Form1Widget(WindowServices services = {});

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The controls as the turn flow uses them. Square indexes outside 0..63 throw std::out_of_range.
    [[nodiscard]] std::string Command1Caption(int square) const override;
    void SetCommand1Caption(int square, std::string_view caption) override;
    [[nodiscard]] ColorValue Command1BackColor(int square) const override;
    void SetCommand1BackColor(int square, ColorValue color) override;
    void FocusCommand1(int square) override;
    [[nodiscard]] std::string Text(CountBox box) const override;
    void SetText(CountBox box, std::string_view text) override;
    void FocusText1() override;
    void SetCommand2Enabled(bool enabled) override;
    [[nodiscard]] bool Command2HasFocus() const override;
    void MsgBox(std::string_view text) override;
    void PaintNow() override;
    void EndProgram() override;

    [[nodiscard]] ColorButton* Square(int square) const;
    [[nodiscard]] QLineEdit* Box(CountBox box) const;
    void CreateCountRow();
    void CreateSquares();
    void CreateButtons();
    void ChainTabOrder();

    // The controls, by their design names. The window owns them through Qt's parent links.
    std::array<ColorButton*, SquareCount> Command1{};
    QPushButton* Command2 = nullptr;  // パス
    ColorButton* Command3 = nullptr;  // リセット
    QPushButton* Command4 = nullptr;  // 終了
    QLineEdit* Text1 = nullptr;       // "●" stones
    QLineEdit* Text2 = nullptr;       // "○" stones
    QLineEdit* Text3 = nullptr;       // empty squares

    Form1 form_;
    bool loaded_ = false;
};

}  // namespace uragae

// The game's window on Windows: the designed controls as native controls, which the turn flow drives.
#pragma once

#include <windows.h>

#include <oleacc.h>

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "window/form1.h"
#include "window/form1_controls.h"
#include "window/form1_design.h"

namespace uragae {

// The controls' identifiers, by which the window tells their clicks apart and the tests find them.
// Below 100 lie IDOK and IDCANCEL, which the dialog manager sends for Enter and Escape.
inline constexpr int FirstLabelId = 101;   // Label1 to Label4
inline constexpr int FirstCountId = 111;   // Text1 to Text3, by CountBox
inline constexpr int FirstSquareId = 200;  // Command1(square) is FirstSquareId + square
inline constexpr int Command2Id = 301;
inline constexpr int Command3Id = 302;
inline constexpr int Command4Id = 303;

std::wstring Wide(std::string_view text);
std::string Utf8(std::wstring_view text);
// A control's text (a caption, a count) as the game's UTF-8.
std::string TextOf(HWND control);

// A face for `font`: the design's own name where Windows knows it, else the name Windows gives the
// face in English. `usable` says whether a face is installed with every glyph the window shows.
std::wstring ChooseFace(const DesignFont& font, const std::function<bool(const std::wstring&)>& usable);
// Whether the face is installed under that name and has every glyph the window shows in it.
bool FaceUsable(const std::wstring& face);

// Where the computer's draws come from and its pause: the program's own by default.
struct WindowServices {
    RandomDraw random = DrawReseededFromClock;
    Pause pause = CountOutPause;
};

// The window: it makes the controls, passes their clicks to the turn flow, paints the squares and
// リセット itself, lays everything out from the twips at the monitor's dots per inch, and does what the
// flow asks of the controls.
class Form1Window : private Form1Controls {
public:
    // Makes the window and its controls with their designed values. The load runs when the window is
    // first shown. Screen readers hear the controls' names where COM has been initialized.
    explicit Form1Window(HINSTANCE instance, WindowServices services = {});
    Form1Window(const Form1Window&) = delete;
    Form1Window& operator=(const Form1Window&) = delete;
    Form1Window(Form1Window&&) = delete;
    Form1Window& operator=(Form1Window&&) = delete;
    ~Form1Window() override;

    [[nodiscard]] HWND Handle() const { return window_; }
    // What the window does with a message of its thread before it is dispatched: the arrow keys,
    // then the dialog manager's Tab and Space. Returns true when it took the message.
    bool TakeKey(MSG& message);

private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void CreateControls();
    void Layout();
    void OnClick(int id);
    void DrawColorButton(const DRAWITEMSTRUCT& item) const;
    void Focus(HWND control);
    void Name(HWND control, std::string_view name) const;
    [[nodiscard]] HWND FocusedControl() const;

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

    [[nodiscard]] HWND Square(int square) const;
    [[nodiscard]] HWND Box(CountBox box) const;

    HWND window_ = nullptr;
    std::array<HWND, SquareCount> Command1{};
    HWND Command2 = nullptr;  // パス
    HWND Command3 = nullptr;  // リセット
    HWND Command4 = nullptr;  // 終了
    HWND Text1 = nullptr;     // "●" stones
    HWND Text2 = nullptr;     // "○" stones
    HWND Text3 = nullptr;     // empty squares
    std::array<HWND, 4> labels_{};

    // A square's caption is its window text, as a button's is; its color the window keeps.
    std::array<ColorValue, SquareCount> backColors_{};

    int dotsPerInch_ = DesignDotsPerInch;
    HFONT squareFont_ = nullptr;
    HFONT labelFont_ = nullptr;
    HFONT countFont_ = nullptr;
    HFONT buttonFont_ = nullptr;  // the system's message font: the window's default
    // The control that has the focus, kept while the window is inactive (behind a message box, say)
    // and given back when it is active again.
    HWND focus_ = nullptr;
    bool loaded_ = false;
    // Windows' dynamic annotation, which gives a screen reader a control's name beside its text.
    IAccPropServices* accessibility_ = nullptr;

    Form1 form_;
};

// Shows `text` in a modal box over `owner`, titled with the program's title, with one OK and no icon.
void ShowMessageBox(HWND owner, std::string_view text);

// Starts the game: makes the window, shows it and handles its messages until the program ends.
// `beforeShow`, when given, sees the window just before it is first shown.
int RunGame(HINSTANCE instance, int showCommand, const std::function<void(Form1Window&)>& beforeShow = {});

}  // namespace uragae

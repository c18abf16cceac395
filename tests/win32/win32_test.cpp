// The Windows window under Wine in an X server, read by its controls' identifiers: where each control
// sits and in which face, the person's move on the screen while the computer pauses, and the real
// message boxes. The turn flow itself is tested against a plain fake (tests/window); the keys, colors,
// the focus frame, what a screen reader is told and the dots per inch, by the end-to-end run.
#include <windows.h>

#include <algorithm>
#include <functional>
#include <set>

#include <gtest/gtest.h>

#include "position.h"
#include "win32/form1_window.h"

namespace uragae::testing {
namespace {

// A window shown and active, which runs its load; `position` is written into the squares' captions
// first, where the load reads the board from. The computer's draw is the first member of its best
// class and its pause is the test's.
class TestWindow {
public:
    explicit TestWindow(const Line& position = StartLine)
        : form_(GetModuleHandleW(nullptr), WindowServices{[] { return 0.0; }, [this] { pause(); }})
    {
        const BoardGrid board = ParseBoard(position);
        for (int square = 0; square < SquareCount; ++square) {
            SetWindowTextW(Square(square), Wide(board(SquareColumn(square), SquareRow(square))).c_str());
        }
        ShowWindow(form_.Handle(), SW_SHOW);
        SetForegroundWindow(form_.Handle());
        Pump();
    }

    [[nodiscard]] HWND Window() const { return form_.Handle(); }
    [[nodiscard]] HWND Control(int id) const { return GetDlgItem(form_.Handle(), id); }
    [[nodiscard]] HWND Square(int square) const { return Control(FirstSquareId + square); }
    [[nodiscard]] HWND Square(const char* name) const { return Square(uragae::testing::Square(name)); }

    // Handles what is queued, as the program's own loop does.
    void Pump()
    {
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (!form_.TakeKey(message)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
    }
    // A pixel of a control, as it is on the screen.
    [[nodiscard]] static COLORREF Pixel(HWND control, int x, int y)
    {
        HDC screen = GetDC(control);
        const COLORREF pixel = GetPixel(screen, x, y);
        ReleaseDC(control, screen);
        return pixel;
    }

    std::function<void()> pause = [] {};

private:
    Form1Window form_;
};

// Whether each character of the control's text has a glyph in the control's font, the system's font
// linking included: no box shows where a character should be.
bool EveryGlyphShows(HWND control)
{
    const std::wstring text = Wide(TextOf(control));
    HDC screen = GetDC(control);
    HGDIOBJ previous = SelectObject(screen, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    std::vector<WORD> glyphs(text.size());
    GetGlyphIndicesW(screen, text.c_str(), static_cast<int>(text.size()), glyphs.data(),
                     GGI_MARK_NONEXISTING_GLYPHS);
    SelectObject(screen, previous);
    ReleaseDC(control, screen);
    return std::ranges::count(glyphs, 0xFFFF) == 0;
}

// Every control's caption shown whole; the designed faces ones the system has with every Japanese
// glyph the window shows, at the designed size and in the Japanese character set; and no border to
// change the window's size by. (Its size and title, and where the controls sit, the end-to-end run
// reads from the pixels it clicks and reads.)
TEST(Frame, CaptionsInJapaneseFacesAndTheWindowKeepsItsSize)
{
    TestWindow window;
    EXPECT_EQ(GetWindowLongW(window.Window(), GWL_STYLE) & (WS_THICKFRAME | WS_MAXIMIZEBOX), 0);
    // パス, リセット and 終了 are in the system's message font.
    std::vector<std::pair<int, const DesignFont*>> controls{
        {Command2Id, nullptr}, {Command3Id, nullptr}, {Command4Id, nullptr}};
    for (int index = 0; index < 4; ++index) {
        controls.emplace_back(FirstLabelId + index, &LabelFont);
        controls.emplace_back(FirstCountId + std::min(index, 2), &CountBoxFont);
    }
    for (int square = 0; square < SquareCount; ++square) {
        controls.emplace_back(FirstSquareId + square, &SquareFont);
    }
    for (const auto& [id, font] : controls) {
        HWND control = window.Control(id);
        EXPECT_TRUE(EveryGlyphShows(control)) << id << " shows " << TextOf(control);
        LOGFONTW shown{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof shown, &shown);
        EXPECT_TRUE(font == nullptr || (FaceUsable(shown.lfFaceName) && shown.lfCharSet == SHIFTJIS_CHARSET &&
                                        shown.lfHeight == -PointsToPixels(font->points, 96)))
            << id << " is in " << Utf8(shown.lfFaceName) << " " << shown.lfHeight;
    }
}

// On a Japanese Windows the design's faces go by their Japanese names; elsewhere Windows 10 and 11 know
// them by their English names only (Microsoft's list of the faces every Windows 10 has: MS Gothic,
// MS PGothic, MS UI Gothic, Yu Gothic UI among them).
TEST(Frame, FacesAreTheDesignsByTheirJapaneseOrElseTheirEnglishNames)
{
    const std::set<std::wstring> japanese{L"ＭＳ Ｐゴシック", L"ＭＳ ゴシック", L"MS PGothic", L"MS Gothic"};
    const std::set<std::wstring> english{L"MS PGothic", L"MS Gothic", L"MS UI Gothic", L"Yu Gothic UI",
                                         L"Arial"};
    const auto in = [](const std::set<std::wstring>& faces) {
        return [&faces](const std::wstring& face) { return faces.contains(face); };
    };
    EXPECT_EQ(ChooseFace(SquareFont, in(japanese)), L"ＭＳ Ｐゴシック");
    EXPECT_EQ(ChooseFace(LabelFont, in(japanese)), L"ＭＳ ゴシック");
    EXPECT_EQ(ChooseFace(SquareFont, in(english)), L"MS PGothic");
    EXPECT_EQ(ChooseFace(LabelFont, in(english)), L"MS Gothic");
}

// Windows paints only between messages; without a paint of its own the person's move would first show
// together with the computer's answer. The click plays the square clicked.
TEST(WhatAPersonSees, TheirMoveIsOnTheScreenWhileTheComputerPauses)
{
    TestWindow window;
    bool paused = false;
    const COLORREF green = RGB(128, 255, 128);
    window.pause = [&] {
        paused = true;
        EXPECT_EQ(TextOf(window.Square("d3")), "●") << "the click did not play d3";
        EXPECT_EQ(TestWindow::Pixel(window.Square("d4"), 20, 20), RGB(0, 0, 0)) << "d4 is not yet black";
        EXPECT_NE(TestWindow::Pixel(window.Square("d3"), 6, 6), green) << "d3 is still green";
        EXPECT_NE(TestWindow::Pixel(window.Square("c4"), 6, 6), green) << "c4 is still green";
    };
    SendMessageW(window.Square("d3"), BM_CLICK, 0, 0);
    EXPECT_TRUE(paused) << "the computer did not pause";
}

// The message box that is open now, as a person reads it: its title and text, an icon or more than one
// button if it has them, and whether it is beside the game's window rather than over it, disabled.
std::string ReadBox(HWND game)
{
    HWND box = GetActiveWindow();
    std::string seen = TextOf(box);
    int buttons = 0;
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        std::array<wchar_t, 16> kind{};
        GetClassNameW(child, kind.data(), 16);
        if (!IsWindowVisible(child)) {
            continue;
        }
        if (std::wstring(kind.data()) == L"Button") {
            ++buttons;
        } else if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
            seen += SendMessageW(child, STM_GETICON, 0, 0) != 0 ? " with an icon" : "";
        } else if (!TextOf(child).empty()) {
            seen.append(" ").append(TextOf(child));
        }
    }
    seen += buttons != 1 ? " with " + std::to_string(buttons) + " buttons" : "";
    seen += GetWindow(box, GW_OWNER) != game || IsWindowEnabled(game) ? " beside the window" : "";
    SendMessageW(box, WM_COMMAND, IDOK, 0);
    return seen + "\n";
}

// Where neither side can move: the person passes, the computer says in the game's own box, titled
// ウラガエ with one OK and no icon, that it must pass, and the draw follows in another. Each box is
// read while it is up. The focus the disabled パス gives up goes to the count, not to リセット.
TEST(OwnMessageBox, TheComputersPassAndTheResultComeInIt)
{
    TestWindow window("BBBBBBBBBBBBBBBBBBBB........................WWWWWWWWWWWWWWWWWWWW");
    static std::string seen;
    static HWND game = nullptr;
    seen.clear();
    game = window.Window();
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR, DWORD) {
        seen += GetActiveWindow() != game ? ReadBox(game) : "";
    });
    SetFocus(window.Control(Command2Id));
    SendMessageW(window.Control(Command2Id), BM_CLICK, 0, 0);
    KillTimer(nullptr, timer);
    window.Pump();
    const std::string title(ProgramTitle);
    EXPECT_EQ(seen, title + " " + std::string(ComputerPassMessage) + "\n" + title + " " +
                        std::string(DrawMessage) + "\n");
    EXPECT_EQ(GetDlgCtrlID(GetFocus()), FirstCountId);
}

}  // namespace
}  // namespace uragae::testing

int wmain(int argc, wchar_t** argv)
{
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

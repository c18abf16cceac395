// The Windows window under Wine in an X server, read by its controls' identifiers: where each control
// sits and in which face, what a screen reader is told, the keys, what a person sees in its pixels,
// and the real message boxes. The turn flow itself is tested against a plain fake (tests/window).
#include <windows.h>

#include <oleacc.h>

#include <functional>
#include <iostream>
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
            Take(message);
        }
    }
    // A key pressed and released where the focus is, through the program's own handling.
    void Key(WPARAM key)
    {
        for (const UINT what : {WM_KEYDOWN, WM_KEYUP}) {
            MSG message{GetFocus(), what, key, 0, 0, {}};
            Take(message);
        }
        Pump();
    }
    // The pixel at a point of the client area, as it is on the screen.
    [[nodiscard]] COLORREF Pixel(POINT at) const
    {
        HDC screen = GetDC(form_.Handle());
        const COLORREF pixel = GetPixel(screen, at.x, at.y);
        ReleaseDC(form_.Handle(), screen);
        return pixel;
    }

    std::function<void()> pause = [] {};

private:
    void Take(MSG& message)
    {
        if (!form_.TakeKey(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }

    Form1Window form_;
};

std::string TextOf(HWND control)
{
    std::array<wchar_t, 64> text{};
    return Utf8({text.data(), static_cast<std::size_t>(GetWindowTextW(control, text.data(), 64))});
}

std::string NameOfFocus() { return std::to_string(GetDlgCtrlID(GetFocus())); }

// A control's place in its parent's client area.
PixelRect PlaceOf(HWND control)
{
    RECT area{};
    GetWindowRect(control, &area);
    MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&area), 2);
    return {area.left, area.top, area.right - area.left, area.bottom - area.top};
}

POINT Face(HWND control) { return {PlaceOf(control).left + 6, PlaceOf(control).top + 6}; }
POINT Middle(HWND control)
{
    const PixelRect place = PlaceOf(control);
    return {place.left + place.width / 2, place.top + place.height / 2};
}

// Whether each character of the control's text has a glyph in the control's font, the system's
// font linking included: no box shows where a character should be.
bool EveryGlyphShows(HWND control)
{
    const std::wstring text = Wide(TextOf(control));
    HDC screen = GetDC(control);
    HGDIOBJ previous = SelectObject(screen, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    std::vector<WORD> glyphs(text.size() + 1);
    GetGlyphIndicesW(screen, text.c_str(), static_cast<int>(text.size()), glyphs.data(),
                     GGI_MARK_NONEXISTING_GLYPHS);
    SelectObject(screen, previous);
    ReleaseDC(control, screen);
    return std::find(glyphs.begin(), glyphs.begin() + static_cast<std::ptrdiff_t>(text.size()), 0xFFFF) ==
           glyphs.begin() + static_cast<std::ptrdiff_t>(text.size());
}

LOGFONTW FontOf(HWND control)
{
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font;
}

// Every control where the design puts it at 96 dots per inch, in a face the system has with every
// Japanese glyph the window shows, at the designed size and in the Japanese character set; every
// caption shown whole; and the window keeps its designed size, with no border to change it by.
TEST(Frame, ControlsSitWhereDesignedInJapaneseFacesAndTheWindowKeepsItsSize)
{
    TestWindow window;
    RECT client{};
    GetClientRect(window.Window(), &client);
    EXPECT_EQ(client.right, 337);
    EXPECT_EQ(client.bottom, 433);
    EXPECT_EQ(GetWindowLongW(window.Window(), GWL_STYLE) & (WS_THICKFRAME | WS_MAXIMIZEBOX), 0);
    EXPECT_EQ(TextOf(window.Window()), WindowCaption);
    struct Designed {
        int id;
        TwipsRect place;
        const DesignFont* font;  // nullptr: the system's message font
    };
    std::vector<Designed> controls{{Command2Id, Command2Design.place, nullptr},
                                   {Command3Id, Command3Design.place, nullptr},
                                   {Command4Id, Command4Design.place, nullptr}};
    for (int index = 0; index < 4; ++index) {
        controls.push_back({FirstLabelId + index, Labels.at(index).place, &LabelFont});
    }
    for (int index = 0; index < 3; ++index) {
        controls.push_back({FirstCountId + index, CountBoxes.at(index).place, &CountBoxFont});
    }
    for (int square = 0; square < SquareCount; ++square) {
        controls.push_back({FirstSquareId + square, SquarePlace(square), &SquareFont});
    }
    for (const Designed& designed : controls) {
        HWND control = window.Control(designed.id);
        EXPECT_EQ(PlaceOf(control), ToPixels(designed.place, 96)) << designed.id;
        EXPECT_TRUE(EveryGlyphShows(control)) << designed.id << " shows " << TextOf(control);
        if (designed.font != nullptr) {
            const LOGFONTW font = FontOf(control);
            EXPECT_TRUE(FaceUsable(font.lfFaceName)) << designed.id << " is in " << Utf8(font.lfFaceName);
            EXPECT_EQ(font.lfHeight, -PointsToPixels(designed.font->points, 96)) << designed.id;
            EXPECT_EQ(font.lfCharSet, SHIFTJIS_CHARSET) << designed.id;
        }
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

// What a screen reader hears of a control, through Windows' accessibility interface.
std::string SpokenName(HWND control)
{
    IAccessible* accessible = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&accessible)))) {
        return "(no accessible object)";
    }
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    accessible->get_accName(self, &name);
    std::string spoken = name != nullptr ? Utf8(name) : "";
    SysFreeString(name);
    accessible->Release();
    return spoken;
}

// Whether the system keeps the names a program gives its controls (Windows' dynamic annotation).
bool SystemAnnotates(HWND control)
{
    IAccPropServices* services = nullptr;
    CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                     reinterpret_cast<void**>(&services));
    const bool annotates =
        services != nullptr &&
        SUCCEEDED(services->ClearHwndProps(control, OBJID_CLIENT, CHILDID_SELF, nullptr, 0));
    if (services != nullptr) {
        services->Release();
    }
    return annotates;
}

// A screen reader hears each square by its place and what it holds, the count boxes and the labels
// by the names they have on Linux, the buttons by their captions. Where the system keeps no names
// (Wine keeps none) it hears each control's own text, and a count box by the label before it.
TEST(Names, ScreenReadersHearEachSquareByItsPlaceAndWhatItHolds)
{
    TestWindow window;
    const bool annotated = SystemAnnotates(window.Square("a1"));
    std::cout << (annotated ? "the system keeps the controls' names\n"
                            : "the system keeps no names of controls: each is heard by its text\n");
    for (const auto& [control, name, text] : {std::tuple{window.Square("a1"), "a1 空き", ""},
                                              {window.Square("d3"), "d3 空き 1枚", "1"},
                                              {window.Square("d4"), "d4 白", "○"},
                                              {window.Square("e4"), "e4 黒", "●"},
                                              {window.Control(FirstCountId), "黒の石の数", "●"},
                                              {window.Control(FirstLabelId + 1), "枚、白の石", "枚　○"},
                                              {window.Control(Command2Id), "パス", "パス"}}) {
        EXPECT_EQ(SpokenName(control), annotated ? name : text) << name;
    }
}

// Tab runs from the black count, where the focus starts, through the other counts, the squares, パス,
// リセット and 終了, and round again. The arrows walk the board and stop at its edges; on the buttons
// left and right step along the tab order. Enter does nothing; Space plays the focused green square.
TEST(Keyboard, TabArrowsEnterAndSpaceAsOnLinux)
{
    TestWindow window;
    ASSERT_EQ(GetFocus(), window.Control(FirstCountId)) << "the focus starts on " << NameOfFocus();
    std::vector<int> tabOrder{FirstCountId + 1, FirstCountId + 2};
    for (int square = 0; square < SquareCount; ++square) {
        tabOrder.push_back(FirstSquareId + square);
    }
    tabOrder.insert(tabOrder.end(), {Command2Id, Command3Id, Command4Id, FirstCountId});
    for (const int next : tabOrder) {
        window.Key(VK_TAB);
        EXPECT_EQ(GetFocus(), window.Control(next)) << "tab went to " << NameOfFocus() << ", not " << next;
    }
    const int h8 = FirstSquareId + Square("h8");
    for (const auto& [from, key, to] :
         {std::tuple{window.Square("d4"), VK_LEFT, window.Square("c4")},
          {window.Square("d4"), VK_RIGHT, window.Square("e4")},
          {window.Square("d4"), VK_UP, window.Square("d3")},
          {window.Square("d4"), VK_DOWN, window.Square("d5")},
          {window.Square("a1"), VK_LEFT, window.Square("a1")},
          {window.Square("a1"), VK_UP, window.Square("a1")},
          {window.Square("h8"), VK_RIGHT, window.Square("h8")},
          {window.Square("h8"), VK_DOWN, window.Square("h8")},
          {window.Control(Command2Id), VK_LEFT, window.Control(h8)},
          {window.Control(Command2Id), VK_UP, window.Control(Command2Id)},
          {window.Control(Command4Id), VK_RIGHT, window.Control(FirstCountId)}}) {
        SetFocus(from);
        window.Key(key);
        EXPECT_EQ(GetFocus(), to) << "key " << key << " from " << GetDlgCtrlID(from) << " went to "
                                  << NameOfFocus();
    }
    SetFocus(window.Square("d3"));
    window.Key(VK_RETURN);
    EXPECT_EQ(TextOf(window.Square("d3")), "1") << "Enter played d3";
    window.Key(VK_SPACE);
    EXPECT_EQ(TextOf(window.Square("d3")), "●") << "Space did not play d3";
}

bool IsLightGreen(COLORREF pixel) { return pixel == RGB(128, 255, 128); }

// Windows paints only between messages; without a paint of its own the person's move would first show
// together with the computer's answer. The click plays the square clicked.
TEST(WhatAPersonSees, TheirMoveIsOnTheScreenWhileTheComputerPauses)
{
    TestWindow window;
    bool paused = false;
    window.pause = [&] {
        paused = true;
        EXPECT_EQ(TextOf(window.Square("d3")), "●") << "the click did not play d3";
        EXPECT_EQ(window.Pixel(Middle(window.Square("d4"))), RGB(0, 0, 0)) << "d4 is not yet black";
        EXPECT_FALSE(IsLightGreen(window.Pixel(Face(window.Square("d3")))));
        EXPECT_FALSE(IsLightGreen(window.Pixel(Face(window.Square("c4")))));
    };
    SendMessageW(window.Square("d3"), BM_CLICK, 0, 0);
    EXPECT_TRUE(paused) << "the computer did not pause";
}

// The squares in the system's button face and light green, リセット blue-violet, the counts red; a1
// raised in a dark outline; and a focused square framed in dark, evenly inside it.
TEST(WhatAPersonSees, TheBoardInItsColorsAndTheFocusedSquareFramed)
{
    TestWindow window;
    EXPECT_EQ(window.Pixel(Face(window.Square("a1"))), GetSysColor(COLOR_BTNFACE));
    EXPECT_TRUE(IsLightGreen(window.Pixel(Face(window.Square("d3")))));
    EXPECT_EQ(window.Pixel(Face(window.Control(Command3Id))), RGB(128, 128, 255));
    HDC memory = CreateCompatibleDC(nullptr);
    SendMessageW(window.Window(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(memory),
                 reinterpret_cast<LPARAM>(window.Control(FirstCountId + 2)));
    EXPECT_EQ(GetTextColor(memory), RGB(255, 0, 0)) << "Text3's digits are not red";
    DeleteDC(memory);

    const PixelRect a1 = PlaceOf(window.Square("a1"));
    const auto shot = [&] {
        UpdateWindow(window.Square("a1"));
        std::vector<COLORREF> pixels;
        for (int y = a1.top; y < a1.top + a1.height; ++y) {
            for (int x = a1.left; x < a1.left + a1.width; ++x) {
                pixels.push_back(window.Pixel({x, y}));
            }
        }
        return pixels;
    };
    const std::vector<COLORREF> unfocused = shot();
    const auto gray = [](COLORREF pixel) {
        return (GetRValue(pixel) + GetGValue(pixel) + GetBValue(pixel)) / 3;
    };
    const auto down = [&](int rows) {
        return gray(unfocused.at(static_cast<std::size_t>(rows * a1.width + 20)));
    };
    EXPECT_TRUE(down(1) > down(12) && down(12) > down(39) && down(39) > down(0)) << "a1 is not raised";
    SetFocus(window.Square("a1"));
    const std::vector<COLORREF> focused = shot();
    RECT frame{a1.width, a1.height, -1, -1};
    for (int y = 0; y < a1.height; ++y) {
        for (int x = 0; x < a1.width; ++x) {
            const std::size_t at = static_cast<std::size_t>(y * a1.width + x);
            if (focused.at(at) != unfocused.at(at)) {
                EXPECT_LT(gray(focused.at(at)), 128) << "the frame is not dark at " << x << ", " << y;
                frame = {std::min<LONG>(frame.left, x), std::min<LONG>(frame.top, y),
                         std::max<LONG>(frame.right, x), std::max<LONG>(frame.bottom, y)};
            }
        }
    }
    ASSERT_LE(frame.left, frame.right) << "the focused a1 shows no frame";
    EXPECT_EQ(frame.left, frame.top);
    EXPECT_EQ(a1.width - 1 - frame.right, frame.left) << "the frame is not even inside a1";
    EXPECT_EQ(a1.height - 1 - frame.bottom, frame.left) << "the frame is not even inside a1";
}

// The message box that is open now, as a person reads it: its title, its text, whether it shows an
// icon, its buttons, and whether it is over the game's window, which takes no click meanwhile.
std::string ReadBox(HWND game)
{
    HWND box = GetActiveWindow();
    std::string seen = TextOf(box);
    int buttons = 0;
    bool icon = false;
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        std::array<wchar_t, 16> kind{};
        GetClassNameW(child, kind.data(), 16);
        const LONG style = GetWindowLongW(child, GWL_STYLE);
        if (!IsWindowVisible(child)) {
            continue;
        }
        if (std::wstring(kind.data()) == L"Button") {
            ++buttons;
        } else if ((style & SS_TYPEMASK) == SS_ICON) {
            icon = icon || SendMessageW(child, STM_GETICON, 0, 0) != 0;
        } else if (!TextOf(child).empty()) {
            seen.append(" ").append(TextOf(child));
        }
    }
    seen += icon ? " with an icon" : "";
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
    EXPECT_EQ(GetFocus(), window.Control(FirstCountId)) << "the focus is on " << NameOfFocus();
    EXPECT_FALSE(IsWindowEnabled(window.Control(Command2Id)));
}

}  // namespace
}  // namespace uragae::testing

int wmain(int argc, wchar_t** argv)
{
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

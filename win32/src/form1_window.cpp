// The window on Windows: the designed controls as native controls laid out from the twips at the
// monitor's dots per inch, the hand-painted squares and リセット, the keys, the message boxes, and the
// controls' operations for the turn flow.
#include "win32/form1_window.h"

#include <commctrl.h>
#include <initguid.h>  // the accessibility interfaces' identifiers, defined here once

#include <oleacc.h>

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <utility>

namespace uragae {

namespace {

constexpr std::wstring_view WindowClass = L"Uragae.Form1";
// Fixed size: a frame with a title, a window menu and a minimize box, no sizing border.
constexpr DWORD WindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
// The high bit of a stored color marks a system color, named by its low byte.
constexpr ColorValue SystemColorBit = 0x80000000;

// Every character the design's Japanese faces show: the stones, the counts' digits and the labels.
constexpr std::wstring_view JapaneseText = L"●○0123456789枚　残り箇所";

COLORREF Resolve(ColorValue color)
{
    return (color & SystemColorBit) != 0 ? GetSysColor(static_cast<int>(color & 0xFFU)) : color;
}

int Scale(int pixelsAt96, int dotsPerInch) { return MulDiv(pixelsAt96, dotsPerInch, DesignDotsPerInch); }

// The window with its frame around the designed client area.
SIZE WindowSize(int dotsPerInch)
{
    const PixelRect client = ToPixels(ClientArea, dotsPerInch);
    RECT frame{0, 0, client.width, client.height};
    AdjustWindowRectExForDpi(&frame, WindowStyle, FALSE, 0, static_cast<UINT>(dotsPerInch));
    return {frame.right - frame.left, frame.bottom - frame.top};
}

HFONT MakeFont(const DesignFont& font, int dotsPerInch)
{
    static const std::wstring proportional = ChooseFace(SquareFont, FaceUsable);
    static const std::wstring fixedPitch = ChooseFace(LabelFont, FaceUsable);
    const bool isProportional = font.face == ProportionalFace;
    return CreateFontW(-PointsToPixels(font.points, dotsPerInch), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                       SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       (isProportional ? VARIABLE_PITCH : FIXED_PITCH) | FF_MODERN,
                       (isProportional ? proportional : fixedPitch).c_str());
}

HFONT MakeMessageFont(int dotsPerInch)
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dotsPerInch);
    return CreateFontIndirectW(&metrics.lfMessageFont);
}

// Neighbouring squares overlap (by one pixel at 96 dots per inch, two at 144): clipped to each other,
// each paints the same whichever repaints first.
HWND MakeControl(HWND parent, DWORD exStyle, const wchar_t* kind, std::string_view text, DWORD style, int id)
{
    return CreateWindowExW(exStyle, kind, Wide(text).c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style,
                           0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr,
                           nullptr);
}

void Place(HWND control, const TwipsRect& place, int dotsPerInch, HFONT font)
{
    const PixelRect pixels = ToPixels(place, dotsPerInch);
    MoveWindow(control, pixels.left, pixels.top, pixels.width, pixels.height, TRUE);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

std::optional<Arrow> ArrowOf(WPARAM key)
{
    switch (key) {
    case VK_LEFT: return Arrow::Left;
    case VK_RIGHT: return Arrow::Right;
    case VK_UP: return Arrow::Up;
    case VK_DOWN: return Arrow::Down;
    default: return std::nullopt;
    }
}

}  // namespace

std::wstring Wide(std::string_view text)
{
    const int size = static_cast<int>(text.size());
    std::wstring wide(
        static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0)), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), static_cast<int>(wide.size()));
    return wide;
}

std::string Utf8(std::wstring_view text)
{
    const int size = static_cast<int>(text.size());
    std::string narrow(static_cast<std::size_t>(
                           WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr)),
                       '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, narrow.data(), static_cast<int>(narrow.size()),
                        nullptr, nullptr);
    return narrow;
}

std::string TextOf(HWND control)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return Utf8(text);
}

std::wstring ChooseFace(const DesignFont& font, const std::function<bool(const std::wstring&)>& usable)
{
    std::wstring design = Wide(font.face);
    if (usable(design)) {
        return design;
    }
    // Outside Japanese systems Windows may know the faces by their English names only; every Windows
    // 10 and 11 has both.
    std::wstring english = font.face == ProportionalFace ? L"MS PGothic" : L"MS Gothic";
    if (usable(english)) {
        return english;
    }
    return design;  // then the Japanese character set makes Windows pick a Japanese face of its own
}

bool FaceUsable(const std::wstring& face)
{
    LOGFONTW query{};
    query.lfCharSet = DEFAULT_CHARSET;
    std::copy_n(face.begin(), std::min<std::size_t>(face.size(), LF_FACESIZE - 1),
                std::begin(query.lfFaceName));
    HDC screen = GetDC(nullptr);
    bool installed = false;
    EnumFontFamiliesExW(
        screen, &query,
        [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
            *reinterpret_cast<bool*>(found) = true;
            return 0;
        },
        reinterpret_cast<LPARAM>(&installed), 0);
    bool complete = false;
    if (installed) {
        // The face's own glyphs: with the Japanese character set Windows would find them in another.
        query.lfHeight = -20;
        HFONT font = CreateFontIndirectW(&query);
        HGDIOBJ previous = SelectObject(screen, font);
        std::array<WORD, JapaneseText.size()> glyphs{};
        const auto count = static_cast<int>(JapaneseText.size());
        complete = GetGlyphIndicesW(screen, JapaneseText.data(), count, glyphs.data(),
                                    GGI_MARK_NONEXISTING_GLYPHS) == static_cast<DWORD>(count) &&
                   std::ranges::find(glyphs, 0xFFFF) == glyphs.end();
        SelectObject(screen, previous);
        DeleteObject(font);
    }
    ReleaseDC(nullptr, screen);
    return complete;
}

Form1Window::Form1Window(HINSTANCE instance, WindowServices services)
    : form_(*this, std::move(services.random), std::move(services.pause))
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = instance;
    // The icon at the sizes the title bar and the task switcher want, each drawn for its size.
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    windowClass.hIconSm =
        static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                      GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    // The window's own color is the system's button face, as the design leaves it.
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = WindowClass.data();
    RegisterClassExW(&windowClass);  // fails harmlessly when a window of the class was made before
    CreateWindowExW(0, WindowClass.data(), Wide(WindowCaption).c_str(), WindowStyle, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, this);
    if (window_ == nullptr) {
        throw std::runtime_error("the window could not be made");
    }
    dotsPerInch_ = static_cast<int>(GetDpiForWindow(window_));
    CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                     reinterpret_cast<void**>(&accessibility_));
    CreateControls();
    Layout();
}

Form1Window::~Form1Window()
{
    DestroyWindow(window_);
    if (accessibility_ != nullptr) {
        accessibility_->Release();
    }
    for (HFONT font : {squareFont_, labelFont_, countFont_, buttonFont_}) {
        DeleteObject(font);
    }
}

// In tab order; each count box right after the label before it, as they read from left to right.
void Form1Window::CreateControls()
{
    const std::array<HWND*, 3> boxes{&Text1, &Text2, &Text3};
    for (std::size_t index = 0; index < labels_.size(); ++index) {
        labels_.at(index) = MakeControl(window_, 0, L"STATIC", Labels.at(index).caption,
                                        SS_CENTER | SS_NOPREFIX, FirstLabelId + static_cast<int>(index));
        Name(labels_.at(index), Labels.at(index).accessibleName);
        if (index < boxes.size()) {
            *boxes.at(index) = MakeControl(window_, WS_EX_CLIENTEDGE, L"EDIT", "",
                                           WS_TABSTOP | ES_RIGHT | ES_READONLY | ES_AUTOHSCROLL,
                                           FirstCountId + static_cast<int>(index));
            Name(*boxes.at(index), CountBoxes.at(index).accessibleName);
        }
    }
    for (int square = 0; square < SquareCount; ++square) {
        Command1.at(square) =
            MakeControl(window_, 0, L"BUTTON", "", WS_TABSTOP | BS_OWNERDRAW, FirstSquareId + square);
        backColors_.at(square) = ButtonFaceColor;
        SetCommand1Caption(square, DesignedCaption(square));
    }
    Command2 =
        MakeControl(window_, 0, L"BUTTON", Command2Design.caption, WS_TABSTOP | BS_PUSHBUTTON, Command2Id);
    Command3 =
        MakeControl(window_, 0, L"BUTTON", Command3Design.caption, WS_TABSTOP | BS_OWNERDRAW, Command3Id);
    Command4 =
        MakeControl(window_, 0, L"BUTTON", Command4Design.caption, WS_TABSTOP | BS_PUSHBUTTON, Command4Id);
}

// Every place and font from the design at the window's dots per inch; never a stretched picture.
void Form1Window::Layout()
{
    // The fonts the controls have now go once the controls have the new ones.
    const std::array<HFONT, 4> previous{squareFont_, labelFont_, countFont_, buttonFont_};
    squareFont_ = MakeFont(SquareFont, dotsPerInch_);
    labelFont_ = MakeFont(LabelFont, dotsPerInch_);
    countFont_ = MakeFont(CountBoxFont, dotsPerInch_);
    buttonFont_ = MakeMessageFont(dotsPerInch_);
    for (std::size_t index = 0; index < labels_.size(); ++index) {
        Place(labels_.at(index), Labels.at(index).place, dotsPerInch_, labelFont_);
    }
    for (const CountBox box : {CountBox::Text1, CountBox::Text2, CountBox::Text3}) {
        Place(Box(box), CountBoxes.at(static_cast<std::size_t>(box)).place, dotsPerInch_, countFont_);
    }
    for (int square = 0; square < SquareCount; ++square) {
        Place(Command1.at(square), SquarePlace(square), dotsPerInch_, squareFont_);
    }
    Place(Command2, Command2Design.place, dotsPerInch_, buttonFont_);
    Place(Command3, Command3Design.place, dotsPerInch_, buttonFont_);
    Place(Command4, Command4Design.place, dotsPerInch_, buttonFont_);
    for (HFONT font : previous) {
        DeleteObject(font);
    }
    const SIZE size = WindowSize(dotsPerInch_);
    SetWindowPos(window_, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(window_, nullptr, TRUE);
}

LRESULT CALLBACK Form1Window::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Form1Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Form1Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return self != nullptr ? self->OnMessage(message, wParam, lParam)
                           : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT Form1Window::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        // Enter and Escape come as IDOK and IDCANCEL, which no control has: they do nothing.
        if (HIWORD(wParam) == BN_CLICKED) {
            OnClick(LOWORD(wParam));
        }
        return 0;
    case WM_DRAWITEM: DrawColorButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); return TRUE;
    case WM_CTLCOLORSTATIC:
        // Read-only edit boxes ask as static controls do: the counts in red on the window color.
        if (const auto control = reinterpret_cast<HWND>(lParam);
            control == Text1 || control == Text2 || control == Text3) {
            auto* dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, Resolve(CountTextColor));
            SetBkColor(dc, GetSysColor(COLOR_WINDOW));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
        }
        break;
    case WM_ACTIVATE:
        // A plain window forgets its focused control when another window, a message box say, was
        // active; the window keeps it and gives it back.
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focused = GetFocus();
            if (focused != nullptr && IsChild(window_, focused)) {
                focus_ = focused;
            }
        } else if (focus_ != nullptr && HIWORD(wParam) == 0) {
            SetFocus(focus_);
            return 0;
        }
        break;
    case WM_GETDPISCALEDSIZE: {
        // The size at the new dots per inch is the design's, exactly, not this one scaled.
        *reinterpret_cast<SIZE*>(lParam) = WindowSize(static_cast<int>(wParam));
        return TRUE;
    }
    case WM_SYSCOLORCHANGE:
        // The button face and the bevels are the system's: a new scheme repaints them.
        RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        return 0;
    case WM_SETTINGCHANGE:
        // A new message font is パス's, リセット's and 終了's.
        if (wParam == SPI_SETNONCLIENTMETRICS) {
            Layout();
        }
        break;
    case WM_DPICHANGED: {
        dotsPerInch_ = HIWORD(wParam);
        const auto* suggested = reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(window_, nullptr, suggested->left, suggested->top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        Layout();
        return 0;
    }
    case WM_SHOWWINDOW:
        // The load event: once, before the window first reaches the screen.
        if (wParam != FALSE && !loaded_) {
            loaded_ = true;
            form_.Form_Load();
        }
        break;
    case WM_CLOSE: EndProgram(); return 0;
    default: break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

void Form1Window::OnClick(int id)
{
    if (id >= FirstSquareId && id < FirstSquareId + SquareCount) {
        form_.Command1_Click(id - FirstSquareId);
    } else if (id == Command2Id) {
        form_.Command2_Click();
    } else if (id == Command3Id) {
        form_.Command3_Click();
    } else if (id == Command4Id) {
        form_.Command4_Click();
    }
}

bool Form1Window::TakeKey(MSG& message)
{
    const std::optional<Arrow> arrow = message.message == WM_KEYDOWN ? ArrowOf(message.wParam) : std::nullopt;
    if (arrow && GetParent(message.hwnd) == window_) {
        const int id = GetDlgCtrlID(message.hwnd);
        // On the board the arrows walk the squares and stop at the edges; on パス, リセット and 終了,
        // left and right step back and on along the tab order, as a Qt button does.
        if (id >= FirstSquareId && id < FirstSquareId + SquareCount) {
            FocusCommand1(SquareAfterArrow(id - FirstSquareId, *arrow));
            return true;
        }
        if (id == Command2Id || id == Command3Id || id == Command4Id) {
            if (*arrow == Arrow::Left || *arrow == Arrow::Right) {
                SetFocus(GetNextDlgTabItem(window_, message.hwnd, *arrow == Arrow::Left ? TRUE : FALSE));
            }
            return true;
        }
    }
    return IsDialogMessageW(window_, &message) != FALSE;
}

// A raised button in its own color, as the squares and リセット are designed: a dark outline, which
// neighbouring squares share, an inner bevel sunk while pressed, the caption centered, and a dark
// frame inside it while it has the focus.
void Form1Window::DrawColorButton(const DRAWITEMSTRUCT& item) const
{
    const int square = static_cast<int>(item.CtlID) - FirstSquareId;
    const bool isSquare = square >= 0 && square < SquareCount;
    HDC dc = item.hDC;
    RECT area = item.rcItem;
    const bool sunken = (item.itemState & ODS_SELECTED) != 0;

    HBRUSH face = CreateSolidBrush(Resolve(isSquare ? backColors_.at(square) : ResetButtonColor));
    FillRect(dc, &area, face);
    DeleteObject(face);
    FrameRect(dc, &area, GetSysColorBrush(COLOR_3DDKSHADOW));
    RECT inner = area;
    InflateRect(&inner, -1, -1);
    const auto edge = [dc](int color, int left, int top, int right, int bottom) {
        RECT line{left, top, right, bottom};
        FillRect(dc, &line, GetSysColorBrush(color));
    };
    const int lit = sunken ? COLOR_3DSHADOW : COLOR_3DHILIGHT;
    const int shaded = sunken ? COLOR_3DHILIGHT : COLOR_3DSHADOW;
    edge(lit, inner.left, inner.top, inner.right, inner.top + 1);
    edge(lit, inner.left, inner.top, inner.left + 1, inner.bottom);
    edge(shaded, inner.left, inner.bottom - 1, inner.right, inner.bottom);
    edge(shaded, inner.right - 1, inner.top, inner.right, inner.bottom);

    std::array<wchar_t, 16> caption{};  // a stone, a number or リセット
    const int length = GetWindowTextW(item.hwndItem, caption.data(), static_cast<int>(caption.size()));
    HGDIOBJ previous = SelectObject(dc, isSquare ? squareFont_ : buttonFont_);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    RECT text = area;
    OffsetRect(&text, sunken ? 1 : 0, sunken ? 1 : 0);
    DrawTextW(dc, caption.data(), length, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, previous);

    if ((item.itemState & ODS_FOCUS) != 0) {
        // Dark enough to stand out on the button face and on the light green alike.
        const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
        HBRUSH frame = CreateSolidBrush(
            RGB(GetRValue(highlight) * 2 / 3, GetGValue(highlight) * 2 / 3, GetBValue(highlight) * 2 / 3));
        RECT ring = area;
        InflateRect(&ring, -Scale(3, dotsPerInch_), -Scale(3, dotsPerInch_));
        for (int width = Scale(2, dotsPerInch_); width > 0; --width) {
            FrameRect(dc, &ring, frame);
            InflateRect(&ring, -1, -1);
        }
        DeleteObject(frame);
    }
}

HWND Form1Window::Square(int square) const
{
    CheckIndex("square", square, 0, SquareCount - 1);
    return Command1.at(square);
}

HWND Form1Window::Box(CountBox box) const
{
    switch (box) {
    case CountBox::Text1: return Text1;
    case CountBox::Text2: return Text2;
    case CountBox::Text3: return Text3;
    }
    throw std::out_of_range("no such count box");
}

std::string Form1Window::Command1Caption(int square) const { return TextOf(Square(square)); }

void Form1Window::SetCommand1Caption(int square, std::string_view caption)
{
    HWND button = Square(square);
    SetWindowTextW(button, Wide(caption).c_str());
    Name(button, SquareAccessibleName(square, caption));
    InvalidateRect(button, nullptr, FALSE);
}

ColorValue Form1Window::Command1BackColor(int square) const
{
    CheckIndex("square", square, 0, SquareCount - 1);
    return backColors_.at(square);
}

void Form1Window::SetCommand1BackColor(int square, ColorValue color)
{
    HWND button = Square(square);
    if (backColors_.at(square) != color) {
        backColors_.at(square) = color;
        InvalidateRect(button, nullptr, FALSE);
    }
}

void Form1Window::FocusCommand1(int square) { Focus(Square(square)); }

std::string Form1Window::Text(CountBox box) const { return TextOf(Box(box)); }

void Form1Window::SetText(CountBox box, std::string_view text)
{
    SetWindowTextW(Box(box), Wide(text).c_str());
}

void Form1Window::FocusText1() { Focus(Box(CountBox::Text1)); }

void Form1Window::SetCommand2Enabled(bool enabled) { EnableWindow(Command2, enabled ? TRUE : FALSE); }

bool Form1Window::Command2HasFocus() const { return FocusedControl() == Command2; }

void ShowMessageBox(HWND owner, std::string_view text)
{
    // MessageBoxW disables the owner while the box is open, so no click reaches the window meanwhile.
    MessageBoxW(owner, Wide(text).c_str(), Wide(ProgramTitle).c_str(), MB_OK);
}

void Form1Window::MsgBox(std::string_view text) { ShowMessageBox(window_, text); }

// Windows paints only between messages, and the computer's pause is none: paint the window and every
// control now.
void Form1Window::PaintNow() { RedrawWindow(window_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); }

// At once, asking nothing, whatever handler or box is under way: nothing of the game is kept.
void Form1Window::EndProgram() { ExitProcess(0); }

// While the window is not active (before it is first shown, or behind a box) the focus is noted,
// and the window gives it when it is active again.
void Form1Window::Focus(HWND control)
{
    focus_ = control;
    if (GetActiveWindow() == window_) {
        SetFocus(control);
    }
}

// Where Windows has no dynamic annotation (Wine has none), the control's own text names it.
void Form1Window::Name(HWND control, std::string_view name) const
{
    if (accessibility_ != nullptr) {
        accessibility_->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                       PROPID_ACC_NAME, Wide(name).c_str());
    }
}

HWND Form1Window::FocusedControl() const { return GetActiveWindow() == window_ ? GetFocus() : focus_; }

int RunGame(HINSTANCE instance, int showCommand, const std::function<void(Form1Window&)>& beforeShow)
{
    INITCOMMONCONTROLSEX commonControls{sizeof commonControls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&commonControls);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);  // for the accessibility annotations
    Form1Window window(instance);
    if (beforeShow) {
        beforeShow(window);
    }
    ShowWindow(window.Handle(), showCommand);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!window.TakeKey(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}

}  // namespace uragae

// ウラガエ.exe's start-up as it ships, ending once its window and every control have first been
// painted: the same start-up code as the program, plus only the end.
#include "win32/form1_window.h"

#include <commctrl.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/, int showCommand)
{
    return uragae::RunGame(instance, showCommand, [](uragae::Form1Window& window) {
        SetWindowSubclass(
            window.Handle(),
            [](HWND handle, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) -> LRESULT {
                const LRESULT result = DefSubclassProc(handle, message, wParam, lParam);
                if (message == WM_PAINT) {
                    // The controls paint after their parent: now, then the program ends as 終了 does.
                    RedrawWindow(handle, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
                    ExitProcess(0);
                }
                return result;
            },
            1, 0);
    });
}

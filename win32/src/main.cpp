// The program's entry point on Windows.
#include "win32/form1_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/, int showCommand)
{
    return uragae::RunGame(instance, showCommand);
}

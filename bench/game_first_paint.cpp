// The game's start-up as it ships, ending at its first paint: the same start-up code as the
// program, plus only the quit.
#include "quit_on_first_paint.h"
#include "window/form1.h"
#include "window/run_game.h"

int main()
{
    QuitOnFirstPaint quit;
    return uragae::RunGame([&quit](uragae::Form1& window) { window.installEventFilter(&quit); });
}

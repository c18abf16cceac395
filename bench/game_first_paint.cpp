// The game's start-up as it ships, ending at its first paint: the same start-up code as the
// program, plus only the quit.
#include "qt/form1_widget.h"
#include "qt/run_game.h"
#include "quit_on_first_paint.h"

int main()
{
    QuitOnFirstPaint quit;
    return uragae::RunGame([&quit](uragae::Form1Widget& window) { window.installEventFilter(&quit); });
}

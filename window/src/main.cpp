// The program's entry point.
#include "window/run_game.h"

int main() { return uragae::RunGame(); }

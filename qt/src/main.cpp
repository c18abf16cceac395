// The program's entry point.
#include "qt/run_game.h"

int main() { return uragae::RunGame(); }

// The program's start-up and event loop, shared by main() and the start-up benchmark.
#pragma once

#include <functional>

namespace uragae {

class Form1Widget;

// Creates the application (Qt gets no command-line arguments), shows the window and runs until
// the program ends. `beforeShow`, when given, sees the window just before it is first shown.
int RunGame(const std::function<void(Form1Widget&)>& beforeShow = {});

}  // namespace uragae

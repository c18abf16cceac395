// A window set up for tests: messages recorded instead of shown, no pause, scripted draws.
#pragma once

#include <QString>

#include <deque>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "rules/game_state.h"
#include "window/form1.h"

namespace uragae::testing {

struct ScreenState {
    std::vector<QString> captions;
    std::vector<quint32> colors;
    QString black;
    QString white;
    QString empty;
    bool passEnabled = false;
    bool operator==(const ScreenState& other) const = default;
};

// Neither side can move: every run of stones ends at the board's edge. 20 against 20.
inline constexpr std::string_view StuckDrawDiagram = R"(
    BBBBBBBB
    BBBBBBBB
    BBBB....
    ........
    ........
    ....WWWW
    WWWWWWWW
    WWWWWWWW
)";

class WindowHarness {
public:
    WindowHarness();

    Form1& Window() { return *form_; }
    // Shows the window (which runs its load) and makes it the active one, so focus can be seen.
    void Show();

    // Writes a diagram's stones into the square captions, as the program reads the board, and
    // runs the refresh so the person's moves are marked.
    void SetPosition(std::string_view diagram);

    // Every later computer draw returns r (until Draw values queued by QueueDraws run out).
    void QueueDraws(std::initializer_list<double> draws);
    void SetDefaultDraw(double r) { defaultDraw_ = r; }

    [[nodiscard]] BoardGrid BoardOnScreen() const;
    [[nodiscard]] std::vector<int> MarkedSquares() const;
    [[nodiscard]] ScreenState Screen() const;
    [[nodiscard]] int FocusedSquare() const;  // -1 when no square has the focus

    std::vector<QString> messages;
    // Called as each message is shown, while the window is as the person sees it then.
    std::function<void(const QString&)> onMessage;

private:
    std::unique_ptr<Form1> form_;
    std::deque<double> draws_;
    double defaultDraw_ = 0.0;
};

}  // namespace uragae::testing

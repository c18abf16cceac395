// The computer's turn: sort its legal moves into five priority classes, pause, play one of the best.
#pragma once

#include <functional>
#include <string_view>

#include "rules/game_state.h"

namespace uragae {

inline constexpr std::string_view ComputerPassMessage = "○を置ける場所がありませんでした。";

// What the computer needs of the window it plays in.
class ComputerWindow {
public:
    ComputerWindow() = default;
    ComputerWindow(const ComputerWindow&) = delete;
    ComputerWindow& operator=(const ComputerWindow&) = delete;
    ComputerWindow(ComputerWindow&&) = delete;
    ComputerWindow& operator=(ComputerWindow&&) = delete;
    virtual ~ComputerWindow() = default;

    // Called just before the chosen move is played on `square` (0..63).
    virtual void FocusSquare(int square) = 0;
    // Returns once the person has dismissed the message.
    virtual void ShowMessage(std::string_view text) = 0;
};

// Returns r in [0, 1); called once per chosen move.
using RandomDraw = std::function<double()>;
// Runs between the search and the move, so the person sees the computer "think".
using Pause = std::function<void()>;

// The program's random source: reseeds a uniform generator from the clock, then draws once.
double DrawReseededFromClock();

// The program's pause: a double-precision counter from 0 to PauseCount in steps of 1. It is busy
// on purpose: the window handles no events until the computer's move is on the board.
inline constexpr double PauseCount = 30000000;
void CountOutPause();

// Maps a draw r in [0, 1) to a member index 0..count-1: k for r in [k/count, (k+1)/count), held inside the
// range for any r. Throws std::out_of_range unless count is 1..64.
int PickIndex(double r, int count);

// Plays "○" on game.Board, or shows ComputerPassMessage and sets ComputerPassed when it has no
// move; on a full board it does nothing. Uses snapshot slots 1 and 2, never slot 0.
void ComputerMove(GameState& game, ComputerWindow& window, const RandomDraw& random, const Pause& pause);

}  // namespace uragae

// Whole games through the window's handlers, each click checked against the rules reference: the
// board it leaves, the marked squares and their numbers, the counts, the pass button, the result.
#include <gtest/gtest.h>

#include "computer/computer_move.h"
#include "window_harness.h"

namespace uragae::testing {
namespace {

// The window showing `line`, as WindowHarness::Shot writes it: when `marked`, the person's moves
// with their numbers; then the counts and パス.
std::string Expected(const Line& line, bool computerPassed, bool marked = true)
{
    std::string text;
    for (int square = 0; square < SquareCount; ++square) {
        const std::size_t kind = Line(".BW").find(line[square]);  // 0 empty, 1 "●", 2 "○"
        const int flips = kind == 0 && marked ? Flips(line, square, 'B') : 0;
        const std::string number = flips > 0 ? std::to_string(flips) : "";
        const std::string name{static_cast<char>('a' + square % 8), static_cast<char>('1' + square / 8)};
        text += (flips > 0 ? "+" + number : std::array{"", "●", "○"}.at(kind)) + "(" + name +
                std::array{" 空き", " 黒", " 白"}.at(kind) + (flips > 0 ? " " + number + "枚) " : ") ");
    }
    const auto empty = std::ranges::count(line, '.');
    const bool passes = (empty > 0 && LegalSquares(line, 'B').empty() && !computerPassed) || empty == 60;
    return text + "counts " + std::to_string(std::ranges::count(line, 'B')) + " " +
           std::to_string(std::ranges::count(line, 'W')) + " " + std::to_string(empty) +
           (passes ? " パス" : "");
}

// The squares of a screen, without the counts and パス.
std::string Squares(const std::string& screen) { return screen.substr(0, screen.find("counts")); }

// Positions that random games seldom reach, each with the computer's pass on its last turn:
// neither side can move (the person passes, the computer must pass, a draw); the person fills the
// last square (the computer has no turn and announces no pass); the computer cannot move but the
// person can; the person is stuck and the computer takes the last black stone; the computer passed
// and the person is stuck (over at once, with squares empty).
const std::vector<std::pair<Line, bool>> RarePositions{
    {"BBBBBBBBBBBBBBBBBBBB........................WWWWWWWWWWWWWWWWWWWW", false},
    {"BBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBWWWWWWWWWWWWWWWWWWWWWWWWWWWWWBW.", true},
    {"BW......................................................BW......", false},
    {"WB..................................................WWWWWWWWWWWW", false},
    {"BBBBBBBBBBBBBBBBBBBB.....................WWWWWWWWWWWWWWWWWWWWWWW", true},
};

// Many games from the start and from the rare positions, with marked and unmarked squares clicked,
// passes and resets. After each person's move or pass the computer answers on the square that then
// holds the focus or, with squares empty and no move, announces its pass while the person's move is
// on screen, unmarked. The result comes exactly when the game is over, with the final window behind.
TEST(WholeGames, EveryClickPlaysAndShowsWhatTheRulesSay)
{
    const int games = CountFromEnvironment("URAGAE_WINDOW_GAMES", 80);
    std::mt19937 random = SeededRandom(4242U);
    const auto pick = [&random](std::size_t count) {
        return std::uniform_int_distribution<std::size_t>(0, count - 1)(random);
    };
    WindowHarness window;
    window.draw = [&random] { return std::uniform_real_distribution<double>(0, 1)(random); };
    Line line = StartLine;
    bool computerPassed = false;
    ASSERT_EQ(window.Shot(), Expected(line, false)) << "after the load";
    ASSERT_TRUE(window.CountHasFocus());
    for (std::size_t finished = 0, step = 0, rare = 0; finished < static_cast<std::size_t>(games); ++step) {
        ASSERT_LT(step, 200 * finished + 200) << "games stopped ending";
        const std::string screen = window.Shot();
        const std::vector<int> marked = LegalSquares(line, 'B');
        const bool passes = screen.ends_with("パス");
        const bool over = marked.empty() && !passes;
        const std::size_t before = window.messages.size();
        const int any = static_cast<int>(pick(SquareCount));
        if (over || std::ranges::find(marked, any) == marked.end()) {
            window.Click(any);  // an unmarked square, and パス once the game is over, do nothing
            if (over) {
                window.Pass();
            }
            ASSERT_EQ(window.Shot(), screen) << "square " << any;
            ASSERT_EQ(window.messages.size(), before);
        }
        finished += over ? 1 : 0;
        std::vector<QString> expected;
        if ((over || pick(100) == 0) && pick(4) == 0) {
            std::tie(line, computerPassed) = RarePositions.at(rare++ % RarePositions.size());
            window.SetPosition(line, computerPassed);
        } else if (over || pick(100) == 0) {
            window.Reset();
            std::tie(line, computerPassed) = std::pair(StartLine, false);
            EXPECT_TRUE(window.CountHasFocus());
        } else {
            if (passes && (marked.empty() || pick(20) == 0)) {
                window.Pass();
            } else {
                const int square = marked.at(pick(marked.size()));
                window.Click(square);
                Capture(line, square, 'B');
            }
            const std::vector<int> answers = LegalSquares(line, 'W');
            computerPassed = answers.empty() && line.find('.') != Line::npos;
            if (computerPassed) {
                expected.push_back(ToQString(ComputerPassMessage));
                EXPECT_EQ(Squares(window.screensAtMessages.at(before)),
                          Squares(Expected(line, false, false)));
            } else if (!answers.empty()) {
                ASSERT_TRUE(std::ranges::find(answers, window.Focus()) != answers.end())
                    << "focus on its move";
                Capture(line, window.Focus(), 'W');
            }
        }
        EXPECT_EQ(window.Shot(), Expected(line, computerPassed));
        if (line.find('.') == Line::npos || (computerPassed && LegalSquares(line, 'B').empty())) {
            const auto black = std::ranges::count(line, 'B');
            const auto white = std::ranges::count(line, 'W');
            expected.emplace_back(std::array{"○の勝ちです。", "引き分けです。", "●の勝ちです。"}.at(
                (black >= white) + (black > white)));
            EXPECT_EQ(window.screensAtMessages.back(), window.Shot())
                << "the final window is up behind the result";
            EXPECT_TRUE(window.CountHasFocus() || window.Focus() < SquareCount)
                << "never on パス or リセット";
        }
        EXPECT_EQ(std::vector(window.messages.begin() + static_cast<long>(before), window.messages.end()),
                  expected);
        ASSERT_FALSE(HasFailure()) << "step " << step << " (the seed is printed above)";
    }
}

}  // namespace
}  // namespace uragae::testing

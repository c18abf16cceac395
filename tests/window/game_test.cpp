// Whole games through the window's handlers, each click checked against the rules reference: the
// board it leaves, the marked squares and their numbers, the counts, the pass button, the result.
#include <gtest/gtest.h>

#include <iostream>

#include "computer/computer_move.h"
#include "reference.h"
#include "window_harness.h"

namespace uragae {
namespace {

using testing::Screen;
using testing::WindowHarness;

const QString ComputerPasses = ToQString(ComputerPassMessage);

// The window showing `board`: unless `marked` is false, the person's moves light green with their
// numbers; the counts; the pass button.
Screen Expected(const BoardGrid& board, bool computerPassed, int focus, bool marked = true)
{
    Screen screen{.focusedSquare = focus};
    std::array<int, 3> counts{};
    for (int square = 0; square < SquareCount; ++square) {
        const std::string& cell = board(SquareColumn(square), SquareRow(square));
        const int flips = cell.empty() && marked
                              ? testing::ReferenceFlips(board, SquareColumn(square), SquareRow(square),
                                                        BlackStone, WhiteStone)
                              : 0;
        ++counts.at(cell == BlackStone ? 0 : cell == WhiteStone ? 1 : 2);
        screen.colors.push_back(flips > 0 ? LegalColor : ButtonFaceColor);
        screen.captions.push_back(flips > 0 ? QString::number(flips) : ToQString(cell));
    }
    for (const int count : counts) {
        screen.counts.push_back(QString::number(count));
    }
    const bool personCanMove = std::ranges::count(screen.colors, LegalColor) > 0;
    screen.passEnabled = (counts[2] > 0 && !personCanMove && !computerPassed) || counts[2] == 60;
    return screen;
}

// Checks the window after a refresh on `board`, and that the messages since `before` are
// `expected` and then the result exactly when the game is over, shown with the final window up.
void ExpectRefreshed(const WindowHarness& window, const BoardGrid& board, bool computerPassed,
                     std::vector<QString> expected, std::size_t before)
{
    const Screen screen = Expected(board, computerPassed, window.Shot().focusedSquare);
    EXPECT_EQ(window.Shot(), screen) << testing::BoardLine(board);
    const int black = screen.counts[0].toInt();
    const int white = screen.counts[1].toInt();
    if (screen.counts[2] == "0" || (computerPassed && std::ranges::count(screen.colors, LegalColor) == 0)) {
        expected.emplace_back(black > white    ? "●の勝ちです。"
                              : black == white ? "引き分けです。"
                                               : "○の勝ちです。");
        EXPECT_EQ(window.screensAtMessages.back(), screen) << "the final window is up behind the result";
    }
    EXPECT_EQ(std::vector(window.messages.begin() + static_cast<long>(before), window.messages.end()),
              expected);
}

// Plays the person's move on `square`, or passes (-1), and checks the turn: the computer answered
// on the square that holds the focus or, with squares empty and no move, announced its pass while
// the person's move was on screen, unmarked.
void PlayTurn(WindowHarness& window, int square)
{
    BoardGrid board = window.Board();
    const std::size_t before = window.messages.size();
    if (square < 0) {
        window.Pass();
    } else {
        board =
            testing::ReferencePlay(board, SquareColumn(square), SquareRow(square), BlackStone, WhiteStone);
        window.Click(square);
    }
    const std::vector<int> answers = testing::LegalSquares(board, WhiteStone, BlackStone);
    const bool computerPassed = answers.empty() && testing::BoardLine(board).find('.') != std::string::npos;
    const int focus = window.Shot().focusedSquare;
    if (computerPassed) {
        const Screen atPass = window.screensAtMessages.at(before);
        const Screen unmarked = Expected(board, false, atPass.focusedSquare, false);
        EXPECT_EQ(std::tie(atPass.captions, atPass.colors), std::tie(unmarked.captions, unmarked.colors));
    } else if (!answers.empty()) {
        EXPECT_TRUE(std::ranges::find(answers, focus) != answers.end())
            << "the focus is on the computer's move";
        board = testing::ReferencePlay(board, SquareColumn(focus), SquareRow(focus), WhiteStone, BlackStone);
    }
    ExpectRefreshed(window, board, computerPassed,
                    computerPassed ? std::vector{ComputerPasses} : std::vector<QString>{}, before);
}

// Positions that random games seldom reach, each with the computer's pass on its last turn:
// neither side can move (the person passes, the computer must pass, a draw); the person fills the
// last square (the computer has no turn and announces no pass); the computer cannot move but the
// person can; the person is stuck and the computer takes the last black stone; the computer passed
// and the person is stuck (over at once, with squares empty).
const std::vector<std::pair<std::string_view, bool>> RarePositions{
    {"BBBBBBBBBBBBBBBBBBBB........................WWWWWWWWWWWWWWWWWWWW", false},
    {"BBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBWWWWWWWWWWWWWWWWWWWWWWWWWWWWWBW.", true},
    {"BW......................................................BW......", false},
    {"WB..................................................WWWWWWWWWWWW", false},
    {"BBBBBBBBBBBBBBBBBBBB.....................WWWWWWWWWWWWWWWWWWWWWWW", true},
};

// Many games through the real handlers: marked squares, unmarked ones, passes and resets.
TEST(WholeGames, EveryClickPlaysAndShowsWhatTheRulesSay)
{
    const unsigned seed = testing::SeedFromEnvironment(4242U);
    const int games = testing::CountFromEnvironment("URAGAE_WINDOW_GAMES", 80);
    std::cout << "whole games: seed " << seed << ", " << games
              << " games (URAGAE_SEED, URAGAE_WINDOW_GAMES)\n";
    RecordProperty("seed", std::to_string(seed));
    std::mt19937 random(seed);
    const auto pick = [&random](int count) {
        return std::uniform_int_distribution<int>(0, count - 1)(random);
    };
    WindowHarness window;
    window.draw = [&random] { return std::uniform_real_distribution<double>(0, 1)(random); };
    const Screen start = Expected(testing::ParseBoard(testing::StartLine), false, -1);
    EXPECT_EQ(window.Board(), testing::ParseBoard(testing::StartLine)) << "the designed captions";
    EXPECT_EQ(window.Shot().colors, std::vector<quint32>(SquareCount, ButtonFaceColor)) << "before the load";
    window.Show();
    bool newGame = true;  // after the load, then after each reset
    std::size_t rare = 0;
    for (int finished = 0, step = 0; finished < games; ++step) {
        if (std::exchange(newGame, false)) {
            ASSERT_EQ(window.Shot(), start);
            ASSERT_TRUE(window.BlackCount()->hasFocus());
        }
        ASSERT_LT(step, 200 * games) << "games stopped ending";
        const Screen screen = window.Shot();
        const std::vector<int> marked = testing::LegalSquares(window.Board(), BlackStone, WhiteStone);
        const bool over = marked.empty() && !screen.passEnabled;
        const std::size_t messages = window.messages.size();
        const int any = pick(SquareCount);
        if (over || screen.colors.at(any) != LegalColor) {
            window.Click(any);
            if (over) {
                window.Pass();
            }
            ASSERT_EQ(window.Shot(), screen) << "square " << any << " is unmarked, or the game over";
            ASSERT_EQ(window.messages.size(), messages);
        }
        if ((over || pick(100) == 0) && pick(4) == 0) {
            finished += over ? 1 : 0;
            const auto& [position, computerPassed] = RarePositions.at(rare++ % RarePositions.size());
            window.SetPosition(position, computerPassed ? 1 : 0);
            ExpectRefreshed(window, testing::ParseBoard(position), computerPassed, {}, messages);
        } else if (over || pick(100) == 0) {
            finished += over ? 1 : 0;
            window.Reset();
            newGame = true;
        } else if (screen.passEnabled && (marked.empty() || pick(20) == 0)) {
            PlayTurn(window, -1);
        } else {
            PlayTurn(window, marked.at(pick(static_cast<int>(marked.size()))));
        }
        ASSERT_FALSE(HasFailure()) << "seed " << seed << ", step " << step;
    }
}

}  // namespace
}  // namespace uragae

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

// The window once a turn has ended on `board`: the person's moves marked with their numbers and
// nothing else, the counts, and the pass button.
Screen Expected(const BoardGrid& board, bool computerPassed, int focus)
{
    Screen screen{.focusedSquare = focus};
    std::array<int, 3> counts{};
    for (int square = 0; square < SquareCount; ++square) {
        const std::string& cell = board(SquareColumn(square), SquareRow(square));
        const int flips = cell.empty() ? testing::ReferenceFlips(board, SquareColumn(square),
                                                                 SquareRow(square), BlackStone, WhiteStone)
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

// The result message when the game is over on this screen, else none.
std::vector<QString> Result(const Screen& screen, bool computerPassed)
{
    const int black = screen.counts[0].toInt();
    const int white = screen.counts[1].toInt();
    if (screen.counts[2] != "0" && (!computerPassed || std::ranges::count(screen.colors, LegalColor) > 0)) {
        return {};
    }
    return {black > white ? "●の勝ちです。" : black == white ? "引き分けです。" : "○の勝ちです。"};
}

// Plays the person's move on `square`, or passes (-1), and checks the whole turn: the computer
// answered on the square that holds the focus, or, with empty squares left and no move, announced
// its pass while the person's move was on screen unmarked; the result, when the game is over,
// came with the final window on screen.
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
    std::vector<QString> expectedMessages;
    if (computerPassed) {
        expectedMessages.push_back(ComputerPasses);
        Screen unmarked = Expected(board, false, -1);
        std::ranges::fill(unmarked.colors, ButtonFaceColor);
        EXPECT_EQ(window.screensAtMessages.at(before).colors, unmarked.colors);
        EXPECT_EQ(window.Board(), board) << "the person's move is on screen during the computer's pass";
    } else if (!answers.empty()) {
        EXPECT_TRUE(std::ranges::find(answers, focus) != answers.end())
            << "the focus is on the computer's move";
        board = testing::ReferencePlay(board, SquareColumn(focus), SquareRow(focus), WhiteStone, BlackStone);
    }
    const Screen expected = Expected(board, computerPassed, focus);
    EXPECT_EQ(window.Shot(), expected) << testing::BoardLine(board);
    for (const QString& result : Result(expected, computerPassed)) {
        expectedMessages.push_back(result);
        EXPECT_EQ(window.screensAtMessages.back(), expected) << "the final window is up behind the result";
    }
    EXPECT_EQ(std::vector(window.messages.begin() + static_cast<long>(before), window.messages.end()),
              expectedMessages);
}

// Many games through the real handlers: marked squares, unmarked ones, passes and resets.
TEST(WholeGames, EveryClickPlaysAndShowsWhatTheRulesSay)
{
    const unsigned seed = testing::SeedFromEnvironment(4242U);
    const int games = testing::CountFromEnvironment("URAGAE_WINDOW_GAMES", 60);
    std::cout << "whole games: seed " << seed << ", " << games
              << " games (URAGAE_SEED, URAGAE_WINDOW_GAMES)\n";
    RecordProperty("seed", std::to_string(seed));
    std::mt19937 random(seed);
    const auto pick = [&random](int count) {
        return std::uniform_int_distribution<int>(0, count - 1)(random);
    };
    WindowHarness window;
    window.draw = [&random] { return std::uniform_real_distribution<double>(0, 1)(random); };
    window.Show();
    for (int finished = 0, step = 0; finished < games; ++step) {
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
        if (over || pick(100) == 0) {
            finished += over ? 1 : 0;
            window.Reset();
            EXPECT_EQ(window.Shot(), Expected(testing::ParseBoard(testing::StartLine), false, -1));
            EXPECT_TRUE(window.BlackCount()->hasFocus());
        } else if (screen.passEnabled && (marked.empty() || pick(20) == 0)) {
            PlayTurn(window, -1);
        } else {
            PlayTurn(window, marked.at(pick(static_cast<int>(marked.size()))));
        }
        ASSERT_FALSE(HasFailure()) << "seed " << seed << ", step " << step;
    }
}

// Endings that random games seldom reach, as the position, the computer's pass on its last turn,
// the person's square (Pass: パス; None: no turn) and the messages the window shows from the start.
TEST(RareEndings, EndAsTheRulesSay)
{
    struct Ending {
        std::string_view position;
        int computerPassed;
        int square;
        std::vector<QString> messages;
    };
    constexpr int Pass = -1;
    constexpr int None = SquareCount;
    const std::vector<Ending> endings{
        // Neither side can move, 20 stones each: the person passes, the computer must pass, a draw.
        {"BBBBBBBBBBBBBBBBBBBB........................WWWWWWWWWWWWWWWWWWWW",
         0,
         Pass,
         {ComputerPasses, "引き分けです。"}},
        // The person fills the last square: the computer has no turn and announces no pass.
        {"BBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBWWWWWWWWWWWWWWWWWWWWWWWWWWWWWBW.", 1, 63, {"●の勝ちです。"}},
        // The computer has no move; the person has one left and plays on.
        {"BW......................................................BW......", 0, 2, {ComputerPasses}},
        // The person is stuck and passes; the computer takes the last black stone and waits.
        {"WB..................................................WWWWWWWWWWWW", 0, Pass, {}},
        // The computer passed last and the person is stuck: over at once, with squares empty.
        {"BBBBBBBBBBBBBBBBBBBB.....................WWWWWWWWWWWWWWWWWWWWWWW", 1, None, {"○の勝ちです。"}},
    };
    for (const Ending& ending : endings) {
        WindowHarness window;
        window.Show();
        window.SetPosition(ending.position, ending.computerPassed);
        if (ending.square != None) {
            PlayTurn(window, ending.square);
        }
        EXPECT_EQ(window.messages, ending.messages) << ending.position;
    }
}

}  // namespace
}  // namespace uragae

// Whole games through the window's handlers, every click checked against the rules: the board it
// leaves, the marked squares and their numbers, the counts, the pass button and the result.
#include <gtest/gtest.h>

#include <iostream>
#include <random>

#include "computer/computer_move.h"
#include "reference.h"
#include "window_harness.h"

namespace uragae {
namespace {

using testing::ReferenceFlips;
using testing::WindowHarness;

const QString ComputerPasses = ToQString(ComputerPassMessage);
const std::string StartLine = std::string(27, '.') + "WB......BW" + std::string(27, '.');

int Flips(const BoardGrid& board, int square, std::string_view own, std::string_view opp)
{
    const int x = SquareColumn(square);
    const int y = SquareRow(square);
    return board(x, y).empty() ? ReferenceFlips(board, x, y, own, opp) : 0;
}

bool CanMove(const BoardGrid& board, std::string_view own, std::string_view opp)
{
    for (int square = 0; square < SquareCount; ++square) {
        if (Flips(board, square, own, opp) > 0) {
            return true;
        }
    }
    return false;
}

// The window after a turn ended on `board`: "●"'s moves marked with their numbers and nothing
// else, the counts, the pass rule, and the result announced exactly when the game is over, with
// the final window already on screen. `fresh` are the messages of this turn after the pass.
void ExpectTurnShown(const WindowHarness& window, const BoardGrid& board, bool computerPassed,
                     const std::vector<QString>& fresh, const testing::Screen* atResult)
{
    const testing::Screen screen = window.Shot();
    int counts[3] = {0, 0, 0};
    for (int square = 0; square < SquareCount; ++square) {
        const std::string& cell = board(SquareColumn(square), SquareRow(square));
        const int flips = Flips(board, square, BlackStone, WhiteStone);
        ++counts[cell == BlackStone ? 0 : cell == WhiteStone ? 1 : 2];
        ASSERT_EQ(screen.colors[square], flips > 0 ? LegalColor : ButtonFaceColor) << square;
        ASSERT_EQ(screen.captions[square], flips > 0 ? QString::number(flips) : ToQString(cell)) << square;
    }
    ASSERT_EQ(screen.counts, (std::vector<QString>{QString::number(counts[0]), QString::number(counts[1]),
                                                   QString::number(counts[2])}));
    const bool personCanMove = CanMove(board, BlackStone, WhiteStone);
    ASSERT_EQ(screen.passEnabled, (counts[2] > 0 && !personCanMove && !computerPassed) || counts[2] == 60);
    const bool over = counts[2] == 0 || (computerPassed && !personCanMove);
    const QString result = counts[0] > counts[1]    ? QStringLiteral("●の勝ちです。")
                           : counts[0] == counts[1] ? QStringLiteral("引き分けです。")
                                                    : QStringLiteral("○の勝ちです。");
    ASSERT_EQ(fresh, over ? std::vector<QString>{result} : std::vector<QString>{})
        << testing::BoardLine(board);
    if (over) {
        ASSERT_EQ(atResult->captions, screen.captions);
        ASSERT_EQ(atResult->colors, screen.colors);
        ASSERT_EQ(atResult->counts, screen.counts);
        ASSERT_FALSE(atResult->passEnabled);
    }
}

std::vector<QString> Captions(const BoardGrid& board)
{
    std::vector<QString> captions;
    for (int square = 0; square < SquareCount; ++square) {
        captions.push_back(ToQString(board(SquareColumn(square), SquareRow(square))));
    }
    return captions;
}

// Plays the person's move on `square` (or passes when square is -1) and checks the turn: the
// computer answered on the square that holds the focus, or, with empty squares left and no move,
// announced its pass while the person's move was on screen and nothing marked. Returns whether
// the computer passed.
bool PlayTurn(WindowHarness& window, int square)
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
    std::vector<QString> fresh(window.messages.begin() + static_cast<long>(before), window.messages.end());
    const bool full = testing::BoardLine(board).find('.') == std::string::npos;
    const bool computerPassed = !full && !CanMove(board, WhiteStone, BlackStone);
    if (computerPassed) {
        EXPECT_FALSE(fresh.empty() || fresh.front() != ComputerPasses);
        const testing::Screen& atPass = window.screensAtMessages.at(before);
        EXPECT_EQ(atPass.captions, Captions(board));
        EXPECT_EQ(atPass.colors, std::vector<quint32>(SquareCount, ButtonFaceColor));
        fresh.erase(fresh.begin());
    } else if (!full) {
        const int answer = window.Shot().focusedSquare;
        EXPECT_GT(answer < 0 ? 0 : Flips(board, answer, WhiteStone, BlackStone), 0) << "focus on the answer";
        board =
            testing::ReferencePlay(board, SquareColumn(answer), SquareRow(answer), WhiteStone, BlackStone);
    }
    EXPECT_EQ(testing::BoardLine(window.Board()), testing::BoardLine(board));
    ExpectTurnShown(window, board, computerPassed, fresh,
                    fresh.empty() ? nullptr : &window.screensAtMessages.back());
    return computerPassed;
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
    const auto chance = [&random](double p) {
        return std::uniform_real_distribution<double>(0, 1)(random) < p;
    };
    WindowHarness window;
    window.draw = [&random] { return std::uniform_real_distribution<double>(0, 1)(random); };
    window.Show();
    bool computerPassed = false;
    for (int finished = 0, steps = 0; finished < games; ++steps) {
        ASSERT_LT(steps, 200 * games) << "games stopped ending";
        const testing::Screen screen = window.Shot();
        std::vector<int> marked;
        for (int square = 0; square < SquareCount; ++square) {
            if (screen.colors[square] == LegalColor) {
                marked.push_back(square);
            }
        }
        const int any = std::uniform_int_distribution<int>(0, SquareCount - 1)(random);
        const std::size_t messages = window.messages.size();
        if (marked.empty() && !screen.passEnabled) {  // over: the squares and the pass do nothing
            window.Click(any);
            window.Pass();
            ASSERT_EQ(window.Shot(), screen);
            ASSERT_EQ(window.messages.size(), messages) << "the result is announced once";
        }
        if (chance(0.01) || (marked.empty() && !screen.passEnabled)) {
            finished += marked.empty() && !screen.passEnabled ? 1 : 0;
            window.Reset();
            ExpectTurnShown(window, testing::ParseBoard(StartLine), computerPassed, {}, nullptr);
            ASSERT_TRUE(window.BlackCount()->hasFocus());
        } else if (screen.colors[any] != LegalColor && chance(0.1)) {
            window.Click(any);
            ASSERT_EQ(window.Shot(), screen) << "an unmarked square played";
            ASSERT_EQ(window.messages.size(), messages);
        } else if (screen.passEnabled && (marked.empty() || chance(0.05))) {
            computerPassed = PlayTurn(window, -1);
        } else {
            computerPassed = PlayTurn(
                window, marked[std::uniform_int_distribution<std::size_t>(0, marked.size() - 1)(random)]);
        }
        ASSERT_FALSE(::testing::Test::HasFailure()) << "seed " << seed << ", step " << steps;
    }
}

// Endings that random games seldom reach: the position, the computer's last turn, the person's
// square (-1: pass) and every message that follows.
TEST(RareEndings, EndAsTheRulesSay)
{
    const QString black = QStringLiteral("●の勝ちです。");
    const QString draw = QStringLiteral("引き分けです。");
    const QString white = QStringLiteral("○の勝ちです。");
    struct Ending {
        std::string_view position;
        int computerPassed;
        int square;
        std::vector<QString> messages;
    };
    const std::vector<Ending> endings{
        // Both sides stuck with 20 stones each: the person passes, the computer must pass, a draw.
        {"BBBBBBBBBBBBBBBBBBBB........................WWWWWWWWWWWWWWWWWWWW", 0, -1, {ComputerPasses, draw}},
        // The person fills the last square: the computer has no turn, no pass is announced.
        {"BBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBWWWWWWWWWWWWWWWWWWWWWWWWWWWWWBW.", 1, 63, {black}},
        // The computer, with no move, passes; the person moves on.
        {"BW......................................................BW......", 0, 2, {ComputerPasses}},
        // The person is stuck and passes; the computer takes the last black stone, then is stuck.
        {"WB..................................................WWWWWWWWWWWW", 0, -1, {}},
    };
    for (const Ending& ending : endings) {
        WindowHarness window;
        window.Show();
        window.SetPosition(ending.position, ending.computerPassed);
        ASSERT_TRUE(window.messages.empty()) << ending.position;
        PlayTurn(window, ending.square);
        EXPECT_EQ(window.messages, ending.messages) << ending.position;
    }
    WindowHarness window;
    window.SetPosition("BBBBBBBBBBBBBBBBBBBB.....................WWWWWWWWWWWWWWWWWWWWWWW", 1);
    EXPECT_EQ(window.messages, std::vector<QString>{white}) << "the computer passed and the person is stuck";
}

}  // namespace
}  // namespace uragae

// Whole turns through the window's handlers: marking, counts, passing, the computer's answer, the
// end of the game and a new game.
#include <gtest/gtest.h>

#include <QTest>

#include <iostream>
#include <random>

#include "board_diagrams.h"
#include "computer/computer_move.h"
#include "reference.h"
#include "test_seed.h"
#include "window_harness.h"

namespace uragae {
namespace {

using testing::CountCells;
using testing::ParseBoard;
using testing::ScreenState;
using testing::WindowHarness;

const QString BlackWins = QStringLiteral("●の勝ちです。");
const QString Draw = QStringLiteral("引き分けです。");
const QString WhiteWins = QStringLiteral("○の勝ちです。");
const QString ComputerPasses = ToQString(ComputerPassMessage);

// Black can take the white stone at the top or the one at the bottom; neither side has any
// other move, and white, with a black stone in each corner behind its own, has none at all.
constexpr std::string_view TwoLoneCaptures = R"(
    BW......
    ........
    ........
    ........
    ........
    ........
    ........
    BW......
)";

constexpr std::string_view StuckDraw = testing::StuckDrawDiagram;

void ExpectStartPicture(WindowHarness& harness)
{
    Form1& form = harness.Window();
    EXPECT_EQ(harness.BoardOnScreen(), ParseBoard(testing::StartDiagram));
    EXPECT_EQ(harness.MarkedSquares(), (std::vector<int>{19, 26, 37, 44}));
    for (const int square : harness.MarkedSquares()) {
        EXPECT_EQ(form.SquareCaption(square), QStringLiteral("1"));
    }
    EXPECT_EQ(form.Text1->text(), QStringLiteral("2"));
    EXPECT_EQ(form.Text2->text(), QStringLiteral("2"));
    EXPECT_EQ(form.Text3->text(), QStringLiteral("60"));
    EXPECT_TRUE(form.Command2->isEnabled());
}

TEST(StartUp, OpensOnTheMarkedStartPositionWithFocusOnTheBlackCount)
{
    WindowHarness harness;
    harness.Show();
    ExpectStartPicture(harness);
    EXPECT_TRUE(harness.Window().Text1->hasFocus());
    EXPECT_TRUE(harness.messages.empty());
}

TEST(PersonMoves, ComputerAnswersInTheSameClickWithFocusOnItsSquare)
{
    WindowHarness harness;
    harness.Show();
    Form1& form = harness.Window();
    form.Command1.at(19)->click();

    const BoardGrid board = harness.BoardOnScreen();
    EXPECT_EQ(CountCells(board, BlackStone) + CountCells(board, WhiteStone), 6) << testing::DrawBoard(board);
    EXPECT_EQ(board(3, 2), BlackStone);
    const int answered = harness.FocusedSquare();
    ASSERT_NE(answered, -1) << "the focus is on the computer's square";
    EXPECT_EQ(form.SquareCaption(answered), QStringLiteral("○"));
    EXPECT_EQ(form.Text3->text(), QStringLiteral("58"));
    EXPECT_FALSE(form.Command2->isEnabled()) << "the person has moves and the start is past";
    EXPECT_TRUE(harness.messages.empty());
}

TEST(PersonMoves, ClickOnAnOccupiedOrUnmarkedSquareChangesNothing)
{
    WindowHarness harness;
    harness.Show();
    const ScreenState before = harness.Screen();
    for (const int square : {27, 28, 0, 18, 63}) {
        harness.Window().Command1.at(square)->click();
        EXPECT_EQ(harness.Screen(), before) << "square " << square;
    }
    EXPECT_TRUE(harness.messages.empty());
}

TEST(PersonMoves, OnlyTheColorDecidesWhetherASquarePlays)
{
    WindowHarness harness;
    harness.Show();
    Form1& form = harness.Window();
    form.SetSquareCaption(0, QStringLiteral("1"));  // a number on an unmarked square does not play
    const ScreenState before = harness.Screen();
    form.Command1.at(0)->click();
    EXPECT_EQ(harness.Screen(), before);

    form.SetSquareCaption(19, QString());  // a marked square without its number still plays
    form.Command1.at(19)->click();
    EXPECT_EQ(harness.BoardOnScreen()(3, 2), BlackStone);
}

TEST(Passing, AtTheStartLetsTheComputerOpen)
{
    WindowHarness harness;
    harness.Show();
    Form1& form = harness.Window();
    form.Command2->click();
    EXPECT_EQ(form.Text1->text(), QStringLiteral("1"));
    EXPECT_EQ(form.Text2->text(), QStringLiteral("4"));
    EXPECT_EQ(form.Text3->text(), QStringLiteral("59"));
    EXPECT_FALSE(harness.MarkedSquares().empty()) << "the person continues";
    EXPECT_FALSE(form.Command2->isEnabled());
}

TEST(Passing, IsOfferedWhenThePersonIsStuckAndHandsTheMoveOver)
{
    WindowHarness harness;
    harness.Show();
    // Black has no move; white can take the black stone in row 0 from (2, 0).
    harness.SetPosition(R"(
        WB......
        ........
        ........
        ........
        ........
        ........
        .......W
        ......WW
    )");
    Form1& form = harness.Window();
    EXPECT_TRUE(harness.MarkedSquares().empty());
    EXPECT_TRUE(form.Command2->isEnabled());
    EXPECT_TRUE(harness.messages.empty());

    form.Command2->click();
    EXPECT_EQ(harness.BoardOnScreen()(2, 0), WhiteStone);
    EXPECT_TRUE(harness.messages.empty());
    EXPECT_TRUE(form.Command2->isEnabled()) << "no black stone is left, but the computer has not passed yet";

    form.Command2->click();
    EXPECT_EQ(harness.messages, (std::vector<QString>{ComputerPasses, WhiteWins}));
    EXPECT_FALSE(form.Command2->isEnabled());
}

TEST(ComputerPass, IsAnnouncedAndThePersonPlaysOn)
{
    WindowHarness harness;
    harness.Show();
    harness.SetPosition(TwoLoneCaptures);
    Form1& form = harness.Window();
    EXPECT_EQ(harness.MarkedSquares(), (std::vector<int>{2, 58}));

    // While the computer's message is open, the person's move is on screen and nothing is marked.
    std::vector<BoardGrid> boardsAtMessage;
    std::vector<std::vector<int>> markedAtMessage;
    harness.onMessage = [&](const QString&) {
        boardsAtMessage.push_back(harness.BoardOnScreen());
        markedAtMessage.push_back(harness.MarkedSquares());
    };
    form.Command1.at(2)->click();
    ASSERT_EQ(boardsAtMessage.size(), 1U);
    EXPECT_EQ(boardsAtMessage.front(), ParseBoard(R"(
        BBB.....
        ........
        ........
        ........
        ........
        ........
        ........
        BW......
    )")) << testing::DrawBoard(boardsAtMessage.front());
    EXPECT_TRUE(markedAtMessage.front().empty());
    EXPECT_EQ(form.SquareCaption(58), QStringLiteral("1")) << "marked again once the message is closed";
    harness.onMessage = nullptr;
    EXPECT_EQ(harness.messages, (std::vector<QString>{ComputerPasses}));
    EXPECT_EQ(form.Game.ComputerPassed, 1);
    EXPECT_EQ(harness.MarkedSquares(), (std::vector<int>{58}));
    EXPECT_FALSE(form.Command2->isEnabled()) << "the person has a move after the computer's pass";
    EXPECT_EQ(form.Text1->text(), QStringLiteral("4"));
    EXPECT_EQ(form.Text2->text(), QStringLiteral("1"));
    EXPECT_EQ(form.Text3->text(), QStringLiteral("59"));

    // Taking the last white stone leaves both sides stuck: the game ends with squares empty.
    form.Command1.at(58)->click();
    EXPECT_EQ(harness.messages, (std::vector<QString>{ComputerPasses, ComputerPasses, BlackWins}));
    EXPECT_TRUE(harness.MarkedSquares().empty());
    EXPECT_FALSE(form.Command2->isEnabled());
    EXPECT_EQ(form.Text3->text(), QStringLiteral("58"));
}

TEST(GameEnd, BothSidesStuckIsADrawWhenTheCountsAreEqual)
{
    WindowHarness harness;
    harness.Show();
    harness.SetPosition(StuckDraw);
    Form1& form = harness.Window();
    EXPECT_TRUE(harness.messages.empty()) << "the computer moved last: the person may still pass";
    EXPECT_TRUE(form.Command2->isEnabled());

    form.Command2->click();
    EXPECT_EQ(harness.messages, (std::vector<QString>{ComputerPasses, Draw}));
    EXPECT_FALSE(form.Command2->isEnabled());
    EXPECT_EQ(form.Text1->text(), QStringLiteral("20"));
    EXPECT_EQ(form.Text2->text(), QStringLiteral("20"));
    EXPECT_EQ(form.Text3->text(), QStringLiteral("24"));
}

TEST(GameEnd, MoreWhiteStonesIsTheComputersWin)
{
    WindowHarness harness;
    harness.Show();
    harness.Window().Game.ComputerPassed = 1;
    harness.SetPosition(R"(
        BBBBBBBB
        BBBBBBBB
        BBB.....
        ........
        ........
        ...WWWWW
        WWWWWWWW
        WWWWWWWW
    )");
    EXPECT_EQ(harness.messages, (std::vector<QString>{WhiteWins}));
}

TEST(GameEnd, FullBoardEndsTheGameWhateverTheComputerLastDid)
{
    constexpr std::string_view lastSquare = R"(
        BBBBBBBB
        BBBBBBBB
        BBBBBBBB
        BBBBBBBB
        WWWWWWWW
        WWWWWWWW
        WWWWWWWW
        WWWWWBW.
    )";
    for (const int passedBefore : {0, 1}) {
        WindowHarness harness;
        harness.Show();
        harness.SetPosition(lastSquare);
        harness.Window().Game.ComputerPassed = passedBefore;
        harness.Window().Command1.at(63)->click();
        EXPECT_EQ(harness.messages, (std::vector<QString>{BlackWins})) << "passed before: " << passedBefore;
        EXPECT_EQ(harness.Window().Text3->text(), QStringLiteral("0"));
        EXPECT_EQ(harness.Window().Game.ComputerPassed, 0) << "a full board is no pass";
    }
}

TEST(GameEnd, AfterTheResultOnlyResetActs)
{
    WindowHarness harness;
    harness.Show();
    harness.SetPosition(StuckDraw);
    Form1& form = harness.Window();
    form.Command2->click();
    ASSERT_EQ(harness.messages.size(), 2U);

    const ScreenState ended = harness.Screen();
    for (int square = 0; square < SquareCount; ++square) {
        form.Command1.at(square)->click();
    }
    form.Command2->click();
    EXPECT_EQ(harness.Screen(), ended);
    EXPECT_EQ(harness.messages.size(), 2U) << "the result is announced once";

    form.Command3->click();
    ExpectStartPicture(harness);
    EXPECT_TRUE(form.Text1->hasFocus());
}

TEST(Reset, MidGameRestoresTheStartPicture)
{
    WindowHarness harness;
    harness.Show();
    Form1& form = harness.Window();
    form.Command1.at(19)->click();
    form.Command1.at(harness.MarkedSquares().front())->click();
    form.Command3->click();
    ExpectStartPicture(harness);
    EXPECT_TRUE(form.Text1->hasFocus());
}

// Hundreds of games through the real handlers: random marked and unmarked squares, passes and
// resets, with the window checked against an independent statement of the rules after each step.
TEST(LongRun, EveryStepOfManyGamesShowsAConsistentWindow)
{
    const unsigned seed = testing::SeedFromEnvironment(4242U);
    const int games = testing::CountFromEnvironment("URAGAE_WINDOW_GAMES", 100);
    std::cout << "window long run: seed " << seed << ", " << games
              << " games (repeat with URAGAE_SEED=" << seed << ", size with URAGAE_WINDOW_GAMES)\n";
    RecordProperty("seed", std::to_string(seed));
    std::mt19937 random(seed);
    const auto chance = [&random](double p) {
        return std::uniform_real_distribution<double>(0, 1)(random) < p;
    };
    const auto pick = [&random](std::size_t size) {
        return std::uniform_int_distribution<std::size_t>(0, size - 1)(random);
    };

    WindowHarness harness;
    harness.Show();
    Form1& form = harness.Window();
    form.SetComputerRandom([&random] { return std::uniform_real_distribution<double>(0, 1)(random); });

    int finished = 0;
    int steps = 0;
    std::size_t resultsSeen = 0;
    bool computerPassed = false;  // from what the window said, not from its own flag
    while (finished < games) {
        ASSERT_LT(++steps, games * 200) << "games stopped finishing";
        const ScreenState before = harness.Screen();
        const std::vector<int> marked = harness.MarkedSquares();
        const std::size_t messagesBefore = harness.messages.size();
        bool expectUnchanged = false;
        if (chance(0.01)) {
            form.Command3->click();
            resultsSeen = harness.messages.size();
        } else if (!marked.empty() && !chance(0.1)) {
            form.Command1.at(marked.at(pick(marked.size())))->click();
        } else if (form.Command2->isEnabled() && chance(0.5)) {
            form.Command2->click();
        } else {
            int square = static_cast<int>(pick(SquareCount));
            while (form.SquareBackColor(square) == LegalColor) {
                square = (square + 1) % SquareCount;
            }
            form.Command1.at(square)->click();
            expectUnchanged = true;
        }
        if (expectUnchanged) {
            ASSERT_EQ(harness.Screen(), before) << "an unmarked square changed the window";
            ASSERT_EQ(harness.messages.size(), messagesBefore);
            continue;
        }
        if (harness.messages.size() > messagesBefore || before.empty != form.Text3->text()) {
            // The computer had its turn, or a reset brought back the start, where its last pass
            // no longer counts.
            computerPassed = harness.messages.size() > messagesBefore &&
                             harness.messages.at(messagesBefore) == ComputerPasses;
        }

        // The counts add up and match the board.
        const BoardGrid board = harness.BoardOnScreen();
        const int black = CountCells(board, BlackStone);
        const int white = CountCells(board, WhiteStone);
        const int empty = SquareCount - black - white;
        ASSERT_EQ(form.Text1->text(), QString::number(black));
        ASSERT_EQ(form.Text2->text(), QString::number(white));
        ASSERT_EQ(form.Text3->text(), QString::number(empty));

        // The marked squares and their numbers are exactly black's moves.
        bool personCanMove = false;
        for (int square = 0; square < SquareCount; ++square) {
            const int x = SquareColumn(square);
            const int y = SquareRow(square);
            const int flips =
                board(x, y) == EmptyCell ? testing::ReferenceFlips(board, x, y, BlackStone, WhiteStone) : 0;
            personCanMove = personCanMove || flips > 0;
            ASSERT_EQ(form.SquareBackColor(square), flips > 0 ? LegalColor : ButtonFaceColor)
                << "square " << square;
            if (flips > 0) {
                ASSERT_EQ(form.SquareCaption(square), QString::number(flips)) << "square " << square;
            }
        }

        const bool passRule = (empty > 0 && !personCanMove && !computerPassed) || empty == 60;
        ASSERT_EQ(form.Command2->isEnabled(), passRule);

        const bool over = empty == 0 || (computerPassed && !personCanMove);
        std::size_t results = 0;
        for (std::size_t i = resultsSeen; i < harness.messages.size(); ++i) {
            results += harness.messages.at(i) != ComputerPasses ? 1 : 0;
        }
        ASSERT_EQ(results, over ? 1U : 0U) << "the result is announced once per game, at its end";
        if (over) {
            const QString expected = black > white ? BlackWins : black == white ? Draw : WhiteWins;
            ASSERT_EQ(harness.messages.back(), expected);
            ++finished;
            form.Command3->click();
            resultsSeen = harness.messages.size();
        }
    }
}

}  // namespace
}  // namespace uragae

// ComputerMove: which of its legal moves the computer plays, and what else one turn changes.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "board_diagrams.h"
#include "computer/computer_move.h"
#include "rules/game_state.h"

namespace uragae {
namespace {

using testing::DrawBoard;
using testing::ParseBoard;
using testing::StartDiagram;
using testing::StateWith;

const double JustBelowOne = std::nextafter(1.0, 0.0);

// Records what the computer asks of the window, with the board as it stood at each focus.
class RecordingWindow final : public ComputerWindow {
public:
    explicit RecordingWindow(const GameState& game) : game_(&game) {}

    void FocusSquare(int square) override
    {
        focused.push_back(square);
        boardsAtFocus.push_back(game_->Board);
    }
    void ShowMessage(std::string_view text) override { messages.emplace_back(text); }

    std::vector<int> focused;
    std::vector<BoardGrid> boardsAtFocus;
    std::vector<std::string> messages;

private:
    const GameState* game_;
};

// Kept in snapshot slot 0 across every turn: the computer may use slots 1 and 2 only.
constexpr std::string_view FullBoard = R"(
    BBBBBBBB
    BWWWWWWB
    BWBBBBWB
    BWBWWBWB
    BWBWWBWB
    BWBBBBWB
    BWWWWWWB
    BBBBBBBB
)";

// One computer turn with a fixed draw and a pause that only counts.
struct Turn {
    explicit Turn(std::string_view diagram) : window(game)
    {
        game.Board = ParseBoard(FullBoard);
        game.SaveBoard(0);
        game.Board = entryBoard = ParseBoard(diagram);
    }

    void Play(double r)
    {
        const RandomDraw draw = [this, r] {
            ++draws;
            return r;
        };
        ComputerMove(game, window, draw, [this] { ++pauses; });
    }

    GameState game;
    RecordingWindow window;
    BoardGrid entryBoard;
    int draws = 0;
    int pauses = 0;
};

// The square played with draw r. Fails the test unless that square got the focus while the
// board still held the entry position, the board then changed exactly as playing "○" there
// changes it, slot 0 was kept, and the pause and the draw each ran once.
int PlayedSquare(std::string_view diagram, double r)
{
    Turn turn(diagram);
    turn.Play(r);
    if (turn.window.focused.size() != 1) {
        ADD_FAILURE() << turn.window.focused.size() << " focus calls for r = " << r
                      << DrawBoard(turn.entryBoard);
        return -1;
    }
    const int square = turn.window.focused.front();
    GameState expected = StateWith(diagram);
    expected.TryMove(SquareColumn(square), SquareRow(square), PlayMode, WhiteStone, BlackStone);
    EXPECT_EQ(expected.Board(SquareColumn(square), SquareRow(square)), WhiteStone) << square;
    EXPECT_EQ(turn.game.Board, expected.Board) << "focus on " << square << DrawBoard(turn.game.Board);
    EXPECT_EQ(turn.window.boardsAtFocus.front(), turn.entryBoard) << "focus after the move";
    EXPECT_EQ(turn.game.Snapshots.Slot(0), ParseBoard(FullBoard));
    EXPECT_EQ(turn.pauses, 1);
    EXPECT_EQ(turn.draws, 1);
    EXPECT_TRUE(turn.window.messages.empty());
    return square;
}

// Every square played as r sweeps [0, 1) in 64 steps. A class of up to 64 members spreads
// them over intervals of width 1/64 or more, so each member is hit by some step.
std::vector<int> SquaresPlayedAcrossDraws(std::string_view diagram)
{
    std::set<int> played;
    for (int step = 0; step < 64; ++step) {
        played.insert(PlayedSquare(diagram, (step + 0.5) / 64));
    }
    return {played.begin(), played.end()};
}

// ---------------------------------------------------------------------------------------------
// Corners come first

TEST(CornerMoves, LegalCornerIsPlayedEvenWhenOtherMovesShutThePersonOut)
{
    // (7, 0) is the only legal corner. (7, 1) and (6, 2) would each leave "●" only the stones
    // on (0, 0) and (7, 7), with no reply at all.
    constexpr std::string_view position = R"(
        B.....W.
        .....WB.
        .....W..
        ..W.....
        ........
        ........
        ........
        .......B
    )";
    EXPECT_EQ(SquaresPlayedAcrossDraws(position), std::vector<int>{SquareIndex(7, 0)});
}

TEST(CornerMoves, LegalCornerIsPlayedEvenWhenTheLookAheadWouldRankAnotherMoveFirst)
{
    // Besides the corner (0, 0), "○" may play (2, 2); "●" could then answer only on (3, 0) or
    // (3, 2), and either answer opens (0, 0) to "○" along row 0.
    constexpr std::string_view position = R"(
        .BW.W..W
        ..B.....
        ........
        ........
        ........
        ........
        ........
        B......B
    )";
    EXPECT_EQ(SquaresPlayedAcrossDraws(position), std::vector<int>{SquareIndex(0, 0)});
}

TEST(CornerMoves, TwoLegalCornersAreDrawnInCornerOrderWhateverTheyTurn)
{
    // (7, 0) turns one stone and (0, 7) three; (3, 6) is legal as well.
    constexpr std::string_view twoCorners = R"(
        ........
        ......B.
        .....W..
        ........
        W.......
        B.W.....
        BB..BW..
        ........
    )";
    EXPECT_EQ(PlayedSquare(twoCorners, 0.0), SquareIndex(7, 0));
    EXPECT_EQ(PlayedSquare(twoCorners, 0.49), SquareIndex(7, 0));
    EXPECT_EQ(PlayedSquare(twoCorners, 0.5), SquareIndex(0, 7));
    EXPECT_EQ(PlayedSquare(twoCorners, JustBelowOne), SquareIndex(0, 7));
}

// ---------------------------------------------------------------------------------------------
// Then moves that leave the person no reply

TEST(ShutOutMoves, MoveLeavingThePersonNoReplyBeatsTheBestLookAheadClass)
{
    // (2, 7) turns (1, 6); the "●" stones left, (2, 4) and (7, 0), touch no "○" stone. Judged by
    // the look-ahead instead, (1, 5) would rank first: "●" could only answer (0, 6), which opens
    // (0, 7) to "○" up column 0, while (2, 7), leaving no reply, would rank below it. (1, 5)
    // comes first in row-major order, so its replies are tested before (2, 7) is.
    constexpr std::string_view position = R"(
        W......B
        ........
        ........
        ........
        ..B.....
        W.......
        .B......
        .W.....W
    )";
    EXPECT_EQ(SquaresPlayedAcrossDraws(position), std::vector<int>{SquareIndex(2, 7)});
}

// ---------------------------------------------------------------------------------------------
// Then the look-ahead at the corners. In each of these positions one corner is still empty, a
// different one each time.

TEST(LookAheadClasses, CornerForTheComputerAfterEveryReplyRanksFirst)
{
    // After (0, 3) the only reply of "●" is (0, 1), which opens (0, 0) to "○". After (2, 2) "●"
    // may also answer (2, 0), and after (1, 3) also (0, 3); neither leaves "○" a way into (0, 0).
    constexpr std::string_view position = R"(
        .......W
        .WW.....
        WB......
        ..B.....
        ........
        ........
        ........
        W......B
    )";
    EXPECT_EQ(SquaresPlayedAcrossDraws(position), std::vector<int>{SquareIndex(0, 3)});
}

TEST(LookAheadClasses, CornerAfterSomeReplyRanksAboveCornerAfterNone)
{
    // After (5, 3), the reply (6, 1) opens (7, 0) to "○" and the reply (4, 2) does not. After
    // (3, 1) or (7, 3) no reply of "●" leaves "○" a way into (7, 0).
    constexpr std::string_view position = R"(
        W.......
        ....BW..
        .....BB.
        ........
        ........
        ........
        ........
        W......B
    )";
    EXPECT_EQ(SquaresPlayedAcrossDraws(position), std::vector<int>{SquareIndex(5, 3)});
}

TEST(LookAheadClasses, KeepingTheCornersFromThePersonRanksAboveOpeningOne)
{
    // "●" may already take (7, 7) along row 7. Only (4, 7) turns (5, 7) and shuts that line;
    // after it no reply gives "○" the corner, so it is the least of the classes that keep the
    // corners from "●", and still beats (4, 5) and (4, 6).
    constexpr std::string_view position = R"(
        B......W
        ........
        ........
        ........
        ........
        ........
        .....BW.
        W....BW.
    )";
    EXPECT_EQ(SquaresPlayedAcrossDraws(position), std::vector<int>{SquareIndex(4, 7)});
}

TEST(LookAheadClasses, MovesOpeningACornerToThePersonArePlayedWhenNothingElseIs)
{
    // "●" may take (0, 7) along row 7, and none of the three moves of "○" turns (1, 7).
    constexpr std::string_view allOpen = R"(
        B......W
        ........
        ........
        ........
        ........
        .B......
        WB......
        .WBW...B
    )";
    const std::vector<int> legal{SquareIndex(1, 4), SquareIndex(2, 4), SquareIndex(2, 6)};
    EXPECT_EQ(SquaresPlayedAcrossDraws(allOpen), legal);
}

// All four corners taken and no move shuts "●" out: every legal move ranks alike.
constexpr std::string_view CornersTaken = R"(
    B......W
    ........
    ........
    ...WB...
    ...BW...
    .....B..
    ........
    W......B
)";
const std::vector<int> CornersTakenMoves{SquareIndex(4, 2), SquareIndex(5, 3), SquareIndex(2, 4),
                                         SquareIndex(3, 5), SquareIndex(6, 6)};

TEST(LookAheadClasses, WithEveryCornerTakenEveryLegalMoveCanBePlayed)
{
    EXPECT_EQ(SquaresPlayedAcrossDraws(CornersTaken), CornersTakenMoves);
}

// ---------------------------------------------------------------------------------------------
// The draw among the best class

TEST(Draw, PickIndexIsFloorOfDrawTimesCountHeldInsideTheRange)
{
    for (int count = 1; count <= 60; ++count) {
        EXPECT_EQ(PickIndex(0.0, count), 0) << count;
        EXPECT_EQ(PickIndex(JustBelowOne, count), count - 1) << count;
        EXPECT_EQ(PickIndex(1.0, count), count - 1) << count;
        EXPECT_EQ(PickIndex(1.5, count), count - 1) << count;
        for (int index = 0; index < count; ++index) {
            EXPECT_EQ(PickIndex((index + 0.5) / count, count), index) << index << " of " << count;
        }
    }
}

TEST(Draw, DrawPicksTheMemberAtFloorOfRTimesNInRowMajorOrder)
{
    const int count = static_cast<int>(CornersTakenMoves.size());
    for (int index = 0; index < count; ++index) {
        EXPECT_EQ(PlayedSquare(CornersTaken, (index + 0.5) / count), CornersTakenMoves.at(index)) << index;
    }
    EXPECT_EQ(PlayedSquare(CornersTaken, 0.0), CornersTakenMoves.front());
    EXPECT_EQ(PlayedSquare(CornersTaken, JustBelowOne), CornersTakenMoves.back());
}

// ---------------------------------------------------------------------------------------------
// What else a turn changes

TEST(PlayedMove, ChangesTheBoardOnlyByThatMoveFocusedBeforehandAndKeepsSlotZero)
{
    // PlayedSquare checks each of these; here on positions with many candidates to try.
    for (const std::string_view diagram : {StartDiagram, CornersTaken}) {
        for (const double r : {0.0, 0.5, JustBelowOne}) {
            EXPECT_GE(PlayedSquare(diagram, r), 0);
        }
    }
}

TEST(PlayedMove, ClearsAnEarlierPass)
{
    Turn turn(StartDiagram);
    turn.game.ComputerPassed = 1;
    turn.Play(0.0);
    EXPECT_EQ(turn.game.ComputerPassed, 0);
    EXPECT_EQ(turn.window.focused.size(), 1U);
}

// ---------------------------------------------------------------------------------------------
// No move

TEST(Pass, NoLegalMoveShowsTheMessageRecordsThePassAndChangesNothingElse)
{
    // Every line from the one "○" stone runs through "●" stones to the edge.
    Turn turn(R"(
        WBBBBBBB
        BB......
        B.B.....
        B..B....
        B...B...
        B....B..
        B.....B.
        B......B
    )");
    turn.Play(0.5);
    EXPECT_EQ(turn.game.ComputerPassed, 1);
    EXPECT_EQ(turn.window.messages, std::vector<std::string>{"○を置ける場所がありませんでした。"});
    EXPECT_TRUE(turn.window.focused.empty());
    EXPECT_EQ(turn.pauses, 0);
    EXPECT_EQ(turn.draws, 0);
    EXPECT_EQ(turn.game.Board, turn.entryBoard) << DrawBoard(turn.game.Board);
}

TEST(Pass, FullBoardIsNoPassAndDoesNothingButClearAnEarlierPass)
{
    Turn turn(FullBoard);
    turn.game.ComputerPassed = 1;
    turn.Play(0.5);
    EXPECT_EQ(turn.game.ComputerPassed, 0);
    EXPECT_TRUE(turn.window.messages.empty());
    EXPECT_TRUE(turn.window.focused.empty());
    EXPECT_EQ(turn.pauses, 0);
    EXPECT_EQ(turn.draws, 0);
    EXPECT_EQ(turn.game.Board, turn.entryBoard);
}

}  // namespace
}  // namespace uragae

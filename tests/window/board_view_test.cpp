// Copying the board between the square captions and the model.
#include <gtest/gtest.h>

#include "board_diagrams.h"
#include "window_harness.h"

namespace uragae {
namespace {

using testing::ParseBoard;
using testing::StartDiagram;

TEST(ReadBoard, DesignedCaptionsGiveTheStartingPosition)
{
    Form1 form;
    form.Game.Board(0, 0) = BlackStone;
    form.ReadBoard();
    EXPECT_EQ(form.Game.Board, ParseBoard(StartDiagram)) << testing::DrawBoard(form.Game.Board);
}

TEST(ReadBoard, OnlyAnExactStoneIsAStone)
{
    Form1 form;
    form.SetSquareCaption(0, QStringLiteral("3"));
    form.SetSquareCaption(1, QStringLiteral(" ●"));
    form.SetSquareCaption(2, QStringLiteral("●●"));
    form.SetSquareCaption(3, QStringLiteral("○ "));
    form.SetSquareCaption(4, QStringLiteral("○"));
    form.ReadBoard();
    for (int x = 0; x < 4; ++x) {
        EXPECT_EQ(form.Game.Board(x, 0), EmptyCell) << "column " << x;
    }
    EXPECT_EQ(form.Game.Board(4, 0), WhiteStone);
}

TEST(ShowBoard, WritesEveryCellAndClearsTurnCounts)
{
    Form1 form;
    form.SetSquareCaption(19, QStringLiteral("1"));
    form.Game.Board = ParseBoard(R"(
        W.......
        ........
        ........
        ...WB...
        ...BW...
        ........
        ........
        .......B
    )");
    form.ShowBoard();
    EXPECT_EQ(form.SquareCaption(0), QStringLiteral("○"));
    EXPECT_EQ(form.SquareCaption(19), QString());
    EXPECT_EQ(form.SquareCaption(63), QStringLiteral("●"));

    const BoardGrid shown = form.Game.Board;
    form.Game.Board = BoardGrid{};
    form.ReadBoard();
    EXPECT_EQ(form.Game.Board, shown) << "showing then reading gives the board back";
}

TEST(ShowBoard, LeavesColorsAlone)
{
    Form1 form;
    form.SetSquareBackColor(19, LegalColor);
    form.ReadBoard();
    form.ShowBoard();
    EXPECT_EQ(form.SquareBackColor(19), LegalColor);
}

}  // namespace
}  // namespace uragae

// The window through its real handlers on the offscreen platform: whole games and rare positions
// click by click against what the program's own rules say, then the layout and the keyboard.
#include <QFontInfo>

#include <iostream>

#include "harness.h"

namespace uragae::testing {
namespace {

const std::map<GameResult, std::string> ResultMessage{{GameResult::None, ""},
                                                      {GameResult::BlackWins, "●の勝ちです。"},
                                                      {GameResult::Draw, "引き分けです。"},
                                                      {GameResult::WhiteWins, "○の勝ちです。"}};

// Positions random games seldom reach, where a game starts now and then.
const std::vector<Line> RarePositions{
    // Neither side can move: the person passes, the computer must pass too; a draw with squares empty.
    "BBBBBBBBBBBBBBBBBBBB........................WWWWWWWWWWWWWWWWWWWW",
    // The person fills the last square: the computer has no turn and announces no pass.
    "BBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBWWWWWWWWWWWWWWWWWWWWWWWWWWWWWBW.",
    // The computer cannot answer c1 or c8, but the person can go on after the first.
    "BW......................................................BW......",
    // The computer takes the last black stone; the game ends only once the person passes again.
    "WB..................................................WWWWWWWWWWWW",
    // The computer cannot answer c1 and the person is stuck: over at once, with squares empty.
    "BW..............................................................",
};

// Random games, the computer's draws random too, with passes now and then, from the start or a rare
// position. An unmarked square or a disabled パス changes nothing; after every click the window shows
// the test's copy of the game, and the computer's pass and the result are announced exactly when the
// rules say so. After the end the focus is in the count or on a square, not on リセット, where Qt would
// move it from a disabled パス and the next Space would wipe the board; a new game puts it in the count.
TEST(WholeGames, AfterEveryClickTheWindowShowsWhatTheRulesSay)
{
    const auto seed = static_cast<unsigned>(CountFromEnvironment("URAGAE_SEED", 4242));
    std::cout << "seed " << seed << " (repeat with URAGAE_SEED=" << seed << ")\n";
    std::mt19937 random(seed);
    auto window = std::make_unique<TestWindow>();
    GameState game{ParseBoard(StartLine), {}, 0, 0, 0};
    for (int step = 0, finished = 0; finished < CountFromEnvironment("URAGAE_WINDOW_GAMES", 80); ++step) {
        window->draw = [&random] { return std::uniform_real_distribution<double>(0, 1)(random); };
        const auto [screen, verdict, marked] = ExpectedWindow(game);
        ASSERT_EQ(window->Shot(), screen) << "step " << step << " from " << BoardLine(game.Board);
        ASSERT_EQ(window->messages, (game.ComputerPassed == 1 ? std::string(ComputerPassMessage) : "") +
                                        ResultMessage.at(verdict.result));
        window->messages.clear();
        if (const int square = static_cast<int>(random() % SquareCount);
            !std::ranges::count(marked, square)) {
            window->Click(square);
        }
        if (!verdict.passEnabled) {
            window->Press("Command2");
        }
        ASSERT_EQ(window->Shot() + window->messages, screen) << "an unmarked square or a disabled パス acted";
        if (verdict.result != GameResult::None) {
            ++finished;
            EXPECT_TRUE(window->Find("Text1")->hasFocus() || window->Focus() >= 0)
                << "the focus is on リセット";
        }
        if (verdict.result == GameResult::None && random() % 100 != 0) {
            const bool passes = verdict.passEnabled && (marked.empty() || random() % 20 == 0);
            PlayTurn(*window, game, passes ? -1 : marked.at(random() % marked.size()));
        } else if (random() % 4 == 0) {
            const Line& rare = RarePositions.at(random() % RarePositions.size());
            window = std::make_unique<TestWindow>(rare);
            game = GameState{ParseBoard(rare), {}, 0, 0, 0};
        } else {
            window->Press("Command3");
            game = GameState{ParseBoard(StartLine), {}, 0, 0, 0};
            EXPECT_TRUE(window->Find("Text1")->hasFocus()) << "a new game leaves the focus on リセット";
        }
    }
}

struct DesignedControl {
    const char* name;
    QRect place;       // in pixels of the client area
    const char* face;  // nullptr: the window's default font
};
const std::vector<DesignedControl> CountRowAndButtons{
    {"Label1", {16, 344, 17, 17}, "ＭＳ ゴシック"},    // "●"
    {"Label2", {80, 344, 49, 17}, "ＭＳ ゴシック"},    // "枚　○"
    {"Label3", {176, 344, 65, 17}, "ＭＳ ゴシック"},   // "枚　残り"
    {"Label4", {288, 344, 33, 17}, "ＭＳ ゴシック"},   // "箇所"
    {"Text1", {32, 336, 41, 25}, "ＭＳ Ｐゴシック"},   // black stones
    {"Text2", {128, 336, 41, 25}, "ＭＳ Ｐゴシック"},  // white stones
    {"Text3", {240, 336, 41, 25}, "ＭＳ Ｐゴシック"},  // empty squares
    {"Command2", {8, 368, 153, 25}, nullptr},          // パス
    {"Command3", {176, 368, 153, 25}, nullptr},        // リセット
    {"Command4", {8, 400, 321, 25}, nullptr},          // 終了
};
// What a screen reader calls some squares at the start: where each is and what it holds.
const std::map<std::string, std::string> NamesAtTheStart{
    {"a1", "a1 空き"}, {"d3", "d3 空き 1枚"}, {"d4", "d4 白"}, {"e4", "e4 黒"}, {"h8", "h8 空き"}};

// Every control where it was designed, the count row in 12 points and the squares in 15 of the
// Japanese Gothic faces, which resolve to faces Linux has; the squares 41 pixels wide on a pitch of
// 40, so that neighbours share their outline; and the window keeps its designed size.
TEST(Frame, ControlsSitWhereDesignedInTheirFontsUnderTheirNames)
{
    TestWindow window;
    const auto expectFont = [](const QWidget* control, const char* face, int points) {
        EXPECT_EQ(control->font().family(), face) << control->objectName().toStdString();
        EXPECT_EQ(control->font().pointSize(), points) << control->objectName().toStdString();
        EXPECT_TRUE(QFontInfo(control->font()).family().startsWith("IPA"))
            << control->objectName().toStdString();
    };
    for (const DesignedControl& designed : CountRowAndButtons) {
        ASSERT_NE(window.Find(designed.name), nullptr) << "no control is named " << designed.name;
        EXPECT_EQ(window.Find(designed.name)->geometry(), designed.place) << designed.name;
        if (designed.face != nullptr) {
            expectFont(window.Find(designed.name), designed.face, 12);
        }
    }
    for (int square = 0; square < SquareCount; ++square) {
        const QRect place(8 + 40 * SquareColumn(square), 8 + 40 * SquareRow(square), 41, 41);
        EXPECT_EQ(window.Button(square)->geometry(), place) << NameOf(square);
        expectFont(window.Button(square), "ＭＳ Ｐゴシック", 15);
    }
    for (const auto& [square, name] : NamesAtTheStart) {
        EXPECT_EQ(window.Button(Square(square))->accessibleName().toStdString(), name);
    }
    const QList<QSize> titleBarSizes{{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}};
    EXPECT_EQ(window.Window()->windowIcon().availableSizes(), titleBarSizes);
    window.Window()->resize(500, 600);
    EXPECT_EQ(window.Window()->size(), QSize(337, 433)) << "the window was resized";
}

// Tab runs from the black count through the other counts, the squares, パス, リセット and 終了, and
// round again; the arrows walk the focus across the board, stop at its edges and never play.
TEST(Keyboard, TabWalksTheDesignedOrderAndArrowsWalkTheBoard)
{
    const TestWindow window;
    std::vector<QWidget*> tabOrder{window.Find("Text1"), window.Find("Text2"), window.Find("Text3")};
    for (int square = 0; square < SquareCount; ++square) {
        tabOrder.push_back(window.Button(square));
    }
    for (const char* button : {"Command2", "Command3", "Command4", "Text1"}) {
        tabOrder.push_back(window.Find(button));
    }
    ASSERT_TRUE(window.Find("Text1")->hasFocus());
    for (std::size_t next = 1; next < tabOrder.size(); ++next) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), tabOrder.at(next)) << "Tab number " << next;
    }

    const std::string before = window.Shot();
    for (const auto& [key, dx, dy] : {std::tuple{Qt::Key_Left, -1, 0}, std::tuple{Qt::Key_Right, 1, 0},
                                      std::tuple{Qt::Key_Up, 0, -1}, std::tuple{Qt::Key_Down, 0, 1}}) {
        for (int square = 0; square < SquareCount; ++square) {
            const int x = std::clamp(SquareColumn(square) + dx, 0, LastCoordinate);
            const int y = std::clamp(SquareRow(square) + dy, 0, LastCoordinate);
            window.Button(square)->setFocus();
            QTest::keyPress(window.Button(square), key);  // the focus moves on the press
            EXPECT_EQ(window.Focus(), SquareIndex(x, y)) << "key " << key << " on " << NameOf(square);
        }
    }
    EXPECT_EQ(window.Shot(), before) << "an arrow key played";
}

}  // namespace
}  // namespace uragae::testing

int main(int argc, char** argv)
{
    // Offscreen always, test discovery included, which runs the binary without CTest's environment:
    // these tests never need a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    const QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}

// The window through its real handlers on the offscreen platform: whole games checked click by click
// against the rules reference, then where the controls sit and how the keyboard walks them.
#include <QFontInfo>

#include "harness.h"

namespace uragae::testing {
namespace {

// The squares of a screen, without the counts and パス.
std::string Squares(const std::string& screen) { return screen.substr(0, screen.find("counts")); }

// Positions that random games seldom reach, with the computer's last turn.
const std::vector<std::pair<std::string, ReferenceGame>> RarePositions{
    {"neither side can move: the person passes, the computer must pass, a draw",
     {"BBBBBBBBBBBBBBBBBBBB........................WWWWWWWWWWWWWWWWWWWW", false}},
    {"the person fills the last square: the computer has no turn and announces no pass",
     {"BBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBWWWWWWWWWWWWWWWWWWWWWWWWWWWWWBW.", true}},
    {"the computer cannot answer the person's move but the person can go on",
     {"BW......................................................BW......", false}},
    {"the person is stuck and the computer takes the last black stone",
     {"WB..................................................WWWWWWWWWWWW", false}},
    {"the computer passed and the person is stuck: over at once, with squares empty",
     {"BBBBBBBBBBBBBBBBBBBB.....................WWWWWWWWWWWWWWWWWWWWWWW", true}},
};

// Many games, from the start and from the rare positions, with passes and new games between. After
// each move or pass of the person the computer answers on the square that holds the focus then, or,
// with squares empty and no move, announces its pass over the person's move, shown unmarked. The
// result comes exactly when the game is over, with the final window behind it.
TEST(WholeGames, EveryClickPlaysAndShowsWhatTheRulesSay)
{
    const int games = CountFromEnvironment("URAGAE_WINDOW_GAMES", 80);
    std::mt19937 random = SeededRandom(4242U);
    const auto chance = [&random](int oneIn) { return random() % oneIn == 0; };
    WindowHarness window;
    window.draw = [&random] { return std::uniform_real_distribution<double>(0, 1)(random); };
    ReferenceGame game;
    ASSERT_EQ(window.Shot(), game.Screen()) << "after the load";
    ASSERT_TRUE(window.CountHasFocus()) << "the focus starts in the black count";
    std::size_t nextRare = 0;
    std::string origin = "the start";
    for (int step = 0, finished = 0; finished < games; ++step) {
        const std::string screen = window.Shot();
        const std::vector<int> marked = LegalSquares(game.line, 'B');
        window.messages.clear();
        window.screensAtMessages.clear();

        if (!game.PersonMayPass()) {
            const int square = static_cast<int>(random() % SquareCount);
            if (std::ranges::find(marked, square) == marked.end()) {
                window.Click(square);
            }
            window.Pass();
            ASSERT_EQ(window.Shot(), screen) << "an unmarked square or a disabled パス changed the window";
            ASSERT_EQ(window.messages, "") << "an unmarked square or a disabled パス showed a message";
        }

        std::string expectedMessages;
        if (game.Over() || chance(100)) {
            finished += game.Over() ? 1 : 0;
            if (chance(4)) {
                const auto& [why, rare] = RarePositions.at(nextRare++ % RarePositions.size());
                game = rare;
                window.SetPosition(game.line, game.computerPassed);
                origin = why;
            } else {
                game = ReferenceGame{};
                origin = "the start";
                window.Reset();
                EXPECT_TRUE(window.CountHasFocus()) << "a new game puts the focus in the black count";
            }
        } else {
            const bool passes = game.PersonMayPass() && (marked.empty() || chance(20));
            if (passes) {
                window.Pass();
            } else {
                const int square = marked.at(random() % marked.size());
                window.Click(square);
                Capture(game.line, square, 'B');
            }
            const std::vector<int> answers = LegalSquares(game.line, 'W');
            game.computerPassed = answers.empty() && game.Count('.') > 0;
            if (game.computerPassed) {
                expectedMessages = ComputerPassMessage;
                const std::string personsMove = passes ? Squares(screen) : Squares(game.Screen(false));
                EXPECT_EQ(Squares(window.screensAtMessages.at(0)), personsMove)
                    << "behind the computer's pass the person's move is not shown, or still marked";
            } else if (!answers.empty()) {
                ASSERT_TRUE(std::ranges::find(answers, window.Focus()) != answers.end())
                    << "the focus is not on a move of the computer: " << window.Focus();
                Capture(game.line, window.Focus(), 'W');
            }
        }
        EXPECT_EQ(window.Shot(), game.Screen());
        if (game.Over()) {
            expectedMessages += game.Result();
            ASSERT_FALSE(window.screensAtMessages.empty()) << "the game is over and no result is shown";
            EXPECT_EQ(window.screensAtMessages.back(), window.Shot())
                << "the final window is not up behind the result";
            EXPECT_TRUE(window.CountHasFocus() || window.Focus() >= 0)
                << "after the end the focus is on パス or リセット, where a key would act";
        }
        EXPECT_EQ(window.messages, expectedMessages);
        ASSERT_FALSE(HasFailure()) << "step " << step << " of a game from " << origin << ", now " << game.line
                                   << " (the seed is printed above)";
    }
}

constexpr auto FixedPitchGothic = "ＭＳ ゴシック";
constexpr auto ProportionalGothic = "ＭＳ Ｐゴシック";

struct DesignedControl {
    const char* name;
    QRect place;       // in pixels of the client area
    const char* face;  // nullptr: the window's default font
    int points;
};
const std::vector<DesignedControl> CountRowAndButtons{
    {"Label1", {16, 344, 17, 17}, FixedPitchGothic, 12},    // "●"
    {"Label2", {80, 344, 49, 17}, FixedPitchGothic, 12},    // "枚　○"
    {"Label3", {176, 344, 65, 17}, FixedPitchGothic, 12},   // "枚　残り"
    {"Label4", {288, 344, 33, 17}, FixedPitchGothic, 12},   // "箇所"
    {"Text1", {32, 336, 41, 25}, ProportionalGothic, 12},   // black stones
    {"Text2", {128, 336, 41, 25}, ProportionalGothic, 12},  // white stones
    {"Text3", {240, 336, 41, 25}, ProportionalGothic, 12},  // empty squares
    {"Command2", {8, 368, 153, 25}, nullptr, 0},            // パス
    {"Command3", {176, 368, 153, 25}, nullptr, 0},          // リセット
    {"Command4", {8, 400, 321, 25}, nullptr, 0},            // 終了
};

// Every control where it was designed, in the Japanese Gothic faces, which resolve to faces Linux
// has; the squares 41 pixels wide on a pitch of 40, so that neighbours share their outline.
TEST(Frame, ControlsSitWhereDesignedInTheirFonts)
{
    const WindowHarness window;
    const auto expectFont = [](const QWidget* control, const char* face, int points,
                               const std::string& name) {
        EXPECT_EQ(control->font().family(), face) << name;
        EXPECT_EQ(control->font().pointSize(), points) << name;
        EXPECT_TRUE(QFontInfo(control->font()).family().startsWith("IPA"))
            << name << " shows in a face Linux lacks";
    };
    for (const DesignedControl& designed : CountRowAndButtons) {
        const QWidget* control = window.Control(designed.name);
        ASSERT_NE(control, nullptr) << "no control is named " << designed.name;
        EXPECT_EQ(control->geometry(), designed.place) << designed.name;
        if (designed.face != nullptr) {
            expectFont(control, designed.face, designed.points, designed.name);
        }
    }
    for (int square = 0; square < SquareCount; ++square) {
        const QRect place(8 + 40 * SquareColumn(square), 8 + 40 * SquareRow(square), 41, 41);
        EXPECT_EQ(window.Square(square)->geometry(), place) << "square " << square;
        expectFont(window.Square(square), ProportionalGothic, 15, "square " + std::to_string(square));
    }
    const QList<QSize> titleBarSizes{{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}};
    EXPECT_EQ(window.Window()->windowIcon().availableSizes(), titleBarSizes);
}

// Tab runs from the black count through the other counts, the squares, パス, リセット and 終了, and
// round again; the arrows walk the focus across the board, stop at its edges and never play.
TEST(Keyboard, TabWalksTheDesignedOrderAndArrowsWalkTheBoard)
{
    const WindowHarness window;
    std::vector<QWidget*> tabOrder{window.Control("Text1"), window.Control("Text2"), window.Control("Text3")};
    for (int square = 0; square < SquareCount; ++square) {
        tabOrder.push_back(window.Square(square));
    }
    for (const char* button : {"Command2", "Command3", "Command4", "Text1"}) {
        tabOrder.push_back(window.Control(button));
    }
    ASSERT_TRUE(window.CountHasFocus());
    for (std::size_t next = 1; next < tabOrder.size(); ++next) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), tabOrder.at(next)) << "Tab number " << next;
    }

    struct Arrow {
        Qt::Key key;
        int dx;
        int dy;
    };
    const std::string before = window.Shot();
    for (const Arrow arrow :
         {Arrow{Qt::Key_Left, -1, 0}, {Qt::Key_Right, 1, 0}, {Qt::Key_Up, 0, -1}, {Qt::Key_Down, 0, 1}}) {
        for (int square = 0; square < SquareCount; ++square) {
            const int x = std::clamp(SquareColumn(square) + arrow.dx, 0, LastCoordinate);
            const int y = std::clamp(SquareRow(square) + arrow.dy, 0, LastCoordinate);
            window.Square(square)->setFocus();
            QTest::keyPress(window.Square(square), arrow.key);  // the focus moves on the press
            EXPECT_EQ(window.Focus(), SquareIndex(x, y)) << "key " << arrow.key << " on square " << square;
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

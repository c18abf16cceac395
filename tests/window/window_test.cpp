// The window through its real handlers on the offscreen platform: whole games checked click by click
// against the rules reference, then the frame (pixels, fonts, icon) and the keyboard.
#include <QFontInfo>
#include <QTest>

#include "computer/computer_move.h"
#include "reference.h"
#include "window/form1.h"

namespace uragae::testing {

// The window for tests, reached as a friend: shown and active, messages recorded with the screen
// as it stood, no pause, scripted draws.
class WindowHarness {
public:
    WindowHarness()
    {
        form_->messagePresenter_ = [this](const QString& text) {
            messages += text.toStdString();
            screensAtMessages.push_back(Shot());
        };
        form_->pause_ = [] {};
        form_->random_ = [this] { return draw(); };
        form_->show();  // which runs the load
        (void)QTest::qWaitForWindowActive(form_.get());
    }

    // Puts a position on the board, with the computer's last turn a pass or not, and refreshes.
    void SetPosition(const Line& line, bool computerPassed)
    {
        form_->Game = GameState{ParseBoard(line), {}, 0, 0, computerPassed ? 1 : 0};
        form_->ShowBoard();
        form_->RefreshTurn();
    }

    // What the person sees, as text: each square's caption, after a + when it is light green, and
    // what a screen reader calls it; then the counts, and パス when it is enabled.
    std::string Shot() const
    {
        std::string text;
        for (const ColorButton* square : squares_) {
            const quint32 color = square->BackColor();
            text += color == LegalColor ? "+" : color == ButtonFaceColor ? "" : "?";
            text += (square->text() + "(" + square->accessibleName() + ") ").toStdString();
        }
        const QString counts = form_->Text1->text() + " " + form_->Text2->text() + " " + form_->Text3->text();
        return text + "counts " + counts.toStdString() + (form_->Command2->isEnabled() ? " パス" : "");
    }

    // The square that holds the focus; outside 0..63 when no square does.
    int Focus() const { return static_cast<int>(Controls().indexOf(QApplication::focusWidget())) - 7; }

    void Click(int square) const { squares_.at(square)->click(); }
    // A real click on パス, which takes the focus as it would on screen.
    void Pass() const { QTest::mouseClick(form_->Command2, Qt::LeftButton); }
    void Reset() const { form_->Command3->click(); }
    bool CountHasFocus() const { return form_->Text1->hasFocus(); }
    // The controls in the order the window makes them: the count row (the four labels, then the
    // three boxes), the 64 squares, パス, リセット and 終了.
    QList<QWidget*> Controls() const { return form_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly); }

    std::function<double()> draw = [] { return 0.0; };
    std::string messages;  // every message shown, end to end
    std::vector<std::string> screensAtMessages;

private:
    std::unique_ptr<Form1> form_ = std::make_unique<Form1>();
    const std::array<ColorButton*, SquareCount>& squares_ = form_->Command1;
};

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
    const auto count = [&line](char stone) { return std::ranges::count(line, stone); };
    const bool passes =
        (count('.') > 0 && LegalSquares(line, 'B').empty() && !computerPassed) || count('.') == 60;
    return text + "counts " + std::to_string(count('B')) + " " + std::to_string(count('W')) + " " +
           std::to_string(count('.')) + (passes ? " パス" : "");
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
    const auto pick = [&random](long count) { return static_cast<int>(random() % count); };
    WindowHarness window;
    window.draw = [&random] { return std::uniform_real_distribution<double>(0, 1)(random); };
    Line line = StartLine;
    bool computerPassed = false;
    ASSERT_EQ(window.Shot(), Expected(line, false)) << "after the load";
    ASSERT_TRUE(window.CountHasFocus());
    for (std::size_t finished = 0, step = 0, rare = 0; finished < static_cast<std::size_t>(games); ++step) {
        const std::string screen = window.Shot();
        const std::vector<int> marked = LegalSquares(line, 'B');
        const bool passes = screen.ends_with("パス");
        const bool over = marked.empty() && !passes;
        const std::size_t before = window.messages.size();
        // An unmarked square does nothing, nor does パス while it is disabled.
        if (const int any = pick(SquareCount); !passes && std::ranges::find(marked, any) == marked.end()) {
            window.Click(any);
            window.Pass();
            ASSERT_EQ(std::pair(window.Shot(), window.messages.size()), std::pair(screen, before)) << any;
        }
        finished += over ? 1 : 0;
        std::string expected;
        if ((over || pick(100) == 0) && pick(4) == 0) {
            std::tie(line, computerPassed) = RarePositions.at(rare++ % RarePositions.size());
            window.SetPosition(line, computerPassed);
        } else if (over || pick(100) == 0) {
            window.Reset();
            std::tie(line, computerPassed) = std::pair(StartLine, false);
            EXPECT_TRUE(window.CountHasFocus());
        } else {
            const int square =
                passes && (marked.empty() || pick(20) == 0) ? -1 : marked.at(pick(std::ssize(marked)));
            if (square < 0) {
                window.Pass();
            } else {
                window.Click(square);
                Capture(line, square, 'B');
            }
            const std::vector<int> answers = LegalSquares(line, 'W');
            computerPassed = answers.empty() && line.find('.') != Line::npos;
            if (computerPassed) {
                expected = ComputerPassMessage;
                // The person's move, unmarked; after a pass, which repaints nothing, the squares as they
                // were.
                const std::string shown = square < 0 ? screen : Expected(line, false, false);
                EXPECT_EQ(Squares(window.screensAtMessages.at(0)), Squares(shown));
            } else if (!answers.empty()) {
                ASSERT_TRUE(std::ranges::find(answers, window.Focus()) != answers.end());  // one of its moves
                Capture(line, window.Focus(), 'W');
            }
        }
        EXPECT_EQ(window.Shot(), Expected(line, computerPassed));
        if (line.find('.') == Line::npos || (computerPassed && LegalSquares(line, 'B').empty())) {
            const auto lead = std::ranges::count(line, 'B') - std::ranges::count(line, 'W');
            expected +=
                std::array{"○の勝ちです。", "引き分けです。", "●の勝ちです。"}[(lead >= 0) + (lead > 0)];
            // The final window is up behind the result, and the focus is never on パス or リセット.
            EXPECT_EQ(window.screensAtMessages.back(), window.Shot());
            EXPECT_TRUE(window.CountHasFocus() || window.Focus() < SquareCount);
        }
        EXPECT_EQ(window.messages.substr(before), expected);
        window.screensAtMessages.clear();
        ASSERT_FALSE(HasFailure()) << "step " << step << " (the seed is printed above)";
    }
}

TEST(Frame, ControlsSitWhereDesignedInTheirFontsAndTheKeysWalkThem)
{
    const WindowHarness window;
    const QList<QWidget*> controls = window.Controls();
    // "●", "枚　○", "枚　残り", "箇所"; the black, white and empty counts; then, after the squares,
    // パス, リセット and 終了.
    QList<QRect> expected{{16, 344, 17, 17}, {80, 344, 49, 17},  {176, 344, 65, 17}, {288, 344, 33, 17},
                          {32, 336, 41, 25}, {128, 336, 41, 25}, {240, 336, 41, 25}};
    for (int square = 0; square < SquareCount; ++square) {
        expected.append({8 + 40 * (square % 8), 8 + 40 * (square / 8), 41, 41});  // neighbours share a pixel
    }
    expected.append({{8, 368, 153, 25}, {176, 368, 153, 25}, {8, 400, 321, 25}});
    ASSERT_EQ(controls.size(), expected.size());
    // The labels in the fixed-pitch Japanese Gothic, the counts and the squares in the proportional
    // one; both resolve to faces Linux has. パス, リセット and 終了 keep the default.
    for (int control = 0; control < controls.size(); ++control) {
        const QFont font = controls.at(control)->font();
        EXPECT_EQ(controls.at(control)->geometry(), expected.at(control)) << control;
        if (control < 71) {
            EXPECT_EQ(font.family(), control < 4 ? "ＭＳ ゴシック" : "ＭＳ Ｐゴシック") << control;
            EXPECT_EQ(font.pointSize(), control < 7 ? 12 : 15) << control;
            EXPECT_TRUE(QFontInfo(font).family().startsWith("IPA")) << QFontInfo(font).family().toStdString();
        }
    }
    const QList<QSize> icons{{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}};  // for the title bar
    EXPECT_EQ(controls.front()->window()->windowIcon().availableSizes(), icons);
    // Tab runs from the black count through the other counts, the squares, パス, リセット and 終了, and
    // back; the arrows walk the focus across the board and stop at its edges.
    ASSERT_TRUE(window.CountHasFocus());
    for (int next = 5; next <= 74; ++next) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), controls.at(next % 74 + next / 74 * 4)) << next;
    }
    for (int i = 0; i < 4 * SquareCount; ++i) {  // each arrow on each square
        const auto [x, y] = std::pair(i / 4 % 8 + std::array{-1, 1, 0, 0}.at(i % 4),
                                      i / 32 + std::array{0, 0, -1, 1}.at(i % 4));
        controls.at(7 + i / 4)->setFocus();
        QTest::keyClick(controls.at(7 + i / 4),
                        std::array{Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down}.at(i % 4));
        EXPECT_EQ(window.Focus(), SquareIndex(std::clamp(x, 0, 7), std::clamp(y, 0, 7))) << i;
    }
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

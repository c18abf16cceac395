// The window: its controls and layout, the board view, the turn refresh and the click handlers.
#include "window/form1.h"

#include <QCoreApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QMessageBox>
#include <algorithm>
#include <utility>

namespace uragae {

namespace {

// The layout is designed in twips; at 96 dots per inch a pixel is 15 of them. Qt scales the
// pixel layout itself on denser screens.
constexpr int TwipsPerPixel = 15;

QRect TwipsRect(int left, int top, int width, int height)
{
    return {left / TwipsPerPixel, top / TwipsPerPixel, width / TwipsPerPixel, height / TwipsPerPixel};
}

constexpr int ClientWidthTwips = 5055;
constexpr int ClientHeightTwips = 6495;
constexpr int BoardOriginTwips = 120;
constexpr int SquarePitchTwips = 600;
constexpr int SquareSizeTwips = 615;  // one pixel more than the pitch: neighbours share a border

constexpr auto ProportionalFace = "ＭＳ Ｐゴシック";
constexpr auto FixedPitchFace = "ＭＳ ゴシック";
constexpr int SquarePointSize = 15;
constexpr int CountRowPointSize = 12;

const QString BlackCaption = ToQString(BlackStone);
const QString WhiteCaption = ToQString(WhiteStone);

QFont DesignFont(const char* family, int pointSize)
{
    return {QString::fromUtf8(family), pointSize, QFont::Normal};
}

QLabel* MakeLabel(QWidget* parent, const char* text, QRect geometry, const char* accessibleName)
{
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setGeometry(geometry);
    label->setFont(DesignFont(FixedPitchFace, CountRowPointSize));
    label->setAlignment(Qt::AlignCenter);
    label->setAccessibleName(QString::fromUtf8(accessibleName));
    return label;
}

QLineEdit* MakeCountBox(QWidget* parent, QRect geometry, const char* accessibleName)
{
    auto* box = new QLineEdit(parent);
    box->setGeometry(geometry);
    box->setFont(DesignFont(ProportionalFace, CountRowPointSize));
    // The refresh rewrites the counts every turn, so typing into them would only mislead.
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QPalette colors = box->palette();
    const QColor red = ColorFromValue(CountTextColor, colors);
    colors.setColor(QPalette::Text, red);
    box->setPalette(colors);
    box->setAccessibleName(QString::fromUtf8(accessibleName));
    return box;
}

}  // namespace

QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void InstallFontSubstitutions()
{
    QFont::insertSubstitutions(QString::fromUtf8(ProportionalFace), {"IPAPGothic", "Noto Sans CJK JP"});
    QFont::insertSubstitutions(QString::fromUtf8(FixedPitchFace), {"IPAGothic", "Noto Sans Mono CJK JP"});
}

QString SquareAccessibleName(int square, const QString& caption)
{
    const QString place = QChar(u'a' + SquareColumn(square)) + QString::number(SquareRow(square) + 1);
    if (caption == BlackCaption) {
        return place + QStringLiteral(" 黒");
    }
    if (caption == WhiteCaption) {
        return place + QStringLiteral(" 白");
    }
    if (caption.isEmpty()) {
        return place + QStringLiteral(" 空き");
    }
    return place + QStringLiteral(" 空き ") + caption + QStringLiteral("枚");
}

void ShowMessageBox(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(ProgramTitle), text, QMessageBox::Ok, parent);
    // Some styles put an icon on dialog buttons; the game's boxes show none anywhere.
    if (QAbstractButton* ok = box.button(QMessageBox::Ok)) {
        ok->setIcon(QIcon());
    }
    box.exec();
}

Form1::Form1(WindowServices services) : services_(std::move(services))
{
    InstallFontSubstitutions();
    setWindowTitle(QString::fromUtf8(WindowCaption));
    // Its own light palette before any control is made: the controls inherit it, the message boxes
    // (windows of their own) still follow the desktop.
    setPalette(BoardPalette());
    QIcon icon;
    // Title bars and task switchers use the small sizes; the larger ones, which would cost the
    // start-up more to decode than all the rest, come from the installed icon theme.
    for (const int size : {16, 24, 32, 48, 64}) {
        icon.addFile(QStringLiteral(":/icons/%1x%1/io.github.uragae.Uragae.png").arg(size),
                     QSize(size, size));
    }
    setWindowIcon(icon);
    setFixedSize(TwipsRect(0, 0, ClientWidthTwips, ClientHeightTwips).size());
    CreateCountRow();
    CreateSquares();
    CreateButtons();
    ChainTabOrder();
    NameControls();
}

void Form1::CreateCountRow()
{
    Label1 = MakeLabel(this, "●", TwipsRect(240, 5160, 255, 255), "黒の石");
    Label2 = MakeLabel(this, "枚　○", TwipsRect(1200, 5160, 735, 255), "枚、白の石");
    Label3 = MakeLabel(this, "枚　残り", TwipsRect(2640, 5160, 975, 255), "枚、残りの箇所");
    Label4 = MakeLabel(this, "箇所", TwipsRect(4320, 5160, 495, 255), "箇所");
    Text1 = MakeCountBox(this, TwipsRect(480, 5040, 615, 375), "黒の石の数");
    Text2 = MakeCountBox(this, TwipsRect(1920, 5040, 615, 375), "白の石の数");
    Text3 = MakeCountBox(this, TwipsRect(3600, 5040, 615, 375), "残りの箇所の数");
}

void Form1::CreateSquares()
{
    // The designed captions are the starting position, the same one a new game writes.
    BoardGrid start;
    SetStartPosition(start);
    const QFont squareFont = DesignFont(ProportionalFace, SquarePointSize);
    for (int square = 0; square < SquareCount; ++square) {
        auto* button = new ColorButton(this);
        button->setGeometry(TwipsRect(BoardOriginTwips + SquarePitchTwips * SquareColumn(square),
                                      BoardOriginTwips + SquarePitchTwips * SquareRow(square),
                                      SquareSizeTwips, SquareSizeTwips));
        button->setFont(squareFont);
        button->installEventFilter(this);
        connect(button, &QPushButton::clicked, this, [this, square] { Command1_Click(square); });
        Command1.at(square) = button;
        SetSquareCaption(square, QString::fromStdString(start(SquareColumn(square), SquareRow(square))));
    }
}

void Form1::CreateButtons()
{
    Command2 = new QPushButton(QStringLiteral("パス"), this);
    Command2->setGeometry(TwipsRect(120, 5520, 2295, 375));
    Command3 = new ColorButton(this);
    Command3->setText(QStringLiteral("リセット"));
    Command3->setGeometry(TwipsRect(2640, 5520, 2295, 375));
    Command3->SetBackColor(ResetButtonColor);
    Command4 = new QPushButton(QStringLiteral("終了"), this);
    Command4->setGeometry(TwipsRect(120, 6000, 4815, 375));
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form1::Command4_Click);
}

// The design's names, by which accessibility tools, style sheets and the tests find the controls;
// the squares are Command1_0 to Command1_63.
void Form1::NameControls()
{
    for (const auto& [control, name] : {std::pair<QWidget*, const char*>{Label1, "Label1"},
                                        {Label2, "Label2"},
                                        {Label3, "Label3"},
                                        {Label4, "Label4"},
                                        {Text1, "Text1"},
                                        {Text2, "Text2"},
                                        {Text3, "Text3"},
                                        {Command2, "Command2"},
                                        {Command3, "Command3"},
                                        {Command4, "Command4"}}) {
        control->setObjectName(QString::fromUtf8(name));
    }
    for (int square = 0; square < SquareCount; ++square) {
        Command1.at(square)->setObjectName(QStringLiteral("Command1_%1").arg(square));
    }
}

// Tab order as designed: the count boxes, the squares in index order, then the buttons.
void Form1::ChainTabOrder()
{
    QWidget* previous = Text1;
    const auto chain = [&previous](QWidget* next) {
        QWidget::setTabOrder(previous, next);
        previous = next;
    };
    chain(Text2);
    chain(Text3);
    for (ColorButton* button : Command1) {
        chain(button);
    }
    chain(Command2);
    chain(Command3);
    chain(Command4);
}

ColorButton* Form1::Square(int square) const
{
    CheckIndex("square", square, 0, SquareCount - 1);
    return Command1.at(square);
}

QString Form1::SquareCaption(int square) const { return Square(square)->text(); }

void Form1::SetSquareCaption(int square, const QString& caption)
{
    ColorButton* button = Square(square);
    button->setText(caption);
    button->setAccessibleName(SquareAccessibleName(square, caption));
}

quint32 Form1::SquareBackColor(int square) const { return Square(square)->BackColor(); }

void Form1::SetSquareBackColor(int square, quint32 color) { Square(square)->SetBackColor(color); }

void Form1::PaintAllSquares(quint32 color)
{
    for (int square = 0; square < SquareCount; ++square) {
        SetSquareBackColor(square, color);
    }
}

void Form1::FocusSquare(int square) { Square(square)->setFocus(Qt::OtherFocusReason); }

void Form1::ShowMessage(std::string_view text) { MsgBox(ToQString(text)); }

void Form1::MsgBox(const QString& text) { services_.showMessage(this, text); }

void Form1::EndProgram()
{
    close();
    QCoreApplication::quit();
}

void Form1::ReadBoard()
{
    for (int square = 0; square < SquareCount; ++square) {
        const QString caption = SquareCaption(square);
        std::string_view cell = EmptyCell;
        if (caption == BlackCaption) {
            cell = BlackStone;
        } else if (caption == WhiteCaption) {
            cell = WhiteStone;
        }
        Game.Board(SquareColumn(square), SquareRow(square)) = cell;
    }
}

void Form1::ShowBoard()
{
    for (int square = 0; square < SquareCount; ++square) {
        SetSquareCaption(square, QString::fromStdString(Game.Board(SquareColumn(square), SquareRow(square))));
    }
}

void Form1::RefreshTurn()
{
    ReadBoard();
    PaintAllSquares(ButtonFaceColor);
    const int CanMove = MarkLegalSquares();
    WriteCounts();

    // The boxes are the only store of the counts: the verdict is taken from what they say.
    const TurnVerdict verdict = JudgeTurn(Text1->text().toInt(), Text2->text().toInt(), Text3->text().toInt(),
                                          CanMove == 1, Game.ComputerPassed == 1);
    if (!verdict.passEnabled && focusWidget() == Command2) {
        // Qt would hand the focus of a disabled button to the next one, リセット, where the next
        // Space would wipe the final board; the count box is where the focus rests instead. The
        // window's focus widget, not hasFocus(): after the computer's pass box the window may not be
        // active again yet.
        Text1->setFocus(Qt::OtherFocusReason);
    }
    Command2->setEnabled(verdict.passEnabled);
    ShowResult(verdict.result);
}

// Marks every empty square where "●" may play with the number of stones it would turn; returns
// 1 when there is at least one.
int Form1::MarkLegalSquares()
{
    int CanMove = 0;
    for (int square = 0; square < SquareCount; ++square) {
        const int x = SquareColumn(square);
        const int y = SquareRow(square);
        if (Game.Board(x, y) != EmptyCell) {
            continue;
        }
        Game.MoveFound = 0;
        Game.FlipCount = 0;
        Game.TryMove(x, y, TestMode, BlackStone, WhiteStone);
        if (Game.MoveFound == 1) {
            SetSquareBackColor(square, LegalColor);
            SetSquareCaption(square, QString::number(Game.FlipCount));
            CanMove = 1;
        }
    }
    return CanMove;
}

void Form1::WriteCounts()
{
    int black = 0;
    int white = 0;
    int empty = 0;
    for (int square = 0; square < SquareCount; ++square) {
        const std::string& cell = Game.Board(SquareColumn(square), SquareRow(square));
        if (cell == BlackStone) {
            ++black;
        } else if (cell == WhiteStone) {
            ++white;
        } else {
            ++empty;
        }
    }
    Text1->setText(QString::number(black));
    Text2->setText(QString::number(white));
    Text3->setText(QString::number(empty));
}

void Form1::ShowResult(GameResult result)
{
    switch (result) {
    case GameResult::None: break;
    case GameResult::BlackWins: MsgBox(QStringLiteral("●の勝ちです。")); break;
    case GameResult::Draw: MsgBox(QStringLiteral("引き分けです。")); break;
    case GameResult::WhiteWins: MsgBox(QStringLiteral("○の勝ちです。")); break;
    }
}

void Form1::ComputerMove() { uragae::ComputerMove(Game, *this, services_.random, services_.pause); }

void Form1::Form_Load()
{
    RefreshTurn();
    Text1->setFocus(Qt::OtherFocusReason);
}

void Form1::Command1_Click(int index)
{
    ReadBoard();
    const int x = SquareColumn(index);
    const int y = SquareRow(index);
    if (SquareBackColor(index) != LegalColor) {
        return;
    }
    Game.TryMove(x, y, PlayMode, BlackStone, WhiteStone);
    PaintAllSquares(ButtonFaceColor);
    ShowBoard();
    // Qt paints only between events: paint now, or the person's move would first appear
    // together with the computer's answer, after the pause meant to separate them.
    repaint();
    ComputerMove();
    ShowBoard();
    RefreshTurn();
}

void Form1::Command2_Click()
{
    ReadBoard();
    ComputerMove();
    ShowBoard();
    RefreshTurn();
}

void Form1::Command3_Click()
{
    SetStartPosition(Game.Board);
    ShowBoard();
    RefreshTurn();
    Text1->setFocus(Qt::OtherFocusReason);
}

void Form1::Command4_Click() { EndProgram(); }

void Form1::showEvent(QShowEvent* event)
{
    // The load event: once, before the window first reaches the screen.
    if (!loaded_) {
        loaded_ = true;
        Form_Load();
    }
    QWidget::showEvent(event);
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto square = std::find(Command1.begin(), Command1.end(), watched);
        if (square != Command1.end()) {
            return MoveSquareFocus(static_cast<int>(square - Command1.begin()),
                                   static_cast<QKeyEvent*>(event)->key());
        }
    }
    return QWidget::eventFilter(watched, event);
}

// The arrow keys walk the focus across the board and stop at its edges; they never play.
bool Form1::MoveSquareFocus(int square, int key)
{
    int x = SquareColumn(square);
    int y = SquareRow(square);
    switch (key) {
    case Qt::Key_Left: x = std::max(x - 1, 0); break;
    case Qt::Key_Right: x = std::min(x + 1, BoardSize - 1); break;
    case Qt::Key_Up: y = std::max(y - 1, 0); break;
    case Qt::Key_Down: y = std::min(y + 1, BoardSize - 1); break;
    default: return false;
    }
    FocusSquare(SquareIndex(x, y));
    return true;
}

}  // namespace uragae

// The window in Qt: the designed controls as widgets at 96 dots per inch, their fonts and colors, the
// arrow keys, the real message boxes, and the controls' operations for the turn flow.
#include "qt/form1_widget.h"

#include <QCoreApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QMessageBox>
#include <algorithm>
#include <stdexcept>
#include <utility>

#include "qt/colors.h"
#include "window/form1_design.h"

namespace uragae {

namespace {

// The layout in pixels at the design's 96 dots per inch; Qt scales pixels itself on denser screens.
QRect PixelsOf(const TwipsRect& twips)
{
    const PixelRect pixels = ToPixels(twips, DesignDotsPerInch);
    return {pixels.left, pixels.top, pixels.width, pixels.height};
}

QFont QtFont(const DesignFont& font) { return {ToQString(font.face), font.points, QFont::Normal}; }

void Place(QWidget* control, const DesignedControl& designed)
{
    control->setObjectName(ToQString(designed.name));
    control->setGeometry(PixelsOf(designed.place));
    if (!designed.accessibleName.empty()) {
        control->setAccessibleName(ToQString(designed.accessibleName));
    }
}

QLineEdit* MakeCountBox(QWidget* parent, const DesignedControl& designed)
{
    auto* box = new QLineEdit(parent);
    Place(box, designed);
    box->setFont(QtFont(CountBoxFont));
    // The refresh rewrites the counts every turn, so typing into them would only mislead.
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QPalette colors = box->palette();
    colors.setColor(QPalette::Text, ColorFromValue(CountTextColor, colors));
    box->setPalette(colors);
    return box;
}

}  // namespace

QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void InstallFontSubstitutions()
{
    QFont::insertSubstitutions(ToQString(ProportionalFace), {"IPAPGothic", "Noto Sans CJK JP"});
    QFont::insertSubstitutions(ToQString(FixedPitchFace), {"IPAGothic", "Noto Sans Mono CJK JP"});
}

void ShowMessageBox(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, ToQString(ProgramTitle), text, QMessageBox::Ok, parent);
    // Some styles put an icon on dialog buttons; the game's boxes show none anywhere.
    if (QAbstractButton* ok = box.button(QMessageBox::Ok)) {
        ok->setIcon(QIcon());
    }
    box.exec();
}

Form1Widget::Form1Widget(WindowServices services)
    : form_(*this, std::move(services.random), std::move(services.pause))
{
    InstallFontSubstitutions();
    setWindowTitle(ToQString(WindowCaption));
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
    setFixedSize(PixelsOf(ClientArea).size());
    CreateCountRow();
    CreateSquares();
    CreateButtons();
    ChainTabOrder();
}

void Form1Widget::CreateCountRow()
{
    for (const DesignedControl& designed : Labels) {
        auto* label = new QLabel(ToQString(designed.caption), this);
        Place(label, designed);
        label->setFont(QtFont(LabelFont));
        label->setAlignment(Qt::AlignCenter);
    }
    Text1 = MakeCountBox(this, CountBoxes.at(0));
    Text2 = MakeCountBox(this, CountBoxes.at(1));
    Text3 = MakeCountBox(this, CountBoxes.at(2));
}

void Form1Widget::CreateSquares()
{
    const QFont squareFont = QtFont(SquareFont);
    for (int square = 0; square < SquareCount; ++square) {
        auto* button = new ColorButton(this);
        button->setObjectName(QStringLiteral("Command1_%1").arg(square));
        button->setGeometry(PixelsOf(SquarePlace(square)));
        button->setFont(squareFont);
        button->installEventFilter(this);
        connect(button, &QPushButton::clicked, this, [this, square] { form_.Command1_Click(square); });
        Command1.at(square) = button;
        SetCommand1Caption(square, DesignedCaption(square));
    }
}

void Form1Widget::CreateButtons()
{
    Command2 = new QPushButton(ToQString(Command2Design.caption), this);
    Place(Command2, Command2Design);
    Command3 = new ColorButton(this);
    Command3->setText(ToQString(Command3Design.caption));
    Place(Command3, Command3Design);
    Command3->SetBackColor(ResetButtonColor);
    Command4 = new QPushButton(ToQString(Command4Design.caption), this);
    Place(Command4, Command4Design);
    connect(Command2, &QPushButton::clicked, this, [this] { form_.Command2_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { form_.Command3_Click(); });
    connect(Command4, &QPushButton::clicked, this, [this] { form_.Command4_Click(); });
}

// Tab order as designed: the count boxes, the squares in index order, then the buttons.
void Form1Widget::ChainTabOrder()
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

ColorButton* Form1Widget::Square(int square) const
{
    CheckIndex("square", square, 0, SquareCount - 1);
    return Command1.at(square);
}

QLineEdit* Form1Widget::Box(CountBox box) const
{
    switch (box) {
    case CountBox::Text1: return Text1;
    case CountBox::Text2: return Text2;
    case CountBox::Text3: return Text3;
    }
    throw std::out_of_range("no such count box");
}

std::string Form1Widget::Command1Caption(int square) const { return Square(square)->text().toStdString(); }

void Form1Widget::SetCommand1Caption(int square, std::string_view caption)
{
    ColorButton* button = Square(square);
    button->setText(ToQString(caption));
    button->setAccessibleName(ToQString(SquareAccessibleName(square, caption)));
}

ColorValue Form1Widget::Command1BackColor(int square) const { return Square(square)->BackColor(); }

void Form1Widget::SetCommand1BackColor(int square, ColorValue color) { Square(square)->SetBackColor(color); }

void Form1Widget::FocusCommand1(int square) { Square(square)->setFocus(Qt::OtherFocusReason); }

std::string Form1Widget::Text(CountBox box) const { return Box(box)->text().toStdString(); }

void Form1Widget::SetText(CountBox box, std::string_view text) { Box(box)->setText(ToQString(text)); }

void Form1Widget::FocusText1() { Text1->setFocus(Qt::OtherFocusReason); }

void Form1Widget::SetCommand2Enabled(bool enabled) { Command2->setEnabled(enabled); }

// The window's focus widget, not hasFocus(): after the computer's pass box the window may not be
// active again yet.
bool Form1Widget::Command2HasFocus() const { return focusWidget() == Command2; }

void Form1Widget::MsgBox(std::string_view text) { ShowMessageBox(this, ToQString(text)); }

void Form1Widget::PaintNow() { repaint(); }

void Form1Widget::EndProgram()
{
    close();
    QCoreApplication::quit();
}

void Form1Widget::showEvent(QShowEvent* event)
{
    // The load event: once, before the window first reaches the screen.
    if (!loaded_) {
        loaded_ = true;
        form_.Form_Load();
    }
    QWidget::showEvent(event);
}

// The arrow keys walk the focus across the board; at its edges they are taken and do nothing, where
// a Qt button would otherwise move the focus along the tab order.
bool Form1Widget::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto square = std::find(Command1.begin(), Command1.end(), watched);
        if (square != Command1.end()) {
            Arrow arrow{};
            switch (static_cast<QKeyEvent*>(event)->key()) {
            case Qt::Key_Left: arrow = Arrow::Left; break;
            case Qt::Key_Right: arrow = Arrow::Right; break;
            case Qt::Key_Up: arrow = Arrow::Up; break;
            case Qt::Key_Down: arrow = Arrow::Down; break;
            default: return QWidget::eventFilter(watched, event);
            }
            FocusCommand1(SquareAfterArrow(static_cast<int>(square - Command1.begin()), arrow));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace uragae

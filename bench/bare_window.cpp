// The floor for any program of the game's shape: a bare Qt window with the same widgets (64 push
// buttons, 4 labels, 3 line edits, 3 more buttons) at the same fixed size, ending at its first
// paint.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <array>
#include <string>

#include "quit_on_first_paint.h"

int main()
{
    static int argumentCount = 1;
    static std::string programName = "bare_window";
    static std::array<char*, 2> arguments{programName.data(), nullptr};
    const QApplication application(argumentCount, arguments.data());

    QWidget window;
    window.setFixedSize(337, 433);
    for (int square = 0; square < 64; ++square) {
        auto* button = new QPushButton(&window);
        button->setGeometry(8 + 40 * (square % 8), 8 + 40 * (square / 8), 41, 41);
    }
    for (int label = 0; label < 4; ++label) {
        (new QLabel(QStringLiteral("label"), &window))->setGeometry(16 + 80 * label, 344, 33, 17);
    }
    for (int box = 0; box < 3; ++box) {
        (new QLineEdit(&window))->setGeometry(32 + 96 * box, 336, 41, 25);
    }
    (new QPushButton(QStringLiteral("pass"), &window))->setGeometry(8, 368, 153, 25);
    (new QPushButton(QStringLiteral("reset"), &window))->setGeometry(176, 368, 153, 25);
    (new QPushButton(QStringLiteral("quit"), &window))->setGeometry(8, 400, 321, 25);

    QuitOnFirstPaint quit;
    window.installEventFilter(&quit);
    window.show();
    return QApplication::exec();
}

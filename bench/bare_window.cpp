// The floor for any program of the game's shape: a bare Qt window with the same widgets (64 push
// buttons, 4 labels, 3 line edits, 3 more buttons) at the same fixed size, ending at its first
// paint. With --japanese it also carries the game's Japanese captions in the game's two Japanese
// faces, which shows how much of the game's start-up goes to its text alone.
#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <array>
#include <span>
#include <string_view>

#include "quit_on_first_paint.h"

int main(int argc, char** argv)
{
    const std::span<char*> arguments(argv, static_cast<std::size_t>(argc));
    const bool japanese = arguments.size() > 1 && std::string_view(arguments[1]) == "--japanese";
    const QApplication application(argc, argv);
    const auto text = [japanese](const char* latin, const char* japaneseText) {
        return QString::fromUtf8(japanese ? japaneseText : latin);
    };
    const QFont proportional(QStringLiteral("IPAPGothic"), 15);
    const QFont fixedPitch(QStringLiteral("IPAGothic"), 12);
    const QFont countFont(QStringLiteral("IPAPGothic"), 12);

    QWidget window;
    window.setFixedSize(337, 433);
    for (int square = 0; square < 64; ++square) {
        auto* button = new QPushButton(&window);
        button->setGeometry(8 + 40 * (square % 8), 8 + 40 * (square / 8), 41, 41);
        if (japanese) {
            button->setFont(proportional);
            button->setText(square == 27 || square == 36   ? QStringLiteral("○")
                            : square == 28 || square == 35 ? QStringLiteral("●")
                                                           : QString());
        }
    }
    const std::array<const char*, 4> labels{"●", "枚　○", "枚　残り", "箇所"};
    for (int label = 0; label < 4; ++label) {
        auto* widget = new QLabel(text("label", labels.at(label)), &window);
        widget->setGeometry(16 + 80 * label, 344, 33, 17);
        if (japanese) {
            widget->setFont(fixedPitch);
        }
    }
    for (int box = 0; box < 3; ++box) {
        auto* widget = new QLineEdit(text("0", "60"), &window);
        widget->setGeometry(32 + 96 * box, 336, 41, 25);
        if (japanese) {
            widget->setFont(countFont);
        }
    }
    (new QPushButton(text("pass", "パス"), &window))->setGeometry(8, 368, 153, 25);
    (new QPushButton(text("reset", "リセット"), &window))->setGeometry(176, 368, 153, 25);
    (new QPushButton(text("quit", "終了"), &window))->setGeometry(8, 400, 321, 25);

    QuitOnFirstPaint quit;
    window.installEventFilter(&quit);
    window.show();
    return QApplication::exec();
}

// Starts ウラガエ: one window, no command line, files or settings.
#include "qt/run_game.h"

#include <QApplication>

#include <array>
#include <string>

#include "qt/form1_widget.h"
#include "window/form1_design.h"

namespace uragae {

int RunGame(const std::function<void(Form1Widget&)>& beforeShow)
{
    // Qt gets no arguments of the program's, so none of its own options can be passed in either;
    // the platform's environment variables still apply.
    static int argumentCount = 1;
    static std::string programName = "uragae";
    static std::array<char*, 2> arguments{programName.data(), nullptr};
    const QApplication application(argumentCount, arguments.data());
    QApplication::setApplicationName(ToQString(ProgramTitle));
    QApplication::setApplicationVersion(QStringLiteral(URAGAE_VERSION));
    QGuiApplication::setDesktopFileName(QString::fromUtf8(ApplicationId));

    Form1Widget window;
    if (beforeShow) {
        beforeShow(window);
    }
    window.show();
    return QApplication::exec();
}

}  // namespace uragae

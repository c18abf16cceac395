// Starts ウラガエ: one window, no command line, files or settings.
#include <QApplication>

#include <array>
#include <string>

#include "window/form1.h"

int main()
{
    // Qt gets no arguments of the program's, so none of its own options can be passed in either;
    // the platform's environment variables still apply.
    static int argumentCount = 1;
    static std::string programName = "uragae";
    static std::array<char*, 2> arguments{programName.data(), nullptr};
    const QApplication application(argumentCount, arguments.data());
    QApplication::setApplicationName(QString::fromUtf8(uragae::ProgramTitle));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    QGuiApplication::setDesktopFileName(QString::fromUtf8(uragae::ApplicationId));

    uragae::Form1 window;
    window.show();
    return QApplication::exec();
}

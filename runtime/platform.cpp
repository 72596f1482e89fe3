#include "platform.h"

#include "maker.h"

#include <QApplication>
#include <QLocale>
#include <QMessageBox>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <exception>

namespace zerkovan {

namespace {

constexpr const char *ProgramName = "Zerkovan";
constexpr const char *ProgramVersion = "1.00";

// Until the application object stands, Qt reports a missing or unreachable
// display through several warnings and then aborts. Say it once, plainly.
void startupMessageHandler(QtMsgType type, const QMessageLogContext &context,
                           const QString &message)
{
    const bool fromPlatform = context.category && qstrncmp(context.category, "qt.qpa", 6) == 0;
    if (type == QtFatalMsg) {
        const QByteArray display = qgetenv("DISPLAY");
        std::fprintf(stderr, "zerkovan: cannot open the window: display \"%s\" is not reachable\n",
                     display.constData());
        std::_Exit(1);
    }
    if (!fromPlatform)
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

bool displayNamed()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

} // namespace

std::string DecimalSeparator()
{
    return QLocale::system().decimalPoint().toStdString();
}

void DeliverClick(QWidget *window, const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const std::exception &error) {
        QMessageBox::critical(
            window, QString::fromLatin1(ProgramName),
            QStringLiteral("Грешка при изпълнение: %1").arg(QString::fromUtf8(error.what())));
    }
}

void DescribeApplication()
{
    QApplication::setApplicationName(QString::fromLatin1(ProgramName));
    QApplication::setApplicationDisplayName(QString::fromLatin1(ProgramName));
    QApplication::setApplicationVersion(QString::fromLatin1(ProgramVersion));
    QApplication::setOrganizationName(QString::fromLatin1(MakerAddress));
    QApplication::setOrganizationDomain(QString::fromLatin1(MakerAddress));
    QApplication::setDesktopFileName(QString::fromLatin1(DesktopId));
}

int RunProgram(int argc, char *argv[],
               const std::function<std::unique_ptr<QWidget>()> &createWindow)
{
    if (!displayNamed()) {
        std::fputs("zerkovan: cannot open the window: no display (neither DISPLAY nor "
                   "WAYLAND_DISPLAY is set)\n",
                   stderr);
        return 1;
    }
    const QtMessageHandler previous = qInstallMessageHandler(startupMessageHandler);
    QApplication application(argc, argv);
    qInstallMessageHandler(previous);

    DescribeApplication();
    const std::unique_ptr<QWidget> window = createWindow();
    window->show();
    return QApplication::exec();
}

} // namespace zerkovan

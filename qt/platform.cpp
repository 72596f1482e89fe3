// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

#include "platform.h"

#include "accessibility.h"
#include "display.h"
#include "maker.h"
#include "messages.h"
#include "zerkovan.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <utility>

namespace zerkovan {

namespace {

constexpr const char *ProgramVersion = ZERKOVAN_VERSION;

void sayCannotOpen(const std::string &reason)
{
    std::fprintf(stderr, "zerkovan: cannot open the window: %s\n", reason.c_str());
}

// Until the application object stands, Qt reports a missing or unreachable
// display through several warnings and then aborts. Hold its messages back:
// on that abort say it once, plainly; otherwise pass them on afterwards.
QStringList &heldMessages()
{
    static QStringList messages;
    return messages;
}

void startupMessageHandler(QtMsgType type, const QMessageLogContext &context,
                           const QString &message)
{
    if (type == QtFatalMsg) {
        sayCannotOpen(UnreachableDisplayReason());
        std::_Exit(1);
    }
    const bool fromPlatform = context.category && qstrncmp(context.category, "qt.qpa", 6) == 0;
    if (!fromPlatform)
        heldMessages() << qFormatLogMessage(type, context, message);
}

void passOnHeldMessages()
{
    for (const QString &message : std::exchange(heldMessages(), {}))
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

void describeApplication()
{
    // No display name: the toolkit would append it to every window title,
    // and the caption is the window's own.
    QApplication::setApplicationName(QString::fromLatin1(ProgramName));
    QApplication::setApplicationVersion(QString::fromLatin1(ProgramVersion));
    QApplication::setOrganizationName(QString::fromLatin1(MakerAddress));
    QApplication::setOrganizationDomain(QString::fromLatin1(MakerAddress));
    QApplication::setDesktopFileName(QString::fromLatin1(DesktopId));
}

} // namespace

std::string SystemDecimalSeparator()
{
    return QLocale::system().decimalPoint().toStdString();
}

void DeliverClick(QWidget *window, const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const std::exception &error) {
        ShowRunErrorBox(window, error.what());
    }
}

void ShowRunErrorBox(QWidget *window, std::string_view message)
{
    QMessageBox box(QMessageBox::Critical, QString::fromLatin1(ProgramName),
                    QString::fromUtf8(RunErrorStart) +
                        QString::fromUtf8(message.data(), qsizetype(message.size())),
                    QMessageBox::Ok, window);
    box.button(QMessageBox::Ok)->setText(QString::fromUtf8(RunErrorButton));
    box.exec();
}

bool InstallToolkitTranslation()
{
    // Where the toolkit is installed, or, in a folder deployed beside the
    // executable, its translations/ subfolder.
    const QStringList folders{
        QLibraryInfo::path(QLibraryInfo::TranslationsPath),
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("translations"))};
    auto translator = std::make_unique<QTranslator>(QCoreApplication::instance());
    for (const QString &folder : folders) {
        if (translator->load(QStringLiteral("qtbase_bg"), folder)) {
            QCoreApplication::installTranslator(translator.release());
            return true;
        }
    }
    return false;
}

void PrepareApplication()
{
    describeApplication();
    InstallToolkitTranslation();
    InstallAccessibility();
}

int RunProgram(int argc, char *argv[],
               const std::function<std::unique_ptr<QWidget>()> &createWindow)
{
    if (const std::string reason = NoDisplayReason(); !reason.empty()) {
        sayCannotOpen(reason);
        return 1;
    }
    const QtMessageHandler previous = qInstallMessageHandler(startupMessageHandler);
    QApplication application(argc, argv);
    qInstallMessageHandler(previous);
    passOnHeldMessages();

    PrepareApplication();
    const std::unique_ptr<QWidget> window = createWindow();
    window->show();
    return QApplication::exec();
}

} // namespace zerkovan

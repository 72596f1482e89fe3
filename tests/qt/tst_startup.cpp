// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// Starting where things are missing: no Bulgarian texts for the toolkit
// (this test's own qt.conf points them at an empty place), and no display.
#include "display.h"
#include "platform.h"
#include "windowfixture.h"

#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QMenu>
#include <QRegularExpression>
#include <QTest>

using namespace zerkovan;

class StartupTest : public QObject
{
    Q_OBJECT

private slots:
    void withoutToolkitTranslationMenusStayEnglish();
    void translationBesideTheProgram();
    void cannotOpenReasons_data();
    void cannotOpenReasons();
};

void StartupTest::withoutToolkitTranslationMenusStayEnglish()
{
    QVERIFY(QLibraryInfo::path(QLibraryInfo::TranslationsPath).contains(QStringLiteral("none")));
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    PrepareApplication();
    QVERIFY(!InstallToolkitTranslation());

    WindowFixture fixture;
    QVERIFY(fixture.open());
    std::unique_ptr<QMenu> menu(fixture.input()->createStandardContextMenu());
    QVERIFY(menu->actions().first()->text().startsWith(QStringLiteral("&Undo")));
}

void StartupTest::translationBesideTheProgram()
{
    // As the Windows folder deploys it: in translations/ beside the program.
    const QDir folder(QCoreApplication::applicationDirPath() + QStringLiteral("/translations"));
    QDir(folder).removeRecursively();
    QVERIFY(folder.mkpath(QStringLiteral(".")));
    QVERIFY(QFile::copy(QStringLiteral(":/deployed/qtbase_bg.qm"),
                        folder.filePath(QStringLiteral("qtbase_bg.qm"))));
    const bool installed = InstallToolkitTranslation();
    QDir(folder).removeRecursively();
    QVERIFY(installed);

    WindowFixture fixture;
    QVERIFY(fixture.open());
    std::unique_ptr<QMenu> menu(fixture.input()->createStandardContextMenu());
    QVERIFY(!menu->actions().first()->text().startsWith(QStringLiteral("&Undo")));
}

void StartupTest::cannotOpenReasons_data()
{
    QTest::addColumn<QByteArray>("platform");
    QTest::addColumn<QByteArray>("wayland");
    QTest::addColumn<QByteArray>("x11");
    QTest::addColumn<QByteArray>("before"); // empty: a display is named
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("none") << QByteArray() << QByteArray() << QByteArray()
                          << QByteArray("no display (neither DISPLAY nor WAYLAND_DISPLAY is set)")
                          << QByteArray("no display could be opened");
    QTest::newRow("Wayland") << QByteArray() << QByteArray("w-1") << QByteArray() << QByteArray()
                             << QByteArray("Wayland display \"w-1\" is not reachable");
    QTest::newRow("X") << QByteArray() << QByteArray() << QByteArray(":3") << QByteArray()
                       << QByteArray("X display \":3\" is not reachable");
    QTest::newRow("both")
        << QByteArray() << QByteArray("w-1") << QByteArray(":3") << QByteArray()
        << QByteArray("neither Wayland display \"w-1\" nor X display \":3\" is reachable");
    QTest::newRow("platform named")
        << QByteArray("vnc") << QByteArray() << QByteArray() << QByteArray()
        << QByteArray("the platform \"vnc\" could not be started");
}

void StartupTest::cannotOpenReasons()
{
    QFETCH(QByteArray, platform);
    QFETCH(QByteArray, wayland);
    QFETCH(QByteArray, x11);
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    const QList<std::pair<const char *, QByteArray>> environment{
        {"QT_QPA_PLATFORM", platform}, {"WAYLAND_DISPLAY", wayland}, {"DISPLAY", x11}};
    QList<std::pair<const char *, QByteArray>> saved;
    for (const auto &[name, value] : environment) {
        saved.append({name, qgetenv(name)});
        value.isEmpty() ? qunsetenv(name) : qputenv(name, value);
    }
    const std::string noDisplay = NoDisplayReason();
    const std::string unreachable = UnreachableDisplayReason();
    for (const auto &[name, value] : saved)
        value.isEmpty() ? qunsetenv(name) : qputenv(name, value);

#if defined(Q_OS_UNIX)
    QCOMPARE(QByteArray::fromStdString(noDisplay), before);
#else
    QVERIFY(noDisplay.empty()); // the system always has its one display
#endif
    QCOMPARE(QByteArray::fromStdString(unreachable), after);
}

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"

// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// A long session on the real window: many display and clear clicks must
// leave memory where it was.
#include "textbox.h"
#include "zerkovanwidget.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <unistd.h>

using namespace zerkovan;

namespace {

// Resident memory in bytes, or -1 where the system does not say.
qint64 residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * sysconf(_SC_PAGESIZE) : -1;
}

} // namespace

class EnduranceTest : public QObject
{
    Q_OBJECT

private slots:
    void thousandDisplayClearPairs();
};

void EnduranceTest::thousandDisplayClearPairs()
{
    ZerkovanWidget window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *input = qobject_cast<QLineEdit *>(window.Text2(0));
    const QStringList oddTexts{QString(),
                               QStringLiteral("-3"),
                               QStringLiteral(".5"),
                               QStringLiteral("7x"),
                               QStringLiteral("&7"),
                               QStringLiteral("1E"),
                               QStringLiteral(" 7"),
                               QStringLiteral("Жж"),
                               QStringLiteral("&H"),
                               QStringLiteral("-0"),
                               QStringLiteral("1,")};

    qint64 afterFirstHundred = -1;
    for (int pair = 1; pair <= 1000; ++pair) {
        const QString text = pair % 10 == 0 ? oddTexts[(pair / 10) % oddTexts.size()]
                                            : QString::number(1 + pair % 99);
        input->setText(text);
        QTest::mouseClick(window.Command1(0), Qt::LeftButton);
        const QString output = QString::fromStdString(TextOf(window.Text2(1)));
        QVERIFY2(output.section(QStringLiteral("\r\n"), -1).startsWith(QStringLiteral("Числото ")),
                 qPrintable(text));
        QTest::mouseClick(window.Command1(1), Qt::LeftButton);
        QVERIFY(TextOf(window.Text2(1)).empty());
        QVERIFY(input->text().isEmpty());
        if (pair == 100)
            afterFirstHundred = residentBytes();
    }
    const qint64 afterLast = residentBytes();

#ifdef ZERKOVAN_SANITIZED
    QSKIP("sanitizer build: the leak check at exit stands in for resident memory");
#endif
    QVERIFY2(afterLast >= 0, "the system did not tell resident memory");
    const qint64 growth = afterLast - afterFirstHundred;
    qInfo("resident memory: %lld kB after 100 pairs, %lld kB after 1000 (%+lld kB)",
          afterFirstHundred / 1024, afterLast / 1024, growth / 1024);
    QVERIFY2(growth < qint64(1024) * 1024, qPrintable(QString::number(growth)));
}

QTEST_MAIN(EnduranceTest)
#include "tst_endurance.moc"

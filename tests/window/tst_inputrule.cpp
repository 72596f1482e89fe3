// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// The input box's rule, one table for every front end: each row of
// inputrule.json types, pastes or replaces a text in a box and says what
// stays and where the cursor ends. The web page's rule meets the same rows
// (tests/web/check-inputrule.mjs).
#include "characterlimit.h"
#include "inputrule.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace zerkovan;

class InputRuleTest : public QObject
{
    Q_OBJECT

private slots:
    void admitEdit_data();
    void admitEdit();
};

void InputRuleTest::admitEdit_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("admittedCursor");

    QFile file(QStringLiteral(ZERKOVAN_INPUT_RULE_ROWS));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QJsonArray rows = QJsonDocument::fromJson(file.readAll()).array();
    QVERIFY(!rows.isEmpty());
    for (const auto &value : rows) {
        const QJsonObject row = value.toObject();
        const QString before = row[u"before"].toString();
        const QString inserted = row[u"inserted"].toString();
        const int start = row[u"select"][0].toInt();
        const int end = row[u"select"][1].toInt();
        QTest::newRow(qPrintable(row[u"name"].toString()))
            << before << before.left(start) + inserted + before.mid(end)
            << int(start + inserted.size()) << row[u"text"].toString() << row[u"cursor"].toInt();
    }
}

void InputRuleTest::admitEdit()
{
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(int, cursor);
    QFETCH(QString, text);
    QFETCH(int, admittedCursor);
    const AdmittedEdit admitted = AdmitEdit(AsUtf16(before), AsUtf16(after), std::size_t(cursor),
                                            InputBoxMaxLength, GraphemeBoundariesOf);
    QCOMPARE(QString::fromStdU16String(admitted.text), text);
    QCOMPARE(int(admitted.cursor), admittedCursor);
}

QTEST_GUILESS_MAIN(InputRuleTest)
#include "tst_inputrule.moc"

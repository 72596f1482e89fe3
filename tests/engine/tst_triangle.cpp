// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

#include "triangle.h"
#include "triangleoracle.h"

#include <QTest>

using namespace zerkovan;

namespace {

QString outputOf(const WindowState &state)
{
    return QString::fromStdString(state.output);
}

// Runs the engine on state as the display button does, with a new input.
void display(WindowState &state, std::string input, std::string_view separator = ".")
{
    state.input = std::move(input);
    RunTriangle(state, separator);
}

WindowState runFor(const QByteArray &input, std::string_view separator = ".")
{
    WindowState state;
    display(state, input.toStdString(), separator);
    return state;
}

} // namespace

class TriangleTest : public QObject
{
    Q_OBJECT

private slots:
    void printRow_data();
    void printRow();
    void printRowFoundFlag_data();
    void printRowFoundFlag();
    void verdict_data();
    void verdict();
    void workedExample();
    void secondRunReplacesFirst();
    void runIgnoresStaleState();
    void tooManyRowsFailBeforeWriting_data();
    void tooManyRowsFailBeforeWriting();
};

void TriangleTest::printRow_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("expected");

    QTest::newRow("0 writes nothing") << 0 << QString();
    QTest::newRow("-1 writes nothing") << -1 << QString();
    QTest::newRow("1") << 1 << QStringLiteral("1\r\n");
    QTest::newRow("2") << 2 << QStringLiteral("2 2\r\n");
    QTest::newRow("3") << 3 << QStringLiteral("3 4 3\r\n");
    QTest::newRow("4") << 4 << QStringLiteral("4 6 6 4\r\n");
    QTest::newRow("5") << 5 << QStringLiteral("5 8 9 8 5\r\n");
    QTest::newRow("6") << 6 << QStringLiteral("6 10 12 12 10 6\r\n");
    // Entries of five to nine digits, which no two-character input reaches.
    QTest::newRow("1000") << 1000 << oracle::row(1000) + QStringLiteral("\r\n");
    QTest::newRow("32767") << 32767 << oracle::row(32767) + QStringLiteral("\r\n");
}

void TriangleTest::printRow()
{
    QFETCH(int, row);
    QFETCH(QString, expected);
    WindowState state;
    state.output = "kept\r\n";
    PrintRow(state, Integer16(row));
    QCOMPARE(outputOf(state), QStringLiteral("kept\r\n") + expected);
    QCOMPARE(state.FoundFlag, Integer16(NotSeen));
}

void TriangleTest::printRowFoundFlag_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("flagBefore");
    QTest::addColumn<int>("flagAfter");

    QTest::newRow("6 at k=2 of row 4") << QByteArray("6") << 4 << 0 << 1;
    QTest::newRow("4 as middle of row 3") << QByteArray("4") << 3 << 0 << 1;
    QTest::newRow("4 as first entry of row 4") << QByteArray("4") << 4 << 0 << 1;
    QTest::newRow("9 as middle of row 5") << QByteArray("9") << 5 << 0 << 1;
    QTest::newRow("absent") << QByteArray("7") << 6 << 0 << 0;
    QTest::newRow("recorded stays 2") << QByteArray("4") << 4 << 2 << 2;
    QTest::newRow("seen stays 1") << QByteArray("6") << 4 << 1 << 1;
    QTest::newRow(".5 never matches") << QByteArray(".5") << 2 << 0 << 0;
    QTest::newRow("read as number") << QByteArray(" 6") << 4 << 0 << 1;
}

void TriangleTest::printRowFoundFlag()
{
    QFETCH(QByteArray, input);
    QFETCH(int, row);
    QFETCH(int, flagBefore);
    QFETCH(int, flagAfter);
    WindowState state;
    state.input = input.toStdString();
    state.FoundFlag = Integer16(flagBefore);
    PrintRow(state, Integer16(row));
    QCOMPARE(int(state.FoundFlag), flagAfter);
    QCOMPARE(state.input, input.toStdString());
}

void TriangleTest::verdict_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("separator");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<int>("foundRow");

    const QByteArray dot(".");
    const auto found = [](const char *n, int row) {
        return QStringLiteral("Числото %1 се среща в ред %2").arg(QLatin1String(n)).arg(row);
    };
    const auto missing = [](const char *n) {
        return QStringLiteral("Числото %1 не се среща в триъгълника").arg(QString::fromUtf8(n));
    };
    QTest::newRow("1") << QByteArray("1") << dot << 1 << found("1", 1) << 1;
    QTest::newRow("2") << QByteArray("2") << dot << 2 << found("2", 2) << 2;
    QTest::newRow("4") << QByteArray("4") << dot << 4 << found("4", 3) << 3;
    QTest::newRow("6") << QByteArray("6") << dot << 6 << found("6", 4) << 4;
    QTest::newRow("9") << QByteArray("9") << dot << 9 << found("9", 5) << 5;
    QTest::newRow("12") << QByteArray("12") << dot << 12 << found("12", 6) << 6;
    QTest::newRow("36") << QByteArray("36") << dot << 36 << found("36", 11) << 11;
    QTest::newRow("99") << QByteArray("99") << dot << 99 << found("99", 19) << 19;
    QTest::newRow("97 prime") << QByteArray("97") << dot << 97 << found("97", 97) << 97;
    QTest::newRow("07") << QByteArray("07") << dot << 7 << found("7", 7) << 7;
    QTest::newRow("7x") << QByteArray("7x") << dot << 7 << found("7", 7) << 7;
    QTest::newRow("blank 7") << QByteArray(" 7") << dot << 7 << found("7", 7) << 7;
    QTest::newRow("1D") << QByteArray("1D") << dot << 1 << found("1", 1) << 1;
    QTest::newRow("&7") << QByteArray("&7") << dot << 7 << found("7", 7) << 7;
    QTest::newRow("empty") << QByteArray() << dot << 0 << missing("0") << 0;
    QTest::newRow("0") << QByteArray("0") << dot << 0 << missing("0") << 0;
    QTest::newRow("-3") << QByteArray("-3") << dot << 0 << missing("-3") << 0;
    QTest::newRow("-0") << QByteArray("-0") << dot << 0 << missing("0") << 0;
    QTest::newRow(".5 dot") << QByteArray(".5") << dot << 0 << missing("0.5") << 0;
    QTest::newRow(".5 comma") << QByteArray(".5") << QByteArray(",") << 0 << missing("0,5") << 0;
    QTest::newRow("1.5 has a row") << QByteArray("1.5") << dot << 1 << missing("1.5") << 0;
    QTest::newRow("-∞") << QByteArray("-1E999") << dot << 0 << missing("-\u221E") << 0;
}

void TriangleTest::verdict()
{
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, separator);
    QFETCH(int, rows);
    QFETCH(QString, verdict);
    QFETCH(int, foundRow);

    const WindowState state = runFor(input, separator.toStdString());
    const QStringList lines = outputOf(state).split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), rows + 1);
    QCOMPARE(lines.last(), verdict);
    QCOMPARE(int(state.FoundRow), foundRow);
    QCOMPARE(int(state.FoundFlag), foundRow == 0 ? 0 : 2);
    QCOMPARE(state.input, input.toStdString());
}

void TriangleTest::workedExample()
{
    QCOMPARE(outputOf(runFor("4")),
             QStringLiteral("1\r\n2 2\r\n3 4 3\r\n4 6 6 4\r\nЧислото 4 се среща в ред 3"));
}

void TriangleTest::secondRunReplacesFirst()
{
    WindowState state;
    display(state, "6");
    display(state, "2");
    QCOMPARE(outputOf(state), QStringLiteral("1\r\n2 2\r\nЧислото 2 се среща в ред 2"));
    QCOMPARE(int(state.FoundRow), 2);
}

void TriangleTest::runIgnoresStaleState()
{
    // As the clear button leaves it after a run that found 9 in row 5.
    WindowState state;
    state.FoundFlag = SeenRecorded;
    state.FoundRow = 5;
    state.output = "stale";
    RunTriangle(state, ".");
    QCOMPARE(outputOf(state), QStringLiteral("Числото 0 не се среща в триъгълника"));
    QCOMPARE(int(state.FoundRow), 0);
    QCOMPARE(int(state.FoundFlag), 0);
}

void TriangleTest::tooManyRowsFailBeforeWriting_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::newRow("32768") << QByteArray("32768");
    QTest::newRow("&H10000") << QByteArray("&H10000");
    QTest::newRow("1E9") << QByteArray("1E9");
    QTest::newRow("infinity") << QByteArray("1E400");
}

void TriangleTest::tooManyRowsFailBeforeWriting()
{
    QFETCH(QByteArray, input);
    WindowState state;
    state.input = input.toStdString();
    state.output = "old";
    state.FoundFlag = SeenRecorded;
    state.FoundRow = 7;
    QCOMPARE(RunTriangle(state, "."), RunResult::Overflow);
    QCOMPARE(outputOf(state), QString());
    QCOMPARE(int(state.FoundFlag), 0);
    QCOMPARE(int(state.FoundRow), 0);
}

QTEST_GUILESS_MAIN(TriangleTest)
#include "tst_triangle.moc"

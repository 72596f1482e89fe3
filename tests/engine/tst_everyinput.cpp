// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

#include "everytext.h"
#include "triangle.h"
#include "triangleoracle.h"

#include <QDir>
#include <QTest>
#include <bit>
#include <cmath>
#include <random>

using namespace zerkovan;

class EveryInputTest : public QObject
{
    Q_OBJECT

private slots:
    void everyTextTheBoxAdmits_data();
    void everyTextTheBoxAdmits();
    void bothDigitReadersAgree();
    void bothDigitWritersAgree();

private:
    // Checks one run's output line by line; returns an empty text when it is
    // well-formed, or what is wrong.
    static QString problemWith(const WindowState &state, double n, std::string_view separator);
};

QString EveryInputTest::problemWith(const WindowState &state, double n, std::string_view separator)
{
    const QStringList lines = QString::fromStdString(state.output).split(QStringLiteral("\r\n"));
    const int rows = n >= 1 ? int(std::floor(n)) : 0;
    if (lines.size() != rows + 1)
        return QStringLiteral("%1 lines for %2 rows").arg(lines.size()).arg(rows);
    for (int i = 1; i <= rows; ++i) {
        if (lines[i - 1] != oracle::row(i))
            return QStringLiteral("row %1 reads '%2'").arg(i).arg(lines[i - 1]);
    }
    const bool whole = n >= 1 && n == std::floor(n);
    const int foundRow = whole ? oracle::firstRowHolding(int(n)) : 0;
    const QString number = n == std::floor(n) ? QString::number(qint64(n))
                                              : QString::fromStdString(NumberText(n, separator));
    const QString verdict =
        foundRow ? QStringLiteral("Числото %1 се среща в ред %2").arg(number).arg(foundRow)
                 : QStringLiteral("Числото %1 не се среща в триъгълника").arg(number);
    if (lines.last() != verdict)
        return QStringLiteral("verdict reads '%1'").arg(lines.last());
    if (state.FoundRow != foundRow || state.FoundFlag != (foundRow ? SeenRecorded : NotSeen))
        return QStringLiteral("fields %1, %2").arg(state.FoundFlag).arg(state.FoundRow);
    return {};
}

void EveryInputTest::everyTextTheBoxAdmits_data()
{
    QTest::addColumn<QByteArray>("separator");
    QTest::newRow("period") << QByteArray(".");
    QTest::newRow("comma") << QByteArray(",");
}

void EveryInputTest::everyTextTheBoxAdmits()
{
    QFETCH(QByteArray, separator);
    QStringList texts;
    for (const std::string &text : everytext::texts())
        texts << QString::fromStdString(text);
    QCOMPARE(texts.size(), 3907);
    for (const QString &text : std::as_const(texts)) {
        WindowState state;
        state.input = text.toStdString();
        RunTriangle(state, separator.toStdString());
        const double n = ValFromText(state.input);
        QVERIFY2(n >= -9 && n <= 99, qPrintable(text));
        const QString problem = problemWith(state, n, separator.toStdString());
        QVERIFY2(problem.isEmpty(),
                 qPrintable(QStringLiteral("input '%1': %2").arg(text, problem)));
    }
}

void EveryInputTest::bothDigitReadersAgree()
{
    // The browser's standard library reads with strtod; this one has both.
    QVERIFY(HasFromCharsForDouble);
    std::vector<std::string> texts = everytext::texts();
    const QDir corpus(QStringLiteral(ZERKOVAN_FUZZ_CORPUS));
    const QStringList seeds = corpus.entryList(QDir::Files);
    QVERIFY(seeds.size() > 10);
    for (const QString &seed : seeds) {
        QFile file(corpus.filePath(seed));
        QVERIFY(file.open(QIODevice::ReadOnly));
        texts.push_back(file.readAll().mid(1).toStdString()); // after the separator byte
    }
    for (const std::string &text : texts) {
        const double fromChars = ValFromText(text, DigitReader::FromChars);
        const double strtod = ValFromText(text, DigitReader::Strtod);
        QVERIFY2(std::bit_cast<quint64>(fromChars) == std::bit_cast<quint64>(strtod), text.c_str());
    }
}

void EveryInputTest::bothDigitWritersAgree()
{
    // The browser writes with snprintf; here both run, on every fraction a
    // short text gives, ties to round, and doubles of every magnitude.
    std::vector<double> values{0.5, -0.05, 1.5e-7, 0.1 + 0.2, 123456789012345.5, 2.5e-15};
    for (const std::string &text : everytext::texts())
        values.push_back(ValFromText(text));
    std::mt19937_64 bits(20261209);
    while (values.size() < 300'000) {
        const double value = std::bit_cast<double>(bits());
        if (std::isfinite(value))
            values.push_back(value);
    }
    for (const double value : values) {
        const std::string toChars = NumberText(value, ",", DigitWriter::ToChars);
        const std::string snprintf = NumberText(value, ",", DigitWriter::Snprintf);
        QCOMPARE(snprintf, toChars);
    }
}

QTEST_GUILESS_MAIN(EveryInputTest)
#include "tst_everyinput.moc"

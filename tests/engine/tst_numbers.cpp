// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

#include "numbers.h"
#include "triangle.h"

#include <QTest>
#include <cmath>
#include <limits>

using namespace zerkovan;

class NumbersTest : public QObject
{
    Q_OBJECT

private slots:
    void valFromText_data();
    void valFromText();
    void valFromTextHugeMagnitudes();
    void numberText_data();
    void numberText();
    void numberTextOfInteger16();
    void toInteger16_data();
    void toInteger16();
    void checkedSubtract();
};

void NumbersTest::valFromText_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("empty") << QByteArray("") << 0.0;
    QTest::newRow("letters") << QByteArray("ab") << 0.0;
    QTest::newRow("42") << QByteArray("42") << 42.0;
    QTest::newRow("-3") << QByteArray("-3") << -3.0;
    QTest::newRow("blank before") << QByteArray(" 7") << 7.0;
    QTest::newRow("blank after") << QByteArray("7 ") << 7.0;
    QTest::newRow("tab and line feed") << QByteArray("\t7\n") << 7.0;
    QTest::newRow("blank inside") << QByteArray("1 2") << 12.0;
    QTest::newRow("line feed before") << QByteArray("\n7") << 7.0;
    QTest::newRow("line feed inside") << QByteArray("1\n2") << 12.0;
    QTest::newRow("carriage return ends") << QByteArray("1\r2") << 1.0;
    QTest::newRow("no-break space ends") << QByteArray("1\u00A02") << 1.0;
    QTest::newRow("full-width digit") << QByteArray("\uFF17") << 0.0;
    QTest::newRow("5x") << QByteArray("5x") << 5.0;
    QTest::newRow(".5") << QByteArray(".5") << 0.5;
    QTest::newRow("5.") << QByteArray("5.") << 5.0;
    QTest::newRow("+5") << QByteArray("+5") << 5.0;
    QTest::newRow("comma ends") << QByteArray("1,5") << 1.0;
    QTest::newRow("lone minus") << QByteArray("-") << 0.0;
    QTest::newRow("lone period") << QByteArray(".") << 0.0;
    QTest::newRow("-.5") << QByteArray("-.5") << -0.5;
    QTest::newRow("second sign ends") << QByteArray("+-5") << 0.0;
    QTest::newRow("07") << QByteArray("07") << 7.0;
    QTest::newRow("1D2") << QByteArray("1D2") << 100.0;
    QTest::newRow("1e-2") << QByteArray("1e-2") << 0.01;
    QTest::newRow("5E empty exponent") << QByteArray("5E") << 5.0;
    QTest::newRow("5E+ empty exponent") << QByteArray("5E+") << 5.0;
    QTest::newRow("E5 no mantissa") << QByteArray("E5") << 0.0;
    QTest::newRow(".E5 no mantissa") << QByteArray(".E5") << 0.0;
    QTest::newRow("&7") << QByteArray("&7") << 7.0;
    QTest::newRow("&8") << QByteArray("&8") << 0.0;
    QTest::newRow("&17") << QByteArray("&17") << 15.0;
    QTest::newRow("&H") << QByteArray("&H") << 0.0;
    QTest::newRow("&o") << QByteArray("&o") << 0.0;
    QTest::newRow("&hF") << QByteArray("&hF") << 15.0;
    QTest::newRow("&O17") << QByteArray("&O17") << 15.0;
    QTest::newRow("&o17") << QByteArray("&o17") << 15.0;
    QTest::newRow("&HFFFF") << QByteArray("&HFFFF") << -1.0;
    QTest::newRow("&H8000") << QByteArray("&H8000") << -32768.0;
    QTest::newRow("&H7FFF") << QByteArray("&H7FFF") << 32767.0;
    QTest::newRow("&H10000") << QByteArray("&H10000") << 65536.0;
    QTest::newRow("&HFFFFFFFF") << QByteArray("&HFFFFFFFF") << -1.0;
    QTest::newRow("&H7FFFFFFF") << QByteArray("&H7FFFFFFF") << 2147483647.0;
    QTest::newRow("33 bits stop") << QByteArray("&H1FFFFFFFF") << 536870911.0;
    QTest::newRow("&HG") << QByteArray("&HG") << 0.0;
    QTest::newRow("sign before &") << QByteArray("-&H1") << 0.0;
    QTest::newRow("&-1") << QByteArray("&-1") << 0.0;
    QTest::newRow("cyrillic") << QByteArray("Ж") << 0.0;
}

void NumbersTest::valFromText()
{
    QFETCH(QByteArray, text);
    QFETCH(double, expected);
    QCOMPARE(ValFromText(text.toStdString()), expected);
}

void NumbersTest::valFromTextHugeMagnitudes()
{
    const double inf = std::numeric_limits<double>::infinity();
    QCOMPARE(ValFromText("1E400"), inf);
    QCOMPARE(ValFromText("-1E400"), -inf);
    QCOMPARE(ValFromText("1E99999999999999999999"), inf);
    QCOMPARE(ValFromText("1E-400"), 0.0);
    QCOMPARE(ValFromText("0.0001E-99999999999"), 0.0);
    QCOMPARE(ValFromText(std::string(400, '9')), inf);
    QCOMPARE(ValFromText("0." + std::string(400, '0') + "1E400"), 0.1);
    QVERIFY(std::signbit(ValFromText("-0")));
}

void NumbersTest::numberText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QByteArray>("separator");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray dot(".");
    const QByteArray comma(",");
    QTest::newRow("4") << 4.0 << dot << QByteArray("4");
    QTest::newRow("-3") << -3.0 << dot << QByteArray("-3");
    QTest::newRow("0") << 0.0 << dot << QByteArray("0");
    QTest::newRow("negative zero") << -0.0 << dot << QByteArray("0");
    QTest::newRow("3*(5-3+1)") << 3 * (5.0 - 3 + 1) << dot << QByteArray("9");
    QTest::newRow("9 digits") << 123456789.0 << dot << QByteArray("123456789");
    QTest::newRow("largest 32-bit") << 4294967295.0 << dot << QByteArray("4294967295");
    QTest::newRow("past 32 bits") << 4294967296.0 << dot << QByteArray("4294967296");
    QTest::newRow("fraction rounds to 15 whole digits")
        << 100000000000000.5 << dot << QByteArray("100000000000000");
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << dot
                                  << QByteArray("NaN");
    QTest::newRow("largest fixed whole")
        << 999999999999999.0 << dot << QByteArray("999999999999999");
    QTest::newRow("0.5 dot") << 0.5 << dot << QByteArray("0.5");
    QTest::newRow("0.5 comma") << 0.5 << comma << QByteArray("0,5");
    QTest::newRow("-0.5 comma") << -0.5 << comma << QByteArray("-0,5");
    QTest::newRow("multi-byte separator")
        << 1.25 << QByteArray("\u066B") << QByteArray("1\u066B25");
    QTest::newRow("0.1 has 15 digits") << 0.1 << dot << QByteArray("0.1");
    QTest::newRow("1/3") << 1.0 / 3 << dot << QByteArray("0.333333333333333");
    QTest::newRow("2/3 rounds") << 2.0 / 3 << comma << QByteArray("0,666666666666667");
    QTest::newRow("1E+15") << 1e15 << dot << QByteArray("1E+15");
    QTest::newRow("big whole") << 123456789012345678.0 << dot << QByteArray("1.23456789012346E+17");
    QTest::newRow("rounds up to whole") << 0.99999999999999999 << dot << QByteArray("1");
    QTest::newRow("fraction near 1E15") << 999999999999999.5 << dot << QByteArray("1E+15");
    QTest::newRow("fixed to 15 digits") << 12345.678 << comma << QByteArray("12345,678");
    QTest::newRow("0.000001") << 0.000001 << dot << QByteArray("0.000001");
    QTest::newRow("15 digits after point") << 1e-15 << dot << QByteArray("0.000000000000001");
    QTest::newRow("1E-16") << 1e-16 << dot << QByteArray("1E-16");
    QTest::newRow("exponent 10") << 1.23456789012e-10 << dot << QByteArray("1.23456789012E-10");
    QTest::newRow("exponent 9") << 1.23456789012e-9 << dot << QByteArray("1.23456789012E-09");
    QTest::newRow("5.6789E-12") << 5.6789e-12 << dot << QByteArray("5.6789E-12");
    QTest::newRow("5.6789E-12 comma") << 5.6789e-12 << comma << QByteArray("5,6789E-12");
    QTest::newRow("1E+300") << 1e300 << dot << QByteArray("1E+300");
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << dot
                              << QByteArray("\u221E");
    QTest::newRow("-infinity") << -std::numeric_limits<double>::infinity() << dot
                               << QByteArray("-\u221E");
}

void NumbersTest::numberText()
{
    QFETCH(double, value);
    QFETCH(QByteArray, separator);
    QFETCH(QByteArray, expected);
    QCOMPARE(QByteArray::fromStdString(NumberText(value, separator.toStdString())), expected);
}

void NumbersTest::numberTextOfInteger16()
{
    QCOMPARE(NumberText(Integer16(0)), std::string("0"));
    QCOMPARE(NumberText(Integer16(3)), std::string("3"));
    QCOMPARE(NumberText(Integer16(-3)), std::string("-3"));
    QCOMPARE(NumberText(Integer16(-32768)), std::string("-32768"));
}

void NumbersTest::toInteger16_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("overflows");
    QTest::addColumn<int>("expected");

    QTest::newRow("-32768") << -32768.0 << false << -32768;
    QTest::newRow("32767") << 32767.0 << false << 32767;
    QTest::newRow("-32769") << -32769.0 << true << 0;
    QTest::newRow("32768") << 32768.0 << true << 0;
    QTest::newRow("0.5 to even") << 0.5 << false << 0;
    QTest::newRow("1.5 to even") << 1.5 << false << 2;
    QTest::newRow("2.5 to even") << 2.5 << false << 2;
    QTest::newRow("-2.5 to even") << -2.5 << false << -2;
    QTest::newRow("2.6") << 2.6 << false << 3;
    QTest::newRow("32767.4") << 32767.4 << false << 32767;
    QTest::newRow("32767.5 rounds out") << 32767.5 << true << 0;
    QTest::newRow("-32768.5 rounds in") << -32768.5 << false << -32768;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << true << 0;
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << true << 0;
}

void NumbersTest::toInteger16()
{
    QFETCH(double, value);
    QFETCH(bool, overflows);
    QFETCH(int, expected);
    if (overflows) {
        QVERIFY(!ToInteger16(value));
        return;
    }
    QCOMPARE(ToInteger16(value), std::optional<Integer16>(Integer16(expected)));
}

void NumbersTest::checkedSubtract()
{
    QCOMPARE(CheckedSubtract(1, 1), std::optional<Integer16>(0));
    QCOMPARE(CheckedSubtract(-32767, 1), std::optional<Integer16>(-32768));
    QVERIFY(!CheckedSubtract(-32768, 1));
    QVERIFY(!CheckedSubtract(32767, -1));
    QCOMPARE(MessageOf(RunResult::Overflow), std::string_view("Overflow"));
}

QTEST_GUILESS_MAIN(NumbersTest)
#include "tst_numbers.moc"

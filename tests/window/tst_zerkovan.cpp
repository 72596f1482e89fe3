// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// The window's handlers alone, through a front end that only records what
// they ask of it, in the order asked: no toolkit, no controls.
#include "zerkovan.h"

#include <QTest>

using namespace zerkovan;
using namespace Qt::Literals::StringLiterals;

namespace {

QString quoted(std::string_view text)
{
    return u'"' + QString::fromUtf8(text.data(), qsizetype(text.size())) + u'"';
}

class RecordingFrontEnd : public Zerkovan
{
public:
    std::string input;
    std::string separator;
    mutable QStringList asked; // also by what only reads

    void click(Integer16 index)
    {
        asked.clear();
        Command1_Click(index);
    }

protected:
    std::string TextOfText2(Integer16 index) const override
    {
        asked << u"text of %1"_s.arg(index);
        return index == 0 ? input : std::string();
    }
    void AssignText2(Integer16 index, std::string_view text) override
    {
        asked << u"assign %1: %2"_s.arg(index).arg(quoted(text));
        if (index == 0)
            input.assign(text);
    }
    void SayVerdict(std::string_view verdict) override { asked << u"say "_s + quoted(verdict); }
    void ClearVerdict() override { asked << u"clear verdict"_s; }
    void ShowRunError(std::string_view message) override
    {
        asked << u"run error "_s + quoted(message);
    }
    std::string DecimalSeparator() const override
    {
        asked << u"separator"_s;
        return separator;
    }
};

} // namespace

class ZerkovanTest : public QObject
{
    Q_OBJECT

private slots:
    void click_data();
    void click();
};

void ZerkovanTest::click_data()
{
    QTest::addColumn<QString>("shownFirst"); // displayed before the click, if any
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<int>("button");
    QTest::addColumn<QStringList>("asked");
    QTest::addColumn<int>("foundFlag");
    QTest::addColumn<int>("foundRow");

    const QStringList display{u"text of 0"_s, u"separator"_s};
    const auto shown = [&](const QString &output, const QString &verdict) {
        return display + QStringList{u"assign 1: \""_s + output + verdict + u'"',
                                     u"say \""_s + verdict + u'"'};
    };
    const auto missing = [&](const QString &number) {
        return shown({}, u"Числото %1 не се среща в триъгълника"_s.arg(number));
    };
    const QStringList overflow =
        display + QStringList{u"assign 1: \"\""_s, u"clear verdict"_s, u"run error \"Overflow\""_s};

    QTest::newRow("4 gives the worked example")
        << QString() << u"4"_s << u"."_s << 0
        << shown(u"1\r\n2 2\r\n3 4 3\r\n4 6 6 4\r\n"_s, u"Числото 4 се среща в ред 3"_s) << 2 << 3;
    QTest::newRow("0 is in no row")
        << QString() << u"0"_s << u"."_s << 0 << missing(u"0"_s) << 0 << 0;
    QTest::newRow(".5 is in no row, written with the front end's separator")
        << QString() << u".5"_s << u","_s << 0 << missing(u"0,5"_s) << 0 << 0;
    QTest::newRow("a run past the rows overflows")
        << QString() << u"40000"_s << u"."_s << 0 << overflow << 0 << 0;
    QTest::newRow("a failed run after a good one takes its verdict back")
        << u"4"_s << u"40000"_s << u"."_s << 0 << overflow << 0 << 0;
    // FoundRow is kept: the next display sets it before it is read.
    QTest::newRow("«Изчисти» after a display empties both boxes and the verdict")
        << u"4"_s << u"4"_s << u"."_s << 1
        << QStringList{u"assign 0: \"\""_s, u"assign 1: \"\""_s, u"clear verdict"_s} << 0 << 3;
}

void ZerkovanTest::click()
{
    QFETCH(QString, shownFirst);
    QFETCH(QString, input);
    QFETCH(QString, separator);
    QFETCH(int, button);
    QFETCH(QStringList, asked);
    QFETCH(int, foundFlag);
    QFETCH(int, foundRow);

    RecordingFrontEnd window;
    window.separator = separator.toStdString();
    if (!shownFirst.isEmpty()) {
        window.input = shownFirst.toStdString();
        window.click(0);
    }
    window.input = input.toStdString();
    window.click(Integer16(button));
    QCOMPARE(window.asked, asked);
    QCOMPARE(int(window.state().FoundFlag), foundFlag);
    QCOMPARE(int(window.state().FoundRow), foundRow);
}

QTEST_APPLESS_MAIN(ZerkovanTest)
#include "tst_zerkovan.moc"

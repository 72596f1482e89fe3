// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// On a real X server: what the screen shows of the window, pixel by pixel,
// text pasted from selections that another program owns, and keys that pass
// through the input method (compose) as a user's keyboard does.
#include "textbox.h"
#include "windowfixture.h"
#include "zerkovanwidget.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <algorithm>
#include <array>
#include <cmath>

using namespace zerkovan;

class RealScreenTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void screenShowsTheColours_data();
    void screenShowsTheColours();
    void pasteFromAnotherProgram_data();
    void pasteFromAnotherProgram();
    void inputMethodWritesOnlyIntoTheInputBox();
    void focusRingLeavesTheScreen();
    void boxEdgesStandOut_data();
    void boxEdgesStandOut();

private:
    QImage onScreen(const QWidget *widget) const;

    ZerkovanWidget m_window;
    QImage m_screen;
};

void RealScreenTest::initTestCase()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QFAIL("needs an X server: run it through run-under-xvfb.sh");
    m_window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m_window));
    m_window.activateWindow();
    QTRY_VERIFY(m_window.isActiveWindow());
    // Until the server has drawn the window, the clear button's face is not red.
    QTRY_COMPARE(onScreen(m_window.Command1(1)).pixelColor(5, 5), QColor(255, 0, 0));
    m_screen = m_window.screen()->grabWindow(0).toImage();
}

void RealScreenTest::screenShowsTheColours_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QPoint>("where");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("window") << QStringLiteral("window") << QPoint(30, 10) << QColor(192, 192, 255);
    QTest::newRow("window below buttons")
        << QStringLiteral("window") << QPoint(350, 70) << QColor(192, 192, 255);
    QTest::newRow("Label1(0)") << QStringLiteral("Label1(0)") << QPoint(5, 5)
                               << QColor(255, 192, 128);
    QTest::newRow("Command1(0)") << QStringLiteral("Command1(0)") << QPoint(5, 5)
                                 << QColor(128, 255, 128);
    QTest::newRow("Command1(0) far corner")
        << QStringLiteral("Command1(0)") << QPoint(-6, -6) << QColor(128, 255, 128);
    QTest::newRow("Command1(1)") << QStringLiteral("Command1(1)") << QPoint(5, 5)
                                 << QColor(255, 0, 0);
    QTest::newRow("Label1(1)") << QStringLiteral("Label1(1)") << QPoint(5, 5)
                               << QColor(255, 192, 128);
    QTest::newRow("output box") << QStringLiteral("Text2(1)") << QPoint(100, 100)
                                << QApplication::palette().color(QPalette::Base);
}

void RealScreenTest::screenShowsTheColours()
{
    QFETCH(QString, control);
    QFETCH(QPoint, where);
    QFETCH(QColor, colour);
    QWidget *widget = ControlNamed(m_window, control);
    const QPoint local = where.x() < 0 ? QPoint(widget->width(), widget->height()) + where : where;
    const QPoint global = widget->mapToGlobal(local) * m_window.devicePixelRatio();
    QCOMPARE(m_screen.pixelColor(global), colour);
}

void RealScreenTest::pasteFromAnotherProgram_data()
{
    QTest::addColumn<QString>("selection"); // as xclip names it
    QTest::addColumn<QString>("offered");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Ctrl+V, line feed")
        << QStringLiteral("clipboard") << QStringLiteral("9\n9") << QStringLiteral("9");
    QTest::newRow("middle click, tab")
        << QStringLiteral("primary") << QStringLiteral("1\t2") << QStringLiteral("12");
}

void RealScreenTest::pasteFromAnotherProgram()
{
    QFETCH(QString, selection);
    QFETCH(QString, offered);
    QFETCH(QString, expected);
    // xclip keeps owning the selection until another program takes it over.
    QProcess owner;
    owner.start(QStringLiteral("xclip"), {QStringLiteral("-selection"), selection});
    QVERIFY2(owner.waitForStarted(), "xclip is not installed");
    owner.write(offered.toUtf8());
    owner.closeWriteChannel();
    QVERIFY(owner.waitForFinished());
    // It forks, and its child takes the selection only once it runs: wait
    // until another client is served the text.
    const auto served = [&selection] {
        QProcess reader;
        reader.start(QStringLiteral("xclip"),
                     {QStringLiteral("-o"), QStringLiteral("-selection"), selection});
        reader.waitForFinished();
        return QString::fromUtf8(reader.readAllStandardOutput());
    };
    QTRY_COMPARE_WITH_TIMEOUT(served(), offered, 10000);

    auto *input = qobject_cast<QLineEdit *>(m_window.Text2(0));
    input->clear();
    input->setFocus();
    if (selection == QLatin1String("primary"))
        QTest::mouseClick(input, Qt::MiddleButton);
    else
        QTest::keyClick(input, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(input->text(), expected);
}

QImage RealScreenTest::onScreen(const QWidget *widget) const
{
    const QPoint at = widget->mapToGlobal(QPoint(0, 0));
    return m_window.screen()
        ->grabWindow(0, at.x(), at.y(), widget->width(), widget->height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

void RealScreenTest::inputMethodWritesOnlyIntoTheInputBox()
{
    QCOMPARE(qEnvironmentVariable("QT_IM_MODULE"), QStringLiteral("compose"));
    // A keyboard with dead keys, for as long as the server lives: a key that
    // xdotool maps only while it types would be gone before Qt reads the map.
    QCOMPARE(QProcess::execute(
                 QStringLiteral("setxkbmap"),
                 {QStringLiteral("us"), QStringLiteral("-variant"), QStringLiteral("intl")}),
             0);
    auto *input = qobject_cast<QLineEdit *>(m_window.Text2(0));
    input->setText(QStringLiteral("4"));
    m_window.Command1(0)->click();
    input->clear();
    for (QWidget *box :
         {m_window.Text2(1), static_cast<QWidget *>(m_window.Text1(0)), m_window.Text2(0)}) {
        const std::string before = TextOf(box);
        box->setFocus();
        QTRY_VERIFY(box->hasFocus());
        // A dead acute and e compose to "é"; Ctrl+End then shows that all arrived.
        QCOMPARE(QProcess::execute(QStringLiteral("xdotool"),
                                   {QStringLiteral("key"), QStringLiteral("dead_acute"),
                                    QStringLiteral("e"), QStringLiteral("ctrl+End")}),
                 0);
        if (box == input) {
            QTRY_COMPARE(input->text(), QStringLiteral("é"));
        } else {
            QTRY_VERIFY(qobject_cast<QPlainTextEdit *>(box)->textCursor().atEnd());
            QCOMPARE(TextOf(box), before);
        }
    }
}

void RealScreenTest::focusRingLeavesTheScreen()
{
    // What the server shows, not a fresh rendering: a box that loses the
    // focus must repaint where its ring was.
    QPlainTextEdit *statement = m_window.Text1(0);
    const QPoint edge(statement->width() / 2, statement->frameWidth() + 1);
    const QColor highlight = statement->palette().color(QPalette::Highlight);
    m_window.Text2(0)->setFocus();
    QTRY_VERIFY(onScreen(statement).pixelColor(edge) != highlight);
    const QImage unfocused = onScreen(statement);
    statement->setFocus();
    QTRY_COMPARE(onScreen(statement).pixelColor(edge), highlight);
    QTest::keyClick(statement, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), m_window.Text2(0));
    QTRY_COMPARE(onScreen(statement), unfocused);
}

namespace {

// The contrast of two colours, as WCAG computes it.
double contrast(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &colour) {
        const auto linear = [](double v) {
            return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
               0.0722 * linear(colour.blueF());
    };
    const double first = luminance(a);
    const double second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

} // namespace

void RealScreenTest::boxEdgesStandOut_data()
{
    QTest::addColumn<int>("box"); // 0: Text2(0), 1: Text2(1), 2: Text1(0)
    QTest::addColumn<bool>("focused");
    QTest::newRow("Text2(0)") << 0 << false;
    QTest::newRow("Text2(0) focused") << 0 << true;
    QTest::newRow("Text2(1)") << 1 << false;
    QTest::newRow("Text1(0)") << 2 << false;
}

// Each box's edge against the window on the screen: on every side, the
// pixels of the box's outermost row or column, at the middle of the side and
// halfway to each end, differ from the window's colour by 3:1 or more.
void RealScreenTest::boxEdgesStandOut()
{
    QFETCH(int, box);
    QFETCH(bool, focused);
    QWidget *widget = std::array<QWidget *, 3>{m_window.Text2(0), m_window.Text2(1),
                                               m_window.Text1(0)}[std::size_t(box)];
    QWidget *elsewhere = m_window.Command1(1);
    (focused ? widget : elsewhere)->setFocus();
    QTRY_VERIFY(widget->hasFocus() == focused);
    if (focused) // the focused input box's edge is black
        QTRY_COMPARE(onScreen(widget).pixelColor(0, widget->height() / 2), QColor(0, 0, 0));
    else
        QTRY_VERIFY(onScreen(widget).pixelColor(0, widget->height() / 2) != QColor(0, 0, 0));
    const QImage edges = onScreen(widget);
    const QRect all = edges.rect();
    double least = 21;
    for (const double along : {0.25, 0.5, 0.75}) {
        const int x = int(along * all.right());
        const int y = int(along * all.bottom());
        for (const QPoint at : {QPoint(all.left(), y), QPoint(all.right(), y), QPoint(x, all.top()),
                                QPoint(x, all.bottom())})
            least = std::min(least, contrast(edges.pixelColor(at), QColor(192, 192, 255)));
    }
    qInfo("least contrast of the edge against the window: %.2f:1", least);
    QVERIFY2(least >= 3.0, qPrintable(QString::number(least, 'f', 2)));
}

QTEST_MAIN(RealScreenTest)
#include "tst_realscreen.moc"

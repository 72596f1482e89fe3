// On a real X server: what the screen shows of the window, pixel by pixel,
// and text pasted from selections that another program owns.
#include "zerkovan.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTest>

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

private:
    Zerkovan m_window;
    QImage m_screen;
};

void RealScreenTest::initTestCase()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QFAIL("needs an X server: run it through run-under-xvfb.sh");
    m_window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m_window));
    QTest::qWait(300); // let the server finish drawing
    m_screen = m_window.screen()->grabWindow(0).toImage();
    QVERIFY(!m_screen.isNull());
}

void RealScreenTest::screenShowsTheColours_data()
{
    QTest::addColumn<QString>("control"); // "" for the window itself
    QTest::addColumn<QPoint>("where");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("window") << QString() << QPoint(30, 10) << QColor(192, 192, 255);
    QTest::newRow("window below buttons") << QString() << QPoint(350, 70) << QColor(192, 192, 255);
    QTest::newRow("Label1(0)") << QStringLiteral("Label1(0)") << QPoint(5, 5)
                               << QColor(255, 192, 128);
    QTest::newRow("Command1(0)") << QStringLiteral("Command1(0)") << QPoint(5, 5)
                                 << QColor(128, 255, 128);
    QTest::newRow("Command1(0) far corner")
        << QStringLiteral("Command1(0)") << QPoint(-6, -6) << QColor(128, 255, 128);
    QTest::newRow("Command1(1)") << QStringLiteral("Command1(1)") << QPoint(5, 5)
                                 << QColor(255, 0, 0);
}

void RealScreenTest::screenShowsTheColours()
{
    QFETCH(QString, control);
    QFETCH(QPoint, where);
    QFETCH(QColor, colour);
    QWidget *widget = &m_window;
    if (control == QLatin1String("Label1(0)"))
        widget = m_window.Label1(0);
    else if (control == QLatin1String("Command1(0)"))
        widget = m_window.Command1(0);
    else if (control == QLatin1String("Command1(1)"))
        widget = m_window.Command1(1);
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
    QVERIFY(owner.waitForFinished()); // it forks to serve the selection

    auto *input = qobject_cast<QLineEdit *>(m_window.Text2(0));
    input->clear();
    input->setFocus();
    if (selection == QLatin1String("primary"))
        QTest::mouseClick(input, Qt::MiddleButton);
    else
        QTest::keyClick(input, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(input->text(), expected);
}

QTEST_MAIN(RealScreenTest)
#include "tst_realscreen.moc"

// The window as it opens: layout, colours, font, texts, icon and names.
#include "platform.h"
#include "statictexts.h"
#include "textbox.h"
#include "twips.h"
#include "windowfixture.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

using namespace zerkovan;

class WindowLayoutTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { QVERIFY(m_fixture.open()); }
    void cleanup() { m_fixture.close(); }

    void geometryAt96Dpi_data();
    void geometryAt96Dpi();
    void layoutScalesWithDpi_data();
    void layoutScalesWithDpi();
    void colours_data();
    void colours();
    void fontCoversCyrillic();
    void staticTexts();
    void programMetadata();
    void iconFilesShowOneImage();
    void accessibleNames();

private:
    WindowFixture m_fixture;
};

void WindowLayoutTest::initTestCase()
{
    QCOMPARE(QGuiApplication::primaryScreen()->logicalDotsPerInch(), 96.0);
}

void WindowLayoutTest::geometryAt96Dpi_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("pixels");
    // Twips at 96 dpi: 15 twips a pixel.
    QTest::newRow("Label1(0)") << QStringLiteral("Label1(0)") << QRect(64, 0, 361, 25);
    QTest::newRow("Label1(1)") << QStringLiteral("Label1(1)") << QRect(8, 40, 105, 25);
    QTest::newRow("Text2(0)") << QStringLiteral("Text2(0)") << QRect(112, 40, 105, 27);
    QTest::newRow("Command1(0)") << QStringLiteral("Command1(0)") << QRect(256, 40, 73, 25);
    QTest::newRow("Command1(1)") << QStringLiteral("Command1(1)") << QRect(384, 40, 73, 25);
    QTest::newRow("Text2(1)") << QStringLiteral("Text2(1)") << QRect(8, 80, 457, 155);
    QTest::newRow("Text1(0)") << QStringLiteral("Text1(0)") << QRect(8, 248, 457, 169);
    QTest::newRow("Text1(1)") << QStringLiteral("Text1(1)") << QRect(40, 312, 449, 121);
}

void WindowLayoutTest::geometryAt96Dpi()
{
    QFETCH(QString, control);
    QFETCH(QRect, pixels);
    const QHash<QString, QWidget *> controls{
        {QStringLiteral("Label1(0)"), m_fixture.window().Label1(0)},
        {QStringLiteral("Label1(1)"), m_fixture.window().Label1(1)},
        {QStringLiteral("Text2(0)"), m_fixture.window().Text2(0)},
        {QStringLiteral("Text2(1)"), m_fixture.window().Text2(1)},
        {QStringLiteral("Command1(0)"), m_fixture.window().Command1(0)},
        {QStringLiteral("Command1(1)"), m_fixture.window().Command1(1)},
        {QStringLiteral("Text1(0)"), m_fixture.window().Text1(0)},
        {QStringLiteral("Text1(1)"), m_fixture.window().Text1(1)},
    };
    QCOMPARE(controls.value(control)->geometry(), pixels);
    QCOMPARE(m_fixture.window().size(), QSize(481, 424));
    QCOMPARE(m_fixture.window().minimumSize(), m_fixture.window().maximumSize());
    QVERIFY(!(m_fixture.window().windowFlags() & Qt::WindowMaximizeButtonHint));
}

void WindowLayoutTest::layoutScalesWithDpi_data()
{
    QTest::addColumn<qreal>("dpi");
    QTest::addColumn<QSize>("clientArea");
    QTest::addColumn<QRect>("outputBox");
    QTest::newRow("96") << qreal(96) << QSize(481, 424) << QRect(8, 80, 457, 155);
    QTest::newRow("120") << qreal(120) << QSize(601, 530) << QRect(10, 100, 571, 194);
    QTest::newRow("144") << qreal(144) << QSize(722, 636) << QRect(12, 120, 686, 233);
}

void WindowLayoutTest::layoutScalesWithDpi()
{
    QFETCH(qreal, dpi);
    QFETCH(QSize, clientArea);
    QFETCH(QRect, outputBox);
    QCOMPARE(QSize(TwipsToPixels(7215, dpi), TwipsToPixels(6360, dpi)), clientArea);
    QCOMPARE(TwipsToPixels(QRect(120, 1200, 6855, 2325), dpi), outputBox);
}

void WindowLayoutTest::colours_data()
{
    QTest::addColumn<QPoint>("where");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("window") << QPoint(30, 10) << QColor(192, 192, 255);
    QTest::newRow("between buttons") << QPoint(350, 50) << QColor(192, 192, 255);
    QTest::newRow("Label1(0)") << QPoint(70, 5) << QColor(255, 192, 128);
    QTest::newRow("Label1(1)") << QPoint(10, 42) << QColor(255, 192, 128);
    QTest::newRow("Command1(0) face") << QPoint(261, 45) << QColor(128, 255, 128);
    QTest::newRow("Command1(0) lower face") << QPoint(325, 60) << QColor(128, 255, 128);
    QTest::newRow("Command1(1) face") << QPoint(389, 45) << QColor(255, 0, 0);
    QTest::newRow("output box") << QPoint(200, 200)
                                << QApplication::palette().color(QPalette::Base);
}

void WindowLayoutTest::colours()
{
    QFETCH(QPoint, where);
    QFETCH(QColor, colour);
    QCOMPARE(m_fixture.window().grab().toImage().pixelColor(where), colour);
}

void WindowLayoutTest::fontCoversCyrillic()
{
    const QList<QWidget *> controls{&m_fixture.window(),           m_fixture.window().Label1(0),
                                    m_fixture.window().Label1(1),  m_fixture.window().Text2(0),
                                    m_fixture.window().Text2(1),   m_fixture.window().Text1(0),
                                    m_fixture.window().Text1(1),   m_fixture.window().Command1(0),
                                    m_fixture.window().Command1(1)};
    for (QWidget *control : controls) {
        QCOMPARE(control->font().family(), QStringLiteral("Times New Roman"));
        QCOMPARE(control->font().pointSize(), 12);
        QCOMPARE(control->font().weight(), QFont::Normal);
        QVERIFY(!control->font().italic());
    }
    const QString resolved = QFontInfo(m_fixture.window().font()).family();
    QVERIFY2(QFontDatabase::writingSystems(resolved).contains(QFontDatabase::Cyrillic),
             qPrintable(resolved));
    const QFontMetrics metrics(m_fixture.window().font());
    for (const QChar c : QStringLiteral("ЗерковнЧлсщдъ"))
        QVERIFY2(metrics.inFont(c), qPrintable(QString(c)));
}

void WindowLayoutTest::staticTexts()
{
    QCOMPARE(m_fixture.window().windowTitle(), QStringLiteral("www.dorvelan.example  Дорвелан"));
    QCOMPARE(m_fixture.window().Label1(0)->text(), QStringLiteral("Зеркован"));
    QCOMPARE(m_fixture.window().Label1(1)->text(), QStringLiteral("Номер на ред:"));
    QCOMPARE(m_fixture.window().Label1(0)->alignment(), Qt::AlignCenter);
    QCOMPARE(m_fixture.window().Command1(0)->text(), QStringLiteral("Изведи"));
    QCOMPARE(m_fixture.window().Command1(1)->text(), QStringLiteral("Изчисти"));
    QCOMPARE(TextOf(m_fixture.window().Text1(0)), std::string(TaskStatement));
    QCOMPARE(TextOf(m_fixture.window().Text1(1)), std::string(Motto));
    const QStringList statement = QString::fromUtf8(TaskStatement).split(QStringLiteral("\r\n"));
    QCOMPARE(statement.size(), 22);
    QCOMPARE(statement[2], QStringLiteral("Тема на проекта: Зеркован."));
    QCOMPARE(statement[19],
             QStringLiteral("Трябва да се намерят първите естествени числа x и y,  за "
                            "които N = x*y. "));
    QVERIFY(statement[20].endsWith(QStringLiteral("това е ред с номер: x + y - 1.")));
    QVERIFY(statement[21].isEmpty());
    QCOMPARE(m_fixture.window().Text1(0)->verticalScrollBar()->value(), 0);
    QVERIFY(!m_fixture.window().Text1(1)->isVisible());
    QVERIFY(m_fixture.input()->text().isEmpty());
    QVERIFY(m_fixture.outputText().isEmpty());
    QCOMPARE(int(m_fixture.window().state().FoundFlag), 0);
    QCOMPARE(int(m_fixture.window().state().FoundRow), 0);
    QVERIFY(!m_fixture.window().windowIcon().isNull());
    QCOMPARE(m_fixture.window().windowIcon().pixmap(32, 32).size(), QSize(32, 32));
}

void WindowLayoutTest::programMetadata()
{
    DescribeApplication();
    QCOMPARE(QApplication::applicationName(), QStringLiteral("Zerkovan"));
    QCOMPARE(QApplication::applicationVersion(), QStringLiteral("1.00"));
    QCOMPARE(QApplication::organizationDomain(), QStringLiteral("www.dorvelan.example"));
}

void WindowLayoutTest::iconFilesShowOneImage()
{
    const QImage xpm(QFINDTESTDATA("../app/zerkovan.xpm"));
    const QImage ico(QFINDTESTDATA("../app/zerkovan.ico"));
    QCOMPARE(xpm.size(), QSize(32, 32));
    QCOMPARE(ico.convertToFormat(QImage::Format_ARGB32),
             xpm.convertToFormat(QImage::Format_ARGB32));
    QCOMPARE(xpm.pixelColor(0, 0).alpha(), 0);
    QSet<QRgb> colours;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x)
            colours.insert(xpm.pixel(x, y));
    }
    QVERIFY(colours.size() <= 256);
}

void WindowLayoutTest::accessibleNames()
{
    QCOMPARE(m_fixture.window().Text2(0)->accessibleName(), QStringLiteral("Номер на ред:"));
    QCOMPARE(m_fixture.window().Label1(1)->buddy(), m_fixture.window().Text2(0));
    for (QWidget *control : m_fixture.window().findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        QVERIFY2(!control->accessibleName().isEmpty(), control->metaObject()->className());
}

QTEST_MAIN(WindowLayoutTest)
#include "tst_windowlayout.moc"

// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// The window as it opens: layout, colours, font, texts, icon and names.
#include "platform.h"
#include "statictexts.h"
#include "statusnotice.h"
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
#include <QTextBlock>
#include <QTextLayout>
#include <cmath>

using namespace zerkovan;

namespace {

// Premultiplied, so that a transparent pixel is transparent whatever colour
// it names; colour space tags aside.
QByteArray pixelsOf(const QImage &image)
{
    const QImage converted = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return {reinterpret_cast<const char *>(converted.constBits()),
            qsizetype(converted.sizeInBytes())};
}

// The mean difference of two pictures of one size, per channel, 0 to 255.
double meanDifference(const QImage &one, const QImage &other)
{
    const QByteArray a = pixelsOf(one);
    const QByteArray b = pixelsOf(other);
    if (a.size() != b.size() || a.isEmpty())
        return 255;
    double sum = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        sum += std::abs(int(quint8(a[i])) - int(quint8(b[i])));
    return sum / double(a.size());
}

} // namespace

class WindowLayoutTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { QVERIFY(m_fixture.open()); }
    void cleanup() { m_fixture.close(); }

    void geometryFollowsTwipsTable_data();
    void geometryFollowsTwipsTable();
    void layoutScalesWithDpi_data();
    void layoutScalesWithDpi();
    void fontCoversCyrillic();
    void staticTexts();
    void frameAndScrollBars();
    void programMetadata();
    void iconFilesShowOneImage();
    void accessibleNames();
    void focusIsVisible_data();
    void focusIsVisible();

private:
    WindowFixture m_fixture;
};

void WindowLayoutTest::initTestCase()
{
    // CTest runs the geometry check again on screens of 120 and 144 dpi.
    const qreal expected = qEnvironmentVariableIsSet("ZERKOVAN_TEST_DPI")
                               ? qEnvironmentVariableIntValue("ZERKOVAN_TEST_DPI")
                               : 96;
    QCOMPARE(QGuiApplication::primaryScreen()->logicalDotsPerInch(), expected);
}

void WindowLayoutTest::geometryFollowsTwipsTable_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("twips");
    QTest::newRow("Label1(0)") << QStringLiteral("Label1(0)") << QRect(960, 0, 5415, 375);
    QTest::newRow("Label1(1)") << QStringLiteral("Label1(1)") << QRect(120, 600, 1575, 375);
    QTest::newRow("Text2(0)") << QStringLiteral("Text2(0)") << QRect(1680, 600, 1575, 405);
    QTest::newRow("Command1(0)") << QStringLiteral("Command1(0)") << QRect(3840, 600, 1095, 375);
    QTest::newRow("Command1(1)") << QStringLiteral("Command1(1)") << QRect(5760, 600, 1095, 375);
    QTest::newRow("Text2(1)") << QStringLiteral("Text2(1)") << QRect(120, 1200, 6855, 2325);
    QTest::newRow("Text1(0)") << QStringLiteral("Text1(0)") << QRect(120, 3720, 6855, 2535);
    QTest::newRow("Text1(1)") << QStringLiteral("Text1(1)") << QRect(600, 4680, 6735, 1815);
    QTest::newRow("client area") << QStringLiteral("window") << QRect(0, 0, 7215, 6360);
}

void WindowLayoutTest::geometryFollowsTwipsTable()
{
    QFETCH(QString, control);
    QFETCH(QRect, twips);
    // Worked out here, not by the window's own conversion.
    const qreal dpi = m_fixture.window().screen()->logicalDotsPerInch();
    const auto pixels = [dpi](int value) { return int(std::lround(value * dpi / 1440)); };
    const QRect expected(pixels(twips.x()), pixels(twips.y()), pixels(twips.width()),
                         pixels(twips.height()));
    QWidget *widget = m_fixture.control(control);
    QCOMPARE(widget->isWindow() ? QRect(QPoint(), widget->size()) : widget->geometry(), expected);
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
    const layout::Twips place = PixelsOf({120, 1200, 6855, 2325}, dpi);
    QCOMPARE(QRect(place.left, place.top, place.width, place.height), outputBox);
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
    QCOMPARE(m_fixture.input()->alignment(), Qt::AlignCenter);
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
    // Lines 9 to 14 show what the program writes for 4.
    QCOMPARE(statement[8], QStringLiteral("Пример: 4:"));
    WindowState example;
    example.input = std::string("4");
    zerkovan::RunTriangle(example, ".");
    QCOMPARE(statement.mid(9, 5).join(QStringLiteral("\r\n")),
             QString::fromStdString(example.output));
    QCOMPARE(m_fixture.window().Text1(0)->verticalScrollBar()->value(), 0);
    QVERIFY(!m_fixture.window().Text1(1)->isVisible());
    QVERIFY(m_fixture.input()->text().isEmpty());
    QVERIFY(m_fixture.outputText().isEmpty());
    QCOMPARE(int(m_fixture.window().state().FoundFlag), 0);
    QCOMPARE(int(m_fixture.window().state().FoundRow), 0);
}

void WindowLayoutTest::frameAndScrollBars()
{
    ZerkovanWidget &window = m_fixture.window();
    QVERIFY(window.windowFlags() & Qt::WindowMinimizeButtonHint);
    for (QWidget *control : {window.Text2(1), static_cast<QWidget *>(window.Text1(0))}) {
        auto *box = qobject_cast<QPlainTextEdit *>(control);
        QVERIFY(box->verticalScrollBar()->isVisible());
        // Lines wrap at the box's width: nothing to scroll sideways to.
        QCOMPARE(box->horizontalScrollBar()->maximum(), 0);
    }
    const QTextLayout *firstLine = window.Text1(0)->document()->firstBlock().layout();
    QVERIFY(firstLine->lineCount() > 3);
    QVERIFY(firstLine->boundingRect().width() <= window.Text1(0)->viewport()->width());
}

void WindowLayoutTest::programMetadata()
{
    PrepareApplication();
    QCOMPARE(QApplication::applicationName(), QStringLiteral("Zerkovan"));
    QCOMPARE(QApplication::applicationVersion(), QStringLiteral("1.00"));
    QCOMPARE(QApplication::organizationDomain(), QStringLiteral("www.dorvelan.example"));
}

void WindowLayoutTest::iconFilesShowOneImage()
{
    const QImage xpm(QFINDTESTDATA("../../app/zerkovan.xpm"));
    const QImage ico(QFINDTESTDATA("../../app/zerkovan.ico"));
    QCOMPARE(xpm.size(), QSize(32, 32));
    QCOMPARE(pixelsOf(ico), pixelsOf(xpm));
    QCOMPARE(xpm.pixelColor(0, 0).alpha(), 0);
    QSet<QRgb> colours;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x)
            colours.insert(xpm.pixel(x, y));
    }
    QVERIFY(colours.size() <= 256);

    // The window carries every size; at 32 pixels it is the icon itself, and
    // a doubled screen gets a picture drawn for 64 pixels or more, not the 32
    // blown up (Qt 6.4 takes the 64-pixel one, Qt 6.8 the 128 scaled down).
    const QIcon icon = m_fixture.window().windowIcon();
    QCOMPARE(icon.availableSizes(),
             (QList<QSize>{{16, 16}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}}));
    QCOMPARE(pixelsOf(icon.pixmap(32).toImage()), pixelsOf(xpm));
    const QImage doubled = icon.pixmap(QSize(32, 32), 2.0).toImage();
    QCOMPARE(doubled.size(), QSize(64, 64));
    // Against the pictures drawn at build time, not what the icon hands out.
    const QImage drawn64(QStringLiteral(":/zerkovan/zerkovan-64.png"));
    const QImage from128 = QImage(QStringLiteral(":/zerkovan/zerkovan-128.png"))
                               .scaled(64, 64, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QCOMPARE(drawn64.size(), QSize(64, 64));
    QVERIFY2(pixelsOf(doubled) == pixelsOf(drawn64) || meanDifference(doubled, from128) < 4,
             qPrintable(QStringLiteral("%1 from the 64, %2 from the 128 scaled down")
                            .arg(meanDifference(doubled, drawn64))
                            .arg(meanDifference(doubled, from128))));
    // Neither is the 32 blown up.
    QVERIFY(meanDifference(drawn64, xpm.scaled(64, 64)) > 4);
}

void WindowLayoutTest::accessibleNames()
{
    QCOMPARE(m_fixture.window().Text2(0)->accessibleName(), QStringLiteral("Номер на ред:"));
    QCOMPARE(m_fixture.window().Label1(1)->buddy(), m_fixture.window().Text2(0));
    // The status notice, no control, is named by what it says.
    for (QWidget *control :
         m_fixture.window().findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (qobject_cast<StatusNotice *>(control) == nullptr)
            QVERIFY2(!control->accessibleName().isEmpty(), control->metaObject()->className());
    }
}

void WindowLayoutTest::focusIsVisible_data()
{
    QTest::addColumn<int>("control"); // index into the tab order
    QTest::newRow("Text1(0)") << 0;
    QTest::newRow("Text2(0)") << 1;
    QTest::newRow("Text2(1)") << 2;
    QTest::newRow("Command1(0)") << 3;
    QTest::newRow("Command1(1)") << 4;
}

void WindowLayoutTest::focusIsVisible()
{
    QFETCH(int, control);
    ZerkovanWidget &window = m_fixture.window();
    const QList<QWidget *> tabOrder{window.Text1(0), window.Text2(0), window.Text2(1),
                                    window.Command1(0), window.Command1(1)};
    QWidget *widget = tabOrder[control];
    QWidget *elsewhere = tabOrder[(control + 1) % tabOrder.size()];
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    elsewhere->setFocus();
    const QImage unfocused = widget->grab().toImage();
    widget->setFocus();
    QVERIFY(widget->hasFocus());
    const QImage focused = widget->grab().toImage();
    elsewhere->setFocus();
    QCOMPARE(widget->grab().toImage(), unfocused);

    // More than a caret: a mark along at least half the control's outline.
    int changed = 0;
    for (int y = 0; y < focused.height(); ++y) {
        for (int x = 0; x < focused.width(); ++x)
            changed += focused.pixel(x, y) != unfocused.pixel(x, y);
    }
    QVERIFY2(changed >= widget->width() + widget->height(), qPrintable(QString::number(changed)));

    // Scrolling moves what is drawn; the mark stays along the box's edge.
    auto *box = qobject_cast<QPlainTextEdit *>(widget);
    if (box && box->verticalScrollBar()->maximum() > 0) {
        widget->setFocus();
        QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
        QVERIFY(box->verticalScrollBar()->value() > 0);
        const QImage scrolled = box->viewport()->grab().toImage();
        const QColor highlight = box->palette().color(QPalette::Highlight);
        for (const QPoint edge : {QPoint(scrolled.width() / 2, 0), QPoint(0, scrolled.height() / 2),
                                  QPoint(scrolled.width() / 2, scrolled.height() - 1)})
            QCOMPARE(scrolled.pixelColor(edge), highlight);
    }
}

QTEST_MAIN(WindowLayoutTest)
#include "tst_windowlayout.moc"

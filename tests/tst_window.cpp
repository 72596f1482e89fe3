// The window through its real widgets: keys typed, buttons clicked.
#include "platform.h"
#include "statictexts.h"
#include "textbox.h"
#include "twips.h"
#include "zerkovan.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <memory>

using namespace zerkovan;

class WindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

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
    void inputTakesTwoCharacters_data();
    void inputTakesTwoCharacters();
    void readOnlyBoxesRefuseTyping_data();
    void readOnlyBoxesRefuseTyping();
    void readOnlyBoxSelectsAndCopies();
    void tabOrderAndFirstFocus();
    void accessibleNames();
    void displayAndClear_data();
    void displayAndClear();
    void displayTwiceReplaces();
    void clearThenDisplayEmpty();
    void enterDisplays();
    void decimalSeparatorIsTheSystemLocales();
    void outputShownFromFirstLine();
    void errorIsShownAndWindowLives();

private:
    QLineEdit *input() const { return qobject_cast<QLineEdit *>(m_window->Text2(0)); }
    QString outputText() const { return QString::fromStdString(TextOf(m_window->Text2(1))); }
    void type(const QString &text);
    void click(Integer16 index);

    std::unique_ptr<Zerkovan> m_window;
};

void WindowTest::initTestCase()
{
    QCOMPARE(QGuiApplication::primaryScreen()->logicalDotsPerInch(), 96.0);
}

void WindowTest::init()
{
    m_window = std::make_unique<Zerkovan>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void WindowTest::cleanup()
{
    m_window.reset();
}

void WindowTest::type(const QString &text)
{
    input()->clear();
    QTest::keyClicks(input(), text);
}

void WindowTest::click(Integer16 index)
{
    QTest::mouseClick(m_window->Command1(index), Qt::LeftButton);
}

void WindowTest::geometryAt96Dpi_data()
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

void WindowTest::geometryAt96Dpi()
{
    QFETCH(QString, control);
    QFETCH(QRect, pixels);
    const QHash<QString, QWidget *> controls{
        {QStringLiteral("Label1(0)"), m_window->Label1(0)},
        {QStringLiteral("Label1(1)"), m_window->Label1(1)},
        {QStringLiteral("Text2(0)"), m_window->Text2(0)},
        {QStringLiteral("Text2(1)"), m_window->Text2(1)},
        {QStringLiteral("Command1(0)"), m_window->Command1(0)},
        {QStringLiteral("Command1(1)"), m_window->Command1(1)},
        {QStringLiteral("Text1(0)"), m_window->Text1(0)},
        {QStringLiteral("Text1(1)"), m_window->Text1(1)},
    };
    QCOMPARE(controls.value(control)->geometry(), pixels);
    QCOMPARE(m_window->size(), QSize(481, 424));
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
    QVERIFY(!(m_window->windowFlags() & Qt::WindowMaximizeButtonHint));
}

void WindowTest::layoutScalesWithDpi_data()
{
    QTest::addColumn<qreal>("dpi");
    QTest::addColumn<QSize>("clientArea");
    QTest::addColumn<QRect>("outputBox");
    QTest::newRow("96") << qreal(96) << QSize(481, 424) << QRect(8, 80, 457, 155);
    QTest::newRow("120") << qreal(120) << QSize(601, 530) << QRect(10, 100, 571, 194);
    QTest::newRow("144") << qreal(144) << QSize(722, 636) << QRect(12, 120, 686, 233);
}

void WindowTest::layoutScalesWithDpi()
{
    QFETCH(qreal, dpi);
    QFETCH(QSize, clientArea);
    QFETCH(QRect, outputBox);
    QCOMPARE(QSize(TwipsToPixels(7215, dpi), TwipsToPixels(6360, dpi)), clientArea);
    QCOMPARE(TwipsToPixels(QRect(120, 1200, 6855, 2325), dpi), outputBox);
}

void WindowTest::colours_data()
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

void WindowTest::colours()
{
    QFETCH(QPoint, where);
    QFETCH(QColor, colour);
    QCOMPARE(m_window->grab().toImage().pixelColor(where), colour);
}

void WindowTest::fontCoversCyrillic()
{
    const QList<QWidget *> controls{
        m_window.get(),     m_window->Label1(0),   m_window->Label1(1),
        m_window->Text2(0), m_window->Text2(1),    m_window->Text1(0),
        m_window->Text1(1), m_window->Command1(0), m_window->Command1(1)};
    for (QWidget *control : controls) {
        QCOMPARE(control->font().family(), QStringLiteral("Times New Roman"));
        QCOMPARE(control->font().pointSize(), 12);
        QCOMPARE(control->font().weight(), QFont::Normal);
        QVERIFY(!control->font().italic());
    }
    const QString resolved = QFontInfo(m_window->font()).family();
    QVERIFY2(QFontDatabase::writingSystems(resolved).contains(QFontDatabase::Cyrillic),
             qPrintable(resolved));
    const QFontMetrics metrics(m_window->font());
    for (const QChar c : QStringLiteral("ЗерковнЧлсщдъ"))
        QVERIFY2(metrics.inFont(c), qPrintable(QString(c)));
}

void WindowTest::staticTexts()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("www.dorvelan.example  Дорвелан"));
    QCOMPARE(m_window->Label1(0)->text(), QStringLiteral("Зеркован"));
    QCOMPARE(m_window->Label1(1)->text(), QStringLiteral("Номер на ред:"));
    QCOMPARE(m_window->Label1(0)->alignment(), Qt::AlignCenter);
    QCOMPARE(m_window->Command1(0)->text(), QStringLiteral("Изведи"));
    QCOMPARE(m_window->Command1(1)->text(), QStringLiteral("Изчисти"));
    QCOMPARE(TextOf(m_window->Text1(0)), std::string(TaskStatement));
    QCOMPARE(TextOf(m_window->Text1(1)), std::string(Motto));
    const QStringList statement = QString::fromUtf8(TaskStatement).split(QStringLiteral("\r\n"));
    QCOMPARE(statement.size(), 22);
    QCOMPARE(statement[2], QStringLiteral("Тема на проекта: Зеркован."));
    QCOMPARE(statement[19],
             QStringLiteral("Трябва да се намерят първите естествени числа x и y,  за "
                            "които N = x*y. "));
    QVERIFY(statement[20].endsWith(QStringLiteral("това е ред с номер: x + y - 1.")));
    QVERIFY(statement[21].isEmpty());
    QCOMPARE(m_window->Text1(0)->verticalScrollBar()->value(), 0);
    QVERIFY(!m_window->Text1(1)->isVisible());
    QVERIFY(input()->text().isEmpty());
    QVERIFY(outputText().isEmpty());
    QCOMPARE(int(m_window->state().FoundFlag), 0);
    QCOMPARE(int(m_window->state().FoundRow), 0);
    QVERIFY(!m_window->windowIcon().isNull());
    QCOMPARE(m_window->windowIcon().pixmap(32, 32).size(), QSize(32, 32));
}

void WindowTest::programMetadata()
{
    DescribeApplication();
    QCOMPARE(QApplication::applicationName(), QStringLiteral("Zerkovan"));
    QCOMPARE(QApplication::applicationVersion(), QStringLiteral("1.00"));
    QCOMPARE(QApplication::organizationDomain(), QStringLiteral("www.dorvelan.example"));
}

void WindowTest::iconFilesShowOneImage()
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

void WindowTest::inputTakesTwoCharacters_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("pasted");
    QTest::addColumn<QString>("expected");
    QTest::newRow("typed 123") << QStringLiteral("123") << false << QStringLiteral("12");
    QTest::newRow("pasted 123") << QStringLiteral("123") << true << QStringLiteral("12");
    QTest::newRow("typed 9x7") << QStringLiteral("9x7") << false << QStringLiteral("9x");
    QTest::newRow("pasted Ж9x") << QStringLiteral("Ж9x") << true << QStringLiteral("Ж9");
    QTest::newRow("pasted 7") << QStringLiteral("7") << true << QStringLiteral("7");
}

void WindowTest::inputTakesTwoCharacters()
{
    QFETCH(QString, text);
    QFETCH(bool, pasted);
    QFETCH(QString, expected);
    input()->setFocus();
    if (pasted) {
        QApplication::clipboard()->setText(text);
        QTest::keyClick(input(), Qt::Key_V, Qt::ControlModifier);
    } else {
        QTest::keyClicks(input(), text);
    }
    QCOMPARE(input()->text(), expected);
    QCOMPARE(input()->alignment(), Qt::AlignCenter);
}

void WindowTest::readOnlyBoxesRefuseTyping_data()
{
    QTest::addColumn<int>("box"); // 0: output, 1: task statement
    QTest::newRow("output") << 0;
    QTest::newRow("task statement") << 1;
}

void WindowTest::readOnlyBoxesRefuseTyping()
{
    QFETCH(int, box);
    type(QStringLiteral("3"));
    click(0);
    auto *target =
        qobject_cast<QPlainTextEdit *>(box == 0 ? m_window->Text2(1) : m_window->Text1(0));
    QVERIFY(target->isReadOnly());
    const std::string before = TextOf(target);
    target->setFocus();
    QTest::keyClicks(target, QStringLiteral("abc 9"));
    QTest::keyClick(target, Qt::Key_Backspace);
    QTest::keyClick(target, Qt::Key_Delete);
    QTest::keyClick(target, Qt::Key_Return);
    QTest::keyClick(target, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(TextOf(target), before);
}

void WindowTest::readOnlyBoxSelectsAndCopies()
{
    QPlainTextEdit *statement = m_window->Text1(0);
    statement->setFocus();
    QTest::keyClick(statement, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(statement, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(
        QApplication::clipboard()->text(),
        QString::fromUtf8(TaskStatement).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    QTest::keyClick(statement, Qt::Key_End, Qt::ControlModifier);
    QVERIFY(statement->verticalScrollBar()->value() > 0);
}

void WindowTest::tabOrderAndFirstFocus()
{
    QApplication::setActiveWindow(m_window.get());
    QCOMPARE(QApplication::focusWidget(), m_window->Text1(0));
    const QList<QWidget *> order{m_window->Text2(0),    m_window->Text2(1), m_window->Command1(0),
                                 m_window->Command1(1), m_window->Text1(0), m_window->Text2(0)};
    for (QWidget *expected : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), expected);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), m_window->Text1(0));
    QCOMPARE(m_window->Label1(0)->focusPolicy(), Qt::NoFocus);
}

void WindowTest::accessibleNames()
{
    QCOMPARE(m_window->Text2(0)->accessibleName(), QStringLiteral("Номер на ред:"));
    QCOMPARE(m_window->Label1(1)->buddy(), m_window->Text2(0));
    for (QWidget *control : m_window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        QVERIFY2(!control->accessibleName().isEmpty(), control->metaObject()->className());
}

void WindowTest::displayAndClear_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("lastLine");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("foundRow");
    QTest::newRow("4") << QStringLiteral("4") << QStringLiteral("Числото 4 се среща в ред 3") << 4
                       << 3;
    QTest::newRow("99") << QStringLiteral("99") << QStringLiteral("Числото 99 се среща в ред 19")
                        << 99 << 19;
    QTest::newRow("-3") << QStringLiteral("-3")
                        << QStringLiteral("Числото -3 не се среща в триъгълника") << 0 << 0;
    QTest::newRow(" 7") << QStringLiteral(" 7") << QStringLiteral("Числото 7 се среща в ред 7") << 7
                        << 7;
}

void WindowTest::displayAndClear()
{
    QFETCH(QString, text);
    QFETCH(QString, lastLine);
    QFETCH(int, rows);
    QFETCH(int, foundRow);
    type(text);
    click(0);
    QCOMPARE(input()->text(), text);
    const QStringList lines = outputText().split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), rows + 1);
    QCOMPARE(lines.last(), lastLine);
    QCOMPARE(outputText().toStdString(), m_window->state().output);
    QCOMPARE(int(m_window->state().FoundFlag), foundRow ? 2 : 0);
    QCOMPARE(int(m_window->state().FoundRow), foundRow);

    click(1);
    QVERIFY(input()->text().isEmpty());
    QVERIFY(outputText().isEmpty());
    QCOMPARE(int(m_window->state().FoundFlag), 0);
    QCOMPARE(int(m_window->state().FoundRow), foundRow);

    click(1); // clearing empty boxes changes nothing
    QVERIFY(input()->text().isEmpty());
    QVERIFY(outputText().isEmpty());
    QCOMPARE(int(m_window->state().FoundFlag), 0);
}

void WindowTest::displayTwiceReplaces()
{
    type(QStringLiteral("6"));
    click(0);
    type(QStringLiteral("2"));
    click(0);
    QCOMPARE(outputText(), QStringLiteral("1\r\n2 2\r\nЧислото 2 се среща в ред 2"));
}

void WindowTest::clearThenDisplayEmpty()
{
    type(QStringLiteral("9"));
    click(0);
    click(1);
    click(0);
    QCOMPARE(outputText(), QStringLiteral("Числото 0 не се среща в триъгълника"));
    QCOMPARE(int(m_window->state().FoundRow), 0);
    QCOMPARE(int(m_window->state().FoundFlag), 0);
}

void WindowTest::enterDisplays()
{
    type(QStringLiteral("2"));
    QTest::keyClick(input(), Qt::Key_Return);
    QCOMPARE(outputText(), QStringLiteral("1\r\n2 2\r\nЧислото 2 се среща в ред 2"));
    type(QStringLiteral("1"));
    QTest::keyClick(input(), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(outputText(), QStringLiteral("1\r\nЧислото 1 се среща в ред 1"));
}

void WindowTest::decimalSeparatorIsTheSystemLocales()
{
    // CTest runs this once more under a Bulgarian locale, where it is a comma.
    type(QStringLiteral(".5"));
    click(0);
    QCOMPARE(outputText(), QStringLiteral("Числото 0") + QLocale::system().decimalPoint() +
                               QStringLiteral("5 не се среща в триъгълника"));
}

void WindowTest::outputShownFromFirstLine()
{
    auto *output = qobject_cast<QPlainTextEdit *>(m_window->Text2(1));
    type(QStringLiteral("99"));
    click(0);
    output->verticalScrollBar()->setValue(output->verticalScrollBar()->maximum());
    type(QStringLiteral("98"));
    click(0);
    QVERIFY(output->verticalScrollBar()->maximum() > 0);
    QCOMPARE(output->verticalScrollBar()->value(), 0);
    QCOMPARE(output->cursorForPosition(QPoint(2, 2)).blockNumber(), 0);
}

void WindowTest::errorIsShownAndWindowLives()
{
    // No two characters read as 32768 or more; widen the box to get there.
    input()->setMaxLength(5);
    type(QStringLiteral("40000"));
    QString shown;
    QTimer closer;
    connect(&closer, &QTimer::timeout, this, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->accept();
        }
    });
    closer.start(10);
    click(0);
    closer.stop();

    QVERIFY2(shown.contains(QStringLiteral("Overflow")), qPrintable(shown));
    QVERIFY(m_window->isVisible());
    QCOMPARE(input()->text(), QStringLiteral("40000"));
    QVERIFY(outputText().isEmpty());
    QCOMPARE(int(m_window->state().FoundFlag), 0);

    type(QStringLiteral("4"));
    click(0);
    QVERIFY(outputText().endsWith(QStringLiteral("Числото 4 се среща в ред 3")));
}

QTEST_MAIN(WindowTest)
#include "tst_window.moc"

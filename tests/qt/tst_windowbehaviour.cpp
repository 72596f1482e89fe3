// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// The window in use: keys typed and buttons clicked on the real widgets.
#include "statictexts.h"
#include "textbox.h"
#include "windowfixture.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

using namespace zerkovan;

class WindowBehaviourTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_fixture.open()); }
    void cleanup() { m_fixture.close(); }

    void readOnlyBoxesRefuseTyping_data();
    void readOnlyBoxesRefuseTyping();
    void readOnlyBoxSelectsAndCopies();
    void tabOrderAndFirstFocus();
    void displayAndClear();
    void displayTwiceReplaces();
    void enterDisplays();
    void keysPressFocusedButtons();
    void decimalSeparatorIsTheSystemLocales();
    void outputShownFromFirstLine();
    void keyboardSelectionStartsAtTheTop();
    void errorIsShownAndWindowLives();

private:
    WindowFixture m_fixture;
};

void WindowBehaviourTest::readOnlyBoxesRefuseTyping_data()
{
    QTest::addColumn<int>("box"); // 0: output, 1: task statement
    QTest::newRow("output") << 0;
    QTest::newRow("task statement") << 1;
}

void WindowBehaviourTest::readOnlyBoxesRefuseTyping()
{
    QFETCH(int, box);
    m_fixture.type(QStringLiteral("3"));
    m_fixture.click(0);
    auto *target = qobject_cast<QPlainTextEdit *>(box == 0 ? m_fixture.window().Text2(1)
                                                           : m_fixture.window().Text1(0));
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

void WindowBehaviourTest::readOnlyBoxSelectsAndCopies()
{
    QPlainTextEdit *statement = m_fixture.window().Text1(0);
    statement->setFocus();
    QTest::keyClick(statement, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(statement, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(
        QApplication::clipboard()->text(),
        QString::fromUtf8(TaskStatement).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    QTest::keyClick(statement, Qt::Key_End, Qt::ControlModifier);
    QVERIFY(statement->verticalScrollBar()->value() > 0);
}

void WindowBehaviourTest::tabOrderAndFirstFocus()
{
    m_fixture.window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&m_fixture.window()));
    QCOMPARE(QApplication::focusWidget(), m_fixture.window().Text1(0));
    const QList<QWidget *> order{m_fixture.window().Text2(0),    m_fixture.window().Text2(1),
                                 m_fixture.window().Command1(0), m_fixture.window().Command1(1),
                                 m_fixture.window().Text1(0),    m_fixture.window().Text2(0)};
    for (QWidget *expected : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), expected);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), m_fixture.window().Text1(0));
    QCOMPARE(m_fixture.window().Label1(0)->focusPolicy(), Qt::NoFocus);
}

void WindowBehaviourTest::displayAndClear()
{
    m_fixture.type(QStringLiteral("4"));
    m_fixture.click(0);
    QCOMPARE(m_fixture.input()->text(), QStringLiteral("4"));
    QCOMPARE(m_fixture.outputText(),
             QStringLiteral("1\r\n2 2\r\n3 4 3\r\n4 6 6 4\r\nЧислото 4 се среща в ред 3"));
    QCOMPARE(m_fixture.outputText().toStdString(), m_fixture.window().state().output);

    m_fixture.click(1);
    QVERIFY(m_fixture.input()->text().isEmpty());
    QVERIFY(m_fixture.outputText().isEmpty());
    m_fixture.click(1); // clearing empty boxes changes nothing
    QVERIFY(m_fixture.input()->text().isEmpty());
    QVERIFY(m_fixture.outputText().isEmpty());
}

void WindowBehaviourTest::displayTwiceReplaces()
{
    m_fixture.type(QStringLiteral("6"));
    m_fixture.click(0);
    m_fixture.type(QStringLiteral("2"));
    m_fixture.click(0);
    QCOMPARE(m_fixture.outputText(), QStringLiteral("1\r\n2 2\r\nЧислото 2 се среща в ред 2"));
}

void WindowBehaviourTest::enterDisplays()
{
    m_fixture.type(QStringLiteral("2"));
    QTest::keyClick(m_fixture.input(), Qt::Key_Return);
    QCOMPARE(m_fixture.outputText(), QStringLiteral("1\r\n2 2\r\nЧислото 2 се среща в ред 2"));
    m_fixture.type(QStringLiteral("1"));
    QTest::keyClick(m_fixture.input(), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(m_fixture.outputText(), QStringLiteral("1\r\nЧислото 1 се среща в ред 1"));
}

void WindowBehaviourTest::keysPressFocusedButtons()
{
    m_fixture.type(QStringLiteral("3"));
    QPushButton *display = m_fixture.window().Command1(0);
    display->setFocus();
    QTest::keyClick(display, Qt::Key_Space);
    QVERIFY(m_fixture.outputText().endsWith(QStringLiteral("Числото 3 се среща в ред 3")));
    QPushButton *clear = m_fixture.window().Command1(1);
    clear->setFocus();
    QTest::keyClick(clear, Qt::Key_Return);
    QVERIFY(m_fixture.outputText().isEmpty());
    QVERIFY(m_fixture.input()->text().isEmpty());
}

void WindowBehaviourTest::decimalSeparatorIsTheSystemLocales()
{
    // CTest runs this once more under a Bulgarian locale, where it is a comma.
    m_fixture.type(QStringLiteral(".5"));
    m_fixture.click(0);
    QCOMPARE(m_fixture.outputText(), QStringLiteral("Числото 0") +
                                         QLocale::system().decimalPoint() +
                                         QStringLiteral("5 не се среща в триъгълника"));
}

void WindowBehaviourTest::outputShownFromFirstLine()
{
    auto *output = qobject_cast<QPlainTextEdit *>(m_fixture.window().Text2(1));
    m_fixture.type(QStringLiteral("99"));
    m_fixture.click(0);
    output->verticalScrollBar()->setValue(output->verticalScrollBar()->maximum());
    m_fixture.type(QStringLiteral("98"));
    m_fixture.click(0);
    QVERIFY(output->verticalScrollBar()->maximum() > 0);
    QCOMPARE(output->verticalScrollBar()->value(), 0);
    QCOMPARE(output->cursorForPosition(QPoint(2, 2)).blockNumber(), 0);
}

void WindowBehaviourTest::keyboardSelectionStartsAtTheTop()
{
    m_fixture.type(QStringLiteral("12"));
    m_fixture.click(0);
    m_fixture.window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&m_fixture.window()));
    m_fixture.input()->setFocus();
    QTest::keyClick(m_fixture.input(), Qt::Key_Tab);
    auto *output = qobject_cast<QPlainTextEdit *>(m_fixture.window().Text2(1));
    QCOMPARE(QApplication::focusWidget(), output);
    QTest::keyClick(output, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(output, Qt::Key_End, Qt::ShiftModifier);
    QCOMPARE(output->textCursor().selectedText(), QStringLiteral("1\u20292 2"));
}

void WindowBehaviourTest::errorIsShownAndWindowLives()
{
    // No two characters read as 32768 or more; lift the box's limit to get there.
    m_fixture.input()->setValidator(nullptr);
    m_fixture.type(QStringLiteral("40000"));
    QString shown;
    QTimer closer;
    connect(&closer, &QTimer::timeout, this, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->accept();
        }
    });
    closer.start(10);
    m_fixture.click(0);
    closer.stop();

    QVERIFY2(shown.contains(QStringLiteral("Overflow")), qPrintable(shown));
    QVERIFY(m_fixture.window().isVisible());
    QCOMPARE(m_fixture.input()->text(), QStringLiteral("40000"));
    QVERIFY(m_fixture.outputText().isEmpty());
    QCOMPARE(int(m_fixture.window().state().FoundFlag), 0);

    m_fixture.type(QStringLiteral("4"));
    m_fixture.click(0);
    QVERIFY(m_fixture.outputText().endsWith(QStringLiteral("Числото 4 се среща в ред 3")));
}

QTEST_MAIN(WindowBehaviourTest)
#include "tst_windowbehaviour.moc"

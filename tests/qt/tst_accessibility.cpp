// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// The window as an assistive tool sees it: roles, names, relations, and
// boxes that can be read through the interface but not edited through it.
#include "platform.h"
#include "windowfixture.h"

#include <QAccessible>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

using namespace zerkovan;

namespace {

QAccessibleInterface *accessibleOf(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

} // namespace

class AccessibilityTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { PrepareApplication(); }
    void init() { QVERIFY(m_fixture.open()); }
    void cleanup() { m_fixture.close(); }

    void readOnlyBoxesRefuseEditing_data();
    void readOnlyBoxesRefuseEditing();
    void outputIsReadWhole();
    void readerMovesCaretAndSelection();
    void rolesAndNames_data();
    void rolesAndNames();
    void labelNamesTheInputBox();
    void onlyTheWindowIsAWindow();

private:
    WindowFixture m_fixture;
};

void AccessibilityTest::readOnlyBoxesRefuseEditing_data()
{
    QTest::addColumn<QString>("box");
    QTest::newRow("output") << QStringLiteral("Text2(1)");
    QTest::newRow("task statement") << QStringLiteral("Text1(0)");
}

void AccessibilityTest::readOnlyBoxesRefuseEditing()
{
    QFETCH(QString, box);
    m_fixture.type(QStringLiteral("4"));
    m_fixture.click(0);
    auto *widget = qobject_cast<QPlainTextEdit *>(m_fixture.control(box));
    const QString before = widget->toPlainText();
    QAccessibleInterface *iface = accessibleOf(widget);

    // No editing calls are offered at all, so none reach the text.
    QVERIFY(!iface->editableTextInterface());
    iface->setText(QAccessible::Value, QStringLiteral("written by a client"));
    QCOMPARE(widget->toPlainText(), before);
    QVERIFY(iface->state().readOnly);
    QVERIFY(!iface->state().editable);
    QVERIFY(iface->textInterface());
}

void AccessibilityTest::outputIsReadWhole()
{
    m_fixture.type(QStringLiteral("4"));
    m_fixture.click(0);
    QAccessibleTextInterface *text = accessibleOf(m_fixture.window().Text2(1))->textInterface();
    const QString expected = QStringLiteral("1\n2 2\n3 4 3\n4 6 6 4\nЧислото 4 се среща в ред 3");
    QCOMPARE(text->characterCount(), int(expected.size()));
    QCOMPARE(text->text(0, text->characterCount()), expected);
    int start = 0;
    int end = 0;
    QCOMPARE(text->textAtOffset(6, QAccessible::LineBoundary, &start, &end),
             QStringLiteral("3 4 3\n"));
    QCOMPARE(accessibleOf(m_fixture.window().Text2(1))->text(QAccessible::Value), expected);
}

void AccessibilityTest::readerMovesCaretAndSelection()
{
    // What a screen reader does to read by word and line: move the caret,
    // select, ask where characters stand; the text stays as it is.
    m_fixture.type(QStringLiteral("4"));
    m_fixture.click(0);
    auto *output = qobject_cast<QPlainTextEdit *>(m_fixture.window().Text2(1));
    const QString before = output->toPlainText();
    QAccessibleTextInterface *text = accessibleOf(output)->textInterface();

    text->setCursorPosition(2);
    QCOMPARE(output->textCursor().position(), 2);
    QCOMPARE(text->cursorPosition(), 2);
    text->setSelection(0, 2, 5);
    QCOMPARE(output->textCursor().selectedText(), QStringLiteral("2 2"));
    int start = 0;
    int end = 0;
    text->selection(0, &start, &end);
    QCOMPARE(std::pair(start, end), std::pair(2, 5));
    // Selected backwards from the keyboard: the same range, start first.
    text->setCursorPosition(11);
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(output, Qt::Key_Left, Qt::ShiftModifier);
    text->selection(0, &start, &end);
    QCOMPARE(std::pair(start, end), std::pair(6, 11));
    QCOMPARE(text->cursorPosition(), 6);
    text->removeSelection(0);
    QCOMPARE(text->selectionCount(), 0);
    text->addSelection(6, 11);
    QCOMPARE(output->textCursor().selectedText(), QStringLiteral("3 4 3"));

    const QRect where = text->characterRect(8);
    QVERIFY(where.isValid());
    QCOMPARE(text->offsetAtPoint(where.center()), 8);
    QCOMPARE(text->offsetAtPoint(output->mapToGlobal(QPoint(-50, -50))), -1);
    text->attributes(3, &start, &end);
    QCOMPARE(std::pair(start, end), std::pair(0, text->characterCount()));
    text->attributes(-5, &start, &end);
    QCOMPARE(std::pair(start, end), std::pair(-1, -1));
    // A box has one selection at most; asking for a second changes nothing.
    text->setSelection(1, 0, 1);
    text->removeSelection(1);
    QCOMPARE(output->textCursor().selectedText(), QStringLiteral("3 4 3"));

    QPlainTextEdit *statement = m_fixture.window().Text1(0);
    QAccessibleTextInterface *statementText = accessibleOf(statement)->textInterface();
    statementText->scrollToSubstring(statementText->characterCount() - 5,
                                     statementText->characterCount());
    QVERIFY(statement->verticalScrollBar()->value() > 0);
    QCOMPARE(output->toPlainText(), before);
}

void AccessibilityTest::rolesAndNames_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QAccessible::Role>("role");
    QTest::addColumn<QString>("name");
    QTest::newRow("window") << QStringLiteral("window") << QAccessible::Window
                            << QStringLiteral("www.dorvelan.example  Дорвелан");
    QTest::newRow("title") << QStringLiteral("Label1(0)") << QAccessible::StaticText
                           << QStringLiteral("Зеркован");
    QTest::newRow("input") << QStringLiteral("Text2(0)") << QAccessible::EditableText
                           << QStringLiteral("Номер на ред:");
    QTest::newRow("output") << QStringLiteral("Text2(1)") << QAccessible::EditableText
                            << QStringLiteral("Резултат");
    QTest::newRow("statement") << QStringLiteral("Text1(0)") << QAccessible::EditableText
                               << QStringLiteral("Условие на задачата");
    QTest::newRow("display") << QStringLiteral("Command1(0)") << QAccessible::Button
                             << QStringLiteral("Изведи");
    QTest::newRow("clear") << QStringLiteral("Command1(1)") << QAccessible::Button
                           << QStringLiteral("Изчисти");
}

void AccessibilityTest::rolesAndNames()
{
    QFETCH(QString, control);
    QFETCH(QAccessible::Role, role);
    QFETCH(QString, name);
    QAccessibleInterface *iface = accessibleOf(m_fixture.control(control));
    QCOMPARE(iface->role(), role);
    QCOMPARE(iface->text(QAccessible::Name), name);
}

void AccessibilityTest::labelNamesTheInputBox()
{
    // Each pair holds another control and what it is to this one.
    const auto labels = accessibleOf(m_fixture.window().Text2(0))->relations(QAccessible::Label);
    QCOMPARE(labels.size(), 1);
    QCOMPARE(labels.first().first->object(), m_fixture.window().Label1(1));
    const auto labelled =
        accessibleOf(m_fixture.window().Label1(1))->relations(QAccessible::Labelled);
    QCOMPARE(labelled.size(), 1);
    QCOMPARE(labelled.first().first->object(), m_fixture.window().Text2(0));
}

void AccessibilityTest::onlyTheWindowIsAWindow()
{
    // Text boxes hold inner widgets (the viewport, scroll bars) that are
    // plain widgets too; a reader would announce each as a window of its own.
    QList<QAccessibleInterface *> pending{accessibleOf(&m_fixture.window())};
    QStringList windows;
    int visited = 0;
    while (!pending.isEmpty()) {
        QAccessibleInterface *node = pending.takeFirst();
        ++visited;
        if (node->role() == QAccessible::Window)
            windows << QString::fromLatin1(node->object()->metaObject()->className());
        for (int i = 0; i < node->childCount(); ++i)
            pending << node->child(i);
    }
    QVERIFY(visited > 20);
    QCOMPARE(windows,
             QStringList{QString::fromLatin1(ZerkovanWidget::staticMetaObject.className())});
    QCOMPARE(accessibleOf(m_fixture.window().Text1(0)->viewport())->role(), QAccessible::Client);
}

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"

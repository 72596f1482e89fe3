// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// The input box along every path a text comes in by: keys, the clipboard
// (Ctrl+V, Shift+Insert, the context menu), drag-and-drop and an assistive
// tool. It ends up holding one line of at most two whole characters.
#include "platform.h"
#include "windowfixture.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

using namespace zerkovan;

namespace {

enum class Path : quint8 {
    Keys,
    CtrlV,
    ShiftInsert,
    ContextMenu,
    Drop,
    AssistiveInsert,
    AssistiveValue
};

// U+1F600, outside the basic plane: two UTF-16 code units.
const QString Emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
const QString ECombiningAcute = QStringLiteral("e\u0301");

// Each user-perceived character as one key event, as a keyboard or an input
// method delivers it.
void typeCharacters(QLineEdit *box, const QStringList &characters)
{
    for (const QString &character : characters)
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, character, Qt::NoModifier);
}

void pasteFromContextMenu(QLineEdit *box)
{
    QContextMenuEvent event(QContextMenuEvent::Mouse, box->rect().center(),
                            box->mapToGlobal(box->rect().center()));
    QApplication::sendEvent(box, &event);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu);
    const QString paste = QLineEdit::tr("&Paste");
    for (QAction *action : menu->actions()) {
        if (action->text().startsWith(paste)) {
            // Chosen with the keys: Qt 6.8's menus ignore a click that comes
            // as soon as they open, as a real press never does.
            menu->setActiveAction(action);
            QTest::keyClick(menu, Qt::Key_Return);
            return;
        }
    }
    menu->close();
    QFAIL("no Paste in the context menu");
}

void drop(QLineEdit *box, const QString &text)
{
    QMimeData data;
    data.setText(text);
    // At the right end, after what the box holds.
    const QPointF at(box->width() - 4, box->height() / 2.0);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box, &enter);
    QDragMoveEvent move(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box, &move);
    QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box, &dropped);
}

void insert(QLineEdit *box, Path path, const QString &text)
{
    switch (path) {
    case Path::Keys:
        typeCharacters(box, {text});
        break;
    case Path::CtrlV:
    case Path::ShiftInsert:
    case Path::ContextMenu:
        QApplication::clipboard()->setText(text);
        if (path == Path::CtrlV)
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        else if (path == Path::ShiftInsert)
            QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
        else
            pasteFromContextMenu(box);
        break;
    case Path::Drop:
        drop(box, text);
        break;
    case Path::AssistiveInsert:
        QAccessible::queryAccessibleInterface(box)->editableTextInterface()->insertText(
            box->cursorPosition(), text);
        break;
    case Path::AssistiveValue: // as Windows UI Automation sets a value
        QAccessible::queryAccessibleInterface(box)->setText(
            QAccessible::Value, box->text().insert(box->cursorPosition(), text));
        break;
    }
}

} // namespace

Q_DECLARE_METATYPE(Path)

class InputBoxTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { PrepareApplication(); }
    void init() { QVERIFY(m_fixture.open()); }
    void cleanup()
    {
        m_fixture.close();
        // However a test ended, assistive tools are told of updates the
        // toolkit's own way again.
        const QAccessible::UpdateHandler installed = QAccessible::installUpdateHandler(nullptr);
        QAccessible::installUpdateHandler(installed);
        QVERIFY(installed == nullptr);
    }

    void insertedText_data();
    void insertedText();
    void insertedBeforeExistingText_data();
    void insertedBeforeExistingText();
    void typingIntoAFullBoxIsRefused_data();
    void typingIntoAFullBoxIsRefused();
    void contextMenuSpeaksBulgarian();
    void tabTellsFocusBeforeSelecting_data();
    void tabTellsFocusBeforeSelecting();

private:
    WindowFixture m_fixture;
};

void InputBoxTest::insertedText_data()
{
    QTest::addColumn<Path>("path");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("inserted");
    QTest::addColumn<QString>("expected");

    const QList<std::pair<const char *, Path>> paths{{"Ctrl+V", Path::CtrlV},
                                                     {"Shift+Insert", Path::ShiftInsert},
                                                     {"context menu", Path::ContextMenu},
                                                     {"drop", Path::Drop},
                                                     {"assistive insert", Path::AssistiveInsert},
                                                     {"assistive value", Path::AssistiveValue}};
    for (const auto &[name, path] : paths) {
        const auto row = [name = name](const char *what) -> QTestData & {
            return QTest::addRow("%s, %s", name, what);
        };
        row("emoji after 1") << path << QStringLiteral("1") << Emoji << QStringLiteral("1") + Emoji;
        row("emoji into a full box")
            << path << QStringLiteral("12") << Emoji << QStringLiteral("12");
        row("line feed") << path << QString() << QStringLiteral("9\n9") << QStringLiteral("9");
        row("bare CR") << path << QString() << QStringLiteral("9\r9") << QStringLiteral("9");
        row("CR LF") << path << QString() << QStringLiteral("1\r\n2") << QStringLiteral("1");
        row("tab") << path << QString() << QStringLiteral("1\t2") << QStringLiteral("12");
        row("three digits") << path << QString() << QStringLiteral("123") << QStringLiteral("12");
        row("combining mark") << path << QString() << ECombiningAcute + QStringLiteral("xy")
                              << ECombiningAcute + QStringLiteral("x");
    }
    QTest::newRow("keys, emoji after 1")
        << Path::Keys << QStringLiteral("1") << Emoji << QStringLiteral("1") + Emoji;
    QTest::newRow("keys, combining mark after e")
        << Path::Keys << QStringLiteral("1e") << QStringLiteral("\u0301")
        << QStringLiteral("1") + ECombiningAcute;
}

void InputBoxTest::insertedText()
{
    QFETCH(Path, path);
    QFETCH(QString, before);
    QFETCH(QString, inserted);
    QFETCH(QString, expected);
    QLineEdit *box = m_fixture.input();
    box->setFocus();
    QTest::keyClicks(box, before);
    insert(box, path, inserted);
    QCOMPARE(box->text(), expected);

    // What the engine gets is what the box shows.
    m_fixture.click(0);
    QVERIFY(m_fixture.outputText()
                .section(QStringLiteral("\r\n"), -1)
                .contains(QStringLiteral("Числото ")));
    QCOMPARE(QString::fromStdString(m_fixture.window().state().input), expected);
}

void InputBoxTest::insertedBeforeExistingText_data()
{
    QTest::addColumn<Path>("path");
    QTest::addColumn<QString>("before"); // the cursor goes to its start
    QTest::addColumn<QString>("inserted");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("cursor");
    QTest::newRow("paste 123 before 4")
        << Path::CtrlV << QStringLiteral("4") << QStringLiteral("123") << QStringLiteral("14") << 1;
    QTest::newRow("paste two lines before 3")
        << Path::CtrlV << QStringLiteral("3") << QStringLiteral("5\n") << QStringLiteral("53") << 1;
    QTest::newRow("paste a tab before 3") << Path::ShiftInsert << QStringLiteral("3")
                                          << QStringLiteral("\t1") << QStringLiteral("13") << 1;
    QTest::newRow("key 1 before 12")
        << Path::Keys << QStringLiteral("12") << QStringLiteral("1") << QStringLiteral("12") << 0;
    for (const auto &[name, path] : {std::pair("assistive insert", Path::AssistiveInsert),
                                     std::pair("assistive value", Path::AssistiveValue)}) {
        QTest::addRow("%s, 3 before a full box", name)
            << path << QStringLiteral("12") << QStringLiteral("3") << QStringLiteral("12") << -1;
        QTest::addRow("%s, 5 before 3", name)
            << path << QStringLiteral("3") << QStringLiteral("5") << QStringLiteral("53") << -1;
    }
}

void InputBoxTest::insertedBeforeExistingText()
{
    QFETCH(Path, path);
    QFETCH(QString, before);
    QFETCH(QString, inserted);
    QFETCH(QString, expected);
    QFETCH(int, cursor); // -1: wherever the tool leaves it
    QLineEdit *box = m_fixture.input();
    box->setFocus();
    QTest::keyClicks(box, before);
    QTest::keyClick(box, Qt::Key_Home);
    insert(box, path, inserted);
    QCOMPARE(box->text(), expected);
    if (cursor >= 0)
        QCOMPARE(box->cursorPosition(), cursor);
}

void InputBoxTest::typingIntoAFullBoxIsRefused_data()
{
    QTest::addColumn<int>("cursor");
    QTest::newRow("at the start") << 0;
    QTest::newRow("between") << 1;
    QTest::newRow("at the end") << 2;
}

void InputBoxTest::typingIntoAFullBoxIsRefused()
{
    QFETCH(int, cursor);
    QLineEdit *box = m_fixture.input();
    box->setFocus();
    typeCharacters(box, {QStringLiteral("4"), Emoji});
    const int at = cursor == 2 ? int(box->text().size()) : cursor;
    box->setCursorPosition(at);
    typeCharacters(box, {QStringLiteral("7")});
    QCOMPARE(box->text(), QStringLiteral("4") + Emoji);
    QCOMPARE(box->cursorPosition(), at);
}

void InputBoxTest::contextMenuSpeaksBulgarian()
{
    std::unique_ptr<QMenu> menu(m_fixture.input()->createStandardContextMenu());
    int named = 0;
    for (const QAction *action : menu->actions()) {
        if (action->isSeparator())
            continue;
        const QString text = action->text();
        QVERIFY2(std::any_of(text.cbegin(), text.cend(),
                             [](QChar c) { return c.script() == QChar::Script_Cyrillic; }),
                 qPrintable(text));
        ++named;
    }
    QVERIFY(named >= 6);
}

// A screen reader takes a caret or selection event that comes before the
// focus event for the focus itself, and then names nothing; the toolkit
// tells the focus once the focus-in event has been handled. So Tab selects
// what the box holds, as a line edit does, but only after that.
void InputBoxTest::tabTellsFocusBeforeSelecting_data()
{
    QTest::addColumn<bool>("backwards");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("typedAhead");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Tab into an empty box") << false << QString() << QString() << QString();
    QTest::newRow("Tab onto \"42\"")
        << false << QStringLiteral("42") << QString() << QStringLiteral("42");
    QTest::newRow("Tab onto \"42\", 5 queued behind it")
        << false << QStringLiteral("42") << QStringLiteral("5") << QStringLiteral("5");
    QTest::newRow("Shift+Tab onto \"42\", 5 queued behind it")
        << true << QStringLiteral("42") << QStringLiteral("5") << QStringLiteral("5");
    QTest::newRow("Tab into an empty box, 5 queued behind it")
        << false << QString() << QStringLiteral("5") << QStringLiteral("5");
}

// What an assistive tool sees is the order of the box's events: the focus
// first, then any selection or caret move. A key already queued behind the
// Tab, delivered before the event loop turns, replaces the selected text.
void InputBoxTest::tabTellsFocusBeforeSelecting()
{
    QFETCH(bool, backwards);
    QFETCH(QString, text);
    QFETCH(QString, typedAhead);
    QFETCH(QString, expected);
    QLineEdit *box = m_fixture.input();
    box->setText(text);
    QWidget *before = backwards ? m_fixture.window().Text2(1) : m_fixture.window().Text1(0);
    m_fixture.window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&m_fixture.window()));
    before->setFocus();

    static QStringList told;
    static QObject *watched = nullptr;
    told.clear();
    watched = box;
    const auto previous = QAccessible::installUpdateHandler([](QAccessibleEvent *event) {
        if (event->object() != watched)
            return;
        if (event->type() == QAccessible::Focus)
            told << QStringLiteral("focus");
        else if (event->type() == QAccessible::TextSelectionChanged)
            told << QStringLiteral("selection");
        else if (event->type() == QAccessible::TextCaretMoved)
            told << QStringLiteral("caret");
    });
    // Given back however the test ends, a failed QVERIFY among them.
    const auto restore = qScopeGuard([previous] { QAccessible::installUpdateHandler(previous); });
    QPlatformAccessibility *platform =
        QGuiApplicationPrivate::platformIntegration()->accessibility();
    QVERIFY(platform);
    platform->setActive(true);
    QTest::keyClick(before, backwards ? Qt::Key_Backtab : Qt::Key_Tab,
                    backwards ? Qt::ShiftModifier : Qt::NoModifier);
    if (!typedAhead.isEmpty())
        QTest::keyClicks(box, typedAhead);
    QCoreApplication::processEvents();
    platform->setActive(false);

    QVERIFY(box->hasFocus());
    QVERIFY2(!told.isEmpty() && told.first() == QStringLiteral("focus"),
             qPrintable(told.join(QLatin1Char(' '))));
    QCOMPARE(box->text(), expected);
    QCOMPARE(box->selectedText(), typedAhead.isEmpty() ? text : QString());
}

QTEST_MAIN(InputBoxTest)
#include "tst_inputbox.moc"

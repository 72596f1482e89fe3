// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// The input box along every path a text comes in by: keys, the clipboard
// (Ctrl+V, Shift+Insert, the context menu), drag-and-drop and an assistive
// tool, each with the rows of the input rule's one table (inputrule.json).
// It ends up holding one line of at most two whole characters.
#include "platform.h"
#include "windowfixture.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
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

// What a key can type: no control character, no line break and no half of
// a character.
bool typeable(const QString &text)
{
    return !text.isEmpty() && text.isValidUtf16() &&
           std::none_of(text.cbegin(), text.cend(), [](QChar c) {
               return c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
                      c == QChar::ParagraphSeparator;
           });
}

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
    case Path::AssistiveValue: { // as Windows UI Automation sets a value
        const int at = box->hasSelectedText() ? box->selectionStart() : box->cursorPosition();
        QAccessible::queryAccessibleInterface(box)->setText(
            QAccessible::Value, box->text().replace(at, int(box->selectedText().size()), text));
        break;
    }
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

    void ruleRows_data();
    void ruleRows();
    void typingIntoAFullBoxIsRefused_data();
    void typingIntoAFullBoxIsRefused();
    void contextMenuSpeaksBulgarian();
    void tabTellsFocusBeforeSelecting_data();
    void tabTellsFocusBeforeSelecting();

private:
    WindowFixture m_fixture;
};

void InputBoxTest::ruleRows_data()
{
    QTest::addColumn<Path>("path");
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::addColumn<QString>("inserted");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("cursor"); // -1: wherever the path leaves it

    const QList<std::pair<const char *, Path>> paths{{"keys", Path::Keys},
                                                     {"Ctrl+V", Path::CtrlV},
                                                     {"Shift+Insert", Path::ShiftInsert},
                                                     {"context menu", Path::ContextMenu},
                                                     {"drop", Path::Drop},
                                                     {"assistive insert", Path::AssistiveInsert},
                                                     {"assistive value", Path::AssistiveValue}};
    QFile file(QStringLiteral(ZERKOVAN_INPUT_RULE_ROWS));
    QVERIFY(file.open(QIODevice::ReadOnly));
    for (const auto &value : QJsonDocument::fromJson(file.readAll()).array()) {
        const QJsonObject row = value.toObject();
        const QString before = row[u"before"].toString();
        const QString inserted = row[u"inserted"].toString();
        const int start = row[u"select"][0].toInt();
        const int end = row[u"select"][1].toInt();
        for (const auto &[name, path] : paths) {
            // Only a set value deletes; a drop lands at the end, and an
            // assistive insert at the cursor, with nothing selected.
            const bool atCursor = start == end;
            if ((inserted.isEmpty() && path != Path::AssistiveValue) ||
                (path == Path::Keys && !typeable(inserted)) ||
                (path == Path::Drop && !(atCursor && end == before.size())) ||
                (path == Path::AssistiveInsert && !atCursor))
                continue;
            const bool placesCursor = path <= Path::ContextMenu;
            QTest::addRow("%s, %s", qPrintable(row[u"name"].toString()), name)
                << path << before << start << end << inserted << row[u"text"].toString()
                << (placesCursor ? row[u"cursor"].toInt() : -1);
        }
    }
}

void InputBoxTest::ruleRows()
{
    QFETCH(Path, path);
    QFETCH(QString, before);
    QFETCH(int, start);
    QFETCH(int, end);
    QFETCH(QString, inserted);
    QFETCH(QString, expected);
    QFETCH(int, cursor);
    QLineEdit *box = m_fixture.input();
    box->setFocus();
    box->setText(before);
    box->setSelection(start, end - start);
    insert(box, path, inserted);
    QCOMPARE(box->text(), expected);
    if (cursor >= 0)
        QCOMPARE(box->cursorPosition(), cursor);
    // What the engine gets is what the box shows, as UTF-8.
    m_fixture.click(0);
    QCOMPARE(m_fixture.window().state().input, expected.toStdString());
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

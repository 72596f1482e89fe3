// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// Windows: the verdict raised as a UI Automation notification, through the
// functions the system would give, here recorded: one per display with the
// verdict's text, none for «Изчисти», and every string and reference the
// notification took given back. Where the system has no notifications
// (Wine, Windows before 10 1709), the window works as before.
#include "platform.h"
#include "uianotification.h"
#include "windowfixture.h"

#include <QList>
#include <QTest>

using namespace zerkovan;

namespace {

struct Raised
{
    QString text;
    int kind = -1;
    int processing = -1;
    QString activity;
    HWND window = nullptr;
};

// What the recording functions saw, and what is still held.
struct Record
{
    QList<Raised> raised;
    HWND asked = nullptr;
    int strings = 0;
    long references = 0;
} record;

class Provider : public IUnknown
{
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void **out) override
    {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ULONG(++record.references); }
    ULONG STDMETHODCALLTYPE Release() override { return ULONG(--record.references); }
} provider;

QString textOf(BSTR text)
{
    return QString::fromWCharArray(text, int(SysStringLen(text)));
}

HRESULT WINAPI hostProviderFromHwnd(HWND window, IUnknown **out)
{
    record.asked = window;
    provider.AddRef();
    *out = &provider;
    return S_OK;
}

HRESULT WINAPI raiseNotificationEvent(IUnknown *from, int kind, int processing, BSTR text,
                                      BSTR activity)
{
    if (from != &provider)
        return E_INVALIDARG;
    record.raised.append({textOf(text), kind, processing, textOf(activity), record.asked});
    return S_OK;
}

BSTR WINAPI allocString(const OLECHAR *text, UINT size)
{
    ++record.strings;
    return SysAllocStringLen(text, size);
}

void WINAPI freeString(BSTR text)
{
    --record.strings;
    SysFreeString(text);
}

} // namespace

class UiaNotificationTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { PrepareApplication(); }
    void init()
    {
        m_system = uia::FunctionsInUse();
        record = {};
        QVERIFY(m_fixture.open());
    }
    void cleanup()
    {
        m_fixture.close();
        uia::FunctionsInUse() = m_system;
    }

    void verdictRaisedOncePerDisplay_data();
    void verdictRaisedOncePerDisplay();
    void withoutNotificationsTheWindowWorks();

private:
    WindowFixture m_fixture;
    uia::Functions m_system;
};

void UiaNotificationTest::verdictRaisedOncePerDisplay_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QStringList>("expected");
    const QString four = QStringLiteral("Числото 4 се среща в ред 3");
    QTest::newRow("«Изведи»") << QStringLiteral("4") << QList<int>{0} << QStringList{four};
    QTest::newRow("«Изведи» twice")
        << QStringLiteral("4") << QList<int>{0, 0} << QStringList{four, four};
    QTest::newRow("«Изчисти»") << QStringLiteral("4") << QList<int>{1} << QStringList{};
    QTest::newRow("«Изведи», then «Изчисти»")
        << QStringLiteral("4") << QList<int>{0, 1} << QStringList{four};
    QTest::newRow("«Изведи» on an empty box")
        << QString() << QList<int>{0}
        << QStringList{QStringLiteral("Числото 0 не се среща в триъгълника")};
}

void UiaNotificationTest::verdictRaisedOncePerDisplay()
{
    QFETCH(QString, input);
    QFETCH(QList<int>, clicks);
    QFETCH(QStringList, expected);
    uia::FunctionsInUse() = {&hostProviderFromHwnd, &raiseNotificationEvent, &allocString,
                             &freeString};
    m_fixture.type(input);
    for (const int index : clicks)
        m_fixture.click(Integer16(index));

    QStringList texts;
    for (const Raised &raised : std::as_const(record.raised)) {
        texts << raised.text;
        QCOMPARE(raised.kind, uia::ActionCompleted);
        QCOMPARE(raised.processing, uia::MostRecent);
        QVERIFY(!raised.activity.isEmpty());
        QCOMPARE(raised.window, reinterpret_cast<HWND>(m_fixture.window().winId()));
    }
    QCOMPARE(texts, expected);
    QCOMPARE(record.strings, 0);
    QCOMPARE(record.references, 0L);
}

void UiaNotificationTest::withoutNotificationsTheWindowWorks()
{
    uia::FunctionsInUse() = {&hostProviderFromHwnd, nullptr, &allocString, &freeString};
    m_fixture.type(QStringLiteral("4"));
    m_fixture.click(0);
    QVERIFY(m_fixture.outputText().endsWith(QStringLiteral("Числото 4 се среща в ред 3")));
    m_fixture.click(1);
    QVERIFY(m_fixture.outputText().isEmpty());
    QVERIFY(record.raised.isEmpty());
    QCOMPARE(record.strings, 0);
    QCOMPARE(record.references, 0L);
}

QTEST_MAIN(UiaNotificationTest)
#include "tst_uianotification.moc"

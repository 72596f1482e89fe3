// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// On a Wayland compositor, with no X display: the window opens natively, at
// its size, and does its work.
#include "platform.h"
#include "windowfixture.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <cmath>

class WaylandTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void windowOpensAtItsSize();
    void displaysTheWorkedExample();

private:
    WindowFixture m_fixture;
};

void WaylandTest::initTestCase()
{
    // Chosen by the toolkit from WAYLAND_DISPLAY alone (run-under-weston).
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
    zerkovan::PrepareApplication();
    QVERIFY(m_fixture.open());
}

void WaylandTest::windowOpensAtItsSize()
{
    QWindow *window = m_fixture.window().windowHandle();
    QVERIFY(window->isExposed());
    const qreal dpi = window->screen()->logicalDotsPerInch();
    const QSize clientArea(int(std::lround(7215 * dpi / 1440)),
                           int(std::lround(6360 * dpi / 1440)));
    QCOMPARE(window->size(), clientArea);
    QCOMPARE(m_fixture.window().grab().size(), clientArea * window->devicePixelRatio());
    QCOMPARE(window->title(), QStringLiteral("www.dorvelan.example  Дорвелан"));
}

void WaylandTest::displaysTheWorkedExample()
{
    m_fixture.type(QStringLiteral("4"));
    m_fixture.click(0);
    QCOMPARE(m_fixture.outputText(),
             QStringLiteral("1\r\n2 2\r\n3 4 3\r\n4 6 6 4\r\nЧислото 4 се среща в ред 3"));
}

QTEST_MAIN(WaylandTest)
#include "tst_wayland.moc"

// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

#include "literal.h"
#include "platform.h"
#include "textbox.h"
#include "zerkovanwidget.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>

namespace {

using namespace zerkovan;

struct WindowWith99
{
    WindowWith99()
    {
        window.show();
        if (!QTest::qWaitForWindowExposed(&window)) {
            std::fputs("the window was not shown\n", stderr);
            std::abort();
        }
        QTest::keyClicks(window.Text2(0), QStringLiteral("99"));
    }
    QPlainTextEdit *output() const { return qobject_cast<QPlainTextEdit *>(window.Text2(1)); }

    ZerkovanWidget window;
};

// From the click to the finished text in the box, laid out and painted.
void WindowClick99(benchmark::State &bench)
{
    WindowWith99 fixture;
    for (auto _ : bench) {
        QTest::mouseClick(fixture.window.Command1(0), Qt::LeftButton);
        fixture.output()->viewport()->repaint();
    }
    bench.counters["chars"] = double(fixture.output()->toPlainText().size());
}
BENCHMARK(WindowClick99)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same click with the box's whole text read and assigned after every
// entry. Slow: a few iterations only.
void LiteralWindowClick99(benchmark::State &bench)
{
    WindowWith99 fixture;
    QTest::mouseClick(fixture.window.Command1(0), Qt::LeftButton);
    const std::string expected = TextOf(fixture.output());
    WindowState state;
    for (auto _ : bench) {
        literal::ShowTriangleInBoxes(fixture.window.Text2(0), fixture.output(), state,
                                     SystemDecimalSeparator());
        fixture.output()->viewport()->repaint();
    }
    if (TextOf(fixture.output()) != expected) {
        std::fputs("the yardstick's window output differs from the window's\n", stderr);
        std::abort();
    }
}
BENCHMARK(LiteralWindowClick99)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace

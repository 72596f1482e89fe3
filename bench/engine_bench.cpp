// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

#include "literal.h"
#include "triangle.h"

#include <benchmark/benchmark.h>
#include <charconv>
#include <cstdio>
#include <cstdlib>

namespace {

using namespace zerkovan;

WindowState stateFor(int n)
{
    WindowState state;
    state.input = std::to_string(n);
    return state;
}

void ShowTriangle99(benchmark::State &bench)
{
    WindowState state = stateFor(99);
    for (auto _ : bench) {
        RunTriangle(state, ".");
        benchmark::DoNotOptimize(state.output.data());
    }
    bench.counters["chars"] = double(state.output.size());
}
BENCHMARK(ShowTriangle99);

// Time per output character, which stays flat when the cost is linear.
void ShowTriangleSweep(benchmark::State &bench)
{
    WindowState state = stateFor(int(bench.range(0)));
    RunTriangle(state, ".");
    const double chars = double(state.output.size());
    for (auto _ : bench) {
        RunTriangle(state, ".");
        benchmark::DoNotOptimize(state.output.data());
    }
    // Seconds per character.
    bench.counters["per_char"] = benchmark::Counter(
        chars, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(ShowTriangleSweep)->DenseRange(1, 92, 7)->Arg(99)->MinTime(0.05);

// The floor: only the 4,950 entries of rows 1..99 written into a buffer that
// is already large enough, with std::to_chars. No search, no verdict.
void FormatFloor(benchmark::State &bench)
{
    std::string buffer(32 * 1024, '\0');
    char *const end = buffer.data() + buffer.size();
    for (auto _ : bench) {
        char *p = buffer.data();
        for (long long n = 1; n <= 99; ++n) {
            for (long long k = 1; k <= n; ++k) {
                p = std::to_chars(p, end, k * (n - k + 1)).ptr;
                *p++ = ' ';
            }
            p[-1] = '\r';
            *p++ = '\n';
        }
        benchmark::DoNotOptimize(p);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(FormatFloor);

void LiteralCopyOnEveryAppend(benchmark::State &bench)
{
    WindowState literalState = stateFor(99);
    WindowState engineState = stateFor(99);
    literal::ShowTriangle(literalState, ".");
    RunTriangle(engineState, ".");
    if (literalState.output != engineState.output) {
        std::fputs("the yardstick's output differs from the engine's\n", stderr);
        std::abort();
    }
    for (auto _ : bench) {
        literal::ShowTriangle(literalState, ".");
        benchmark::DoNotOptimize(literalState.output.data());
    }
}
BENCHMARK(LiteralCopyOnEveryAppend)->Unit(benchmark::kMillisecond);

} // namespace

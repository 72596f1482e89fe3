// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// The engine's interface to the page: the page writes the input and the
// decimal separator into buffers the module hands out, runs the engine, and
// reads the output (or the failure's message) back. The module keeps the
// window state between runs, as the window does; it imports nothing.
#include "triangle.h"

#include <cstddef>
#include <string>

#define ZERKOVAN_EXPORT(name) extern "C" __attribute__((export_name(#name)))

// What the C++ library does where it would throw (a string grown past its
// largest size) and cannot, as exceptions are off: stop the module at
// once, as std::abort does. Its own version first prints the reason to
// standard error through WASI's file calls, which the module would then
// have to import and the page does not give. It is noexcept exactly when
// the library declares it so (libc++ 17 and later).
void std::__libcpp_verbose_abort(const char *,
                                 ...) noexcept(noexcept(std::__libcpp_verbose_abort("")))
{
    __builtin_trap();
}

// The same for the C++ runtime's last words as it aborts (std::terminate's
// default handler), which it would write the same way.
extern "C" [[noreturn]] void __abort_message(const char *, ...)
{
    __builtin_trap();
}

namespace {

zerkovan::WindowState state;
std::string separator;
zerkovan::RunResult lastResult = zerkovan::RunResult::Done;

} // namespace

// Room for the input's size bytes of UTF-8; the page fills it.
ZERKOVAN_EXPORT(zerkovan_input) char *zerkovan_input(std::size_t size)
{
    state.input.assign(size, '\0');
    return state.input.data();
}

// Room for the separator's size bytes of UTF-8.
ZERKOVAN_EXPORT(zerkovan_separator) char *zerkovan_separator(std::size_t size)
{
    separator.assign(size, '\0');
    return separator.data();
}

// Runs the engine on the input; 0 when it is done, else the run failed.
ZERKOVAN_EXPORT(zerkovan_run) int zerkovan_run()
{
    lastResult = zerkovan::ShowTriangle(state, separator);
    return lastResult == zerkovan::RunResult::Done ? 0 : 1;
}

ZERKOVAN_EXPORT(zerkovan_output) const char *zerkovan_output()
{
    return state.output.data();
}

ZERKOVAN_EXPORT(zerkovan_output_size) std::size_t zerkovan_output_size()
{
    return state.output.size();
}

// Why the last run failed ("Overflow"), UTF-8, or nothing.
ZERKOVAN_EXPORT(zerkovan_message) const char *zerkovan_message()
{
    return zerkovan::MessageOf(lastResult).data();
}

ZERKOVAN_EXPORT(zerkovan_message_size) std::size_t zerkovan_message_size()
{
    return zerkovan::MessageOf(lastResult).size();
}

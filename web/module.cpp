// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// The window's interface to the page: the page writes the input box's text
// and the decimal separator into buffers the module hands out, clicks a
// button, and reads back what the click left: the output box's text, the
// verdict to say, or the failure's message. The module is the window without
// its controls (zerkovan.h), whose state lasts between clicks; it imports
// nothing.
#include "zerkovan.h"

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

// And where a pure virtual function would be called, which no object of a
// whole class can do.
extern "C" [[noreturn]] void __cxa_pure_virtual()
{
    __builtin_trap();
}

namespace {

// The page's boxes, as the handlers see them.
class PageWindow : public zerkovan::Zerkovan
{
public:
    std::string input;
    std::string output;
    std::string separator;
    std::string verdict;
    std::string message;

protected:
    std::string TextOfText2(zerkovan::Integer16 index) const override
    {
        return index == 0 ? input : output;
    }
    void AssignText2(zerkovan::Integer16 index, std::string_view text) override
    {
        (index == 0 ? input : output).assign(text);
    }
    void SayVerdict(std::string_view said) override { verdict.assign(said); }
    void ClearVerdict() override { verdict.clear(); }
    void ShowRunError(std::string_view shown) override { message.assign(shown); }
    std::string DecimalSeparator() const override { return separator; }
};

PageWindow page;

} // namespace

// Room for the input's size bytes of UTF-8; the page fills it.
ZERKOVAN_EXPORT(zerkovan_input) char *zerkovan_input(std::size_t size)
{
    page.input.assign(size, '\0');
    return page.input.data();
}

// Room for the separator's size bytes of UTF-8.
ZERKOVAN_EXPORT(zerkovan_separator) char *zerkovan_separator(std::size_t size)
{
    page.separator.assign(size, '\0');
    return page.separator.data();
}

// A click on Command1(index); 0 when it is done, else it failed.
ZERKOVAN_EXPORT(zerkovan_click) int zerkovan_click(int index)
{
    page.message.clear();
    page.Command1_Click(zerkovan::Integer16(index));
    return page.message.empty() ? 0 : 1;
}

ZERKOVAN_EXPORT(zerkovan_output) const char *zerkovan_output()
{
    return page.output.data();
}

ZERKOVAN_EXPORT(zerkovan_output_size) std::size_t zerkovan_output_size()
{
    return page.output.size();
}

// What assistive tools are told of the last click, or nothing.
ZERKOVAN_EXPORT(zerkovan_verdict) const char *zerkovan_verdict()
{
    return page.verdict.data();
}

ZERKOVAN_EXPORT(zerkovan_verdict_size) std::size_t zerkovan_verdict_size()
{
    return page.verdict.size();
}

// Why the last click failed ("Overflow"), UTF-8, or nothing.
ZERKOVAN_EXPORT(zerkovan_message) const char *zerkovan_message()
{
    return page.message.data();
}

ZERKOVAN_EXPORT(zerkovan_message_size) std::size_t zerkovan_message_size()
{
    return page.message.size();
}

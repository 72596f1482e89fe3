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

// What the page and the module pass each other, UTF-8, by number: the page
// fills the first two, a click leaves the other three.
enum PageText { Input, Separator, Output, Verdict, Message, PageTexts };

// The page's boxes, as the handlers see them.
class PageWindow : public zerkovan::Zerkovan
{
public:
    std::string texts[PageTexts];

protected:
    std::string TextOfText2(zerkovan::Integer16 index) const override
    {
        return texts[index == 0 ? Input : Output];
    }
    void AssignText2(zerkovan::Integer16 index, std::string_view text) override
    {
        texts[index == 0 ? Input : Output].assign(text);
    }
    void SayVerdict(std::string_view said) override { texts[Verdict].assign(said); }
    void ClearVerdict() override { texts[Verdict].clear(); }
    void ShowRunError(std::string_view shown) override { texts[Message].assign(shown); }
    std::string DecimalSeparator() const override { return texts[Separator]; }
};

PageWindow page;

} // namespace

// Room for `size` bytes of the page's text `which`, which the page fills.
ZERKOVAN_EXPORT(zerkovan_room) char *zerkovan_room(int which, std::size_t size)
{
    page.texts[which].assign(size, '\0');
    return page.texts[which].data();
}

// A click on Command1(index); 0 when it is done, else it failed.
ZERKOVAN_EXPORT(zerkovan_click) int zerkovan_click(int index)
{
    page.texts[Message].clear();
    page.Command1_Click(zerkovan::Integer16(index));
    return page.texts[Message].empty() ? 0 : 1;
}

// The text `which` and its size in bytes.
ZERKOVAN_EXPORT(zerkovan_text) const char *zerkovan_text(int which)
{
    return page.texts[which].data();
}

ZERKOVAN_EXPORT(zerkovan_text_size) std::size_t zerkovan_text_size(int which)
{
    return page.texts[which].size();
}

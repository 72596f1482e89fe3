// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// Drives Zerkovan.exe from another process, as Windows' assistive tools and
// other programs reach it: its layout at the window's DPI, every control
// through MSAA (read as the system's own proxies read a standard control),
// what the input box admits and the read-only boxes refuse when the text
// comes by message, and the verdict's live-region event after «Изведи»,
// none after «Изчисти», and Tab and the context menu with keys from
// Windows' input queue.
//   usage: checkwindow.exe ZERKOVAN.EXE DPI           the rows above
//          checkwindow.exe ZERKOVAN.EXE DPI contrast  the colours, with and
//                                                     without high contrast
#include "checks.h"

#include <cstdio>
#include <cwchar>
#include <string>

using namespace zerkovan::checks;

int wmain(int argc, wchar_t *argv[])
{
    if (argc < 3) {
        std::fputs("usage: checkwindow.exe ZERKOVAN.EXE DPI [contrast]\n", stderr);
        return 2;
    }
    // Real pixels, as the program lays out at its own DPI.
    SetProcessDPIAware();
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const UINT dpi = UINT(std::wcstol(argv[2], nullptr, 10));
    const bool contrast = argc > 3 && std::wstring(argv[3]) == L"contrast";

    Program program(argv[1]);
    if (!program.window()) {
        std::puts("FAIL: no window of class Zerkovan appeared");
        return 1;
    }
    Report report;
    if (contrast) {
        CheckColours(program, report, false);
        report.check(SetHighContrast(program, true), "high contrast turns on");
        CheckColours(program, report, true);
        report.check(SetHighContrast(program, false), "high contrast turns off");
        CheckColours(program, report, false);
    } else {
        CheckLayout(program, dpi, report);
        CheckAccessibleNames(program, report);
        CheckInputRule(program, report);
        CheckReadOnlyBoxes(program, report);
        CheckVerdictEvents(program, report);
        CheckKeyboard(program, report);
    }
    return report.finish();
}

// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// Drives Zerkovan.exe from another process, as Windows' assistive tools and
// other programs reach it: its layout at the window's DPI, every control
// through MSAA (read as the system's own proxies read a standard control),
// what the input box admits and the read-only boxes refuse when the text
// comes by message, and the verdict's live-region event after «Изведи»,
// none after «Изчисти», and Tab and the context menu with keys from
// Windows' input queue.
// The program is started beside it (check-window.sh), not by it: under
// qemu-i386 no Windows program can start a 32-bit one.
//   usage: checkwindow.exe DPI           the rows above
//          checkwindow.exe DPI contrast  the colours, with and without
//                                        high contrast, a change of the
//                                        system's colours, and the close
//          checkwindow.exe DPI workarea  its place, with a taskbar at the
//                                        top and the left
//          checkwindow.exe 96 windows7   with nothing newer than Windows 7:
//                                        a DPI change, the verdict
#include "checks.h"

#include <cstdio>
#include <cwchar>
#include <optional>
#include <string>

using namespace zerkovan::checks;

int wmain(int argc, wchar_t *argv[])
{
    if (argc < 2) {
        std::fputs("usage: checkwindow.exe DPI [contrast]\n", stderr);
        return 2;
    }
    // Real pixels, as the program lays out at its own DPI.
    SetProcessDPIAware();
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const UINT dpi = UINT(std::wcstol(argv[1], nullptr, 10));
    const std::wstring mode = argc > 2 ? argv[2] : L"";
    const bool contrast = mode == L"contrast";

    Program program;
    if (!program.window()) {
        std::puts("FAIL: no window of class Zerkovan appeared");
        return 1;
    }
    Report report;
    std::optional<AnnotationsWatch> annotations;
    if (mode == L"workarea") {
        CheckPlace(program, report, true);
    } else if (mode == L"windows7") {
        report.check(SetWindows7(program), "the program finds nothing newer than Windows 7");
        CheckVerdictAlerts(program, report);
        CheckDpiChange(program, report);
    } else if (contrast) {
        CheckColours(program, report, false);
        report.check(SetHighContrast(program, true), "high contrast turns on");
        CheckColours(program, report, true);
        report.check(SetHighContrast(program, false), "high contrast turns off");
        CheckColours(program, report, false);
        report.check(ChangeSystemColours(program),
                     "a change of system colours reaches every control");
        annotations.emplace(program);
    } else {
        CheckLayout(program, dpi, report);
        CheckPlace(program, report, false);
        CheckAccessibleNames(program, report);
        CheckInputRule(program, report);
        CheckReadOnlyBoxes(program, report);
        CheckVerdictEvents(program, report);
        CheckKeyboard(program, report);
    }
    report.check(program.close(), "closing the window ends the program");
    if (annotations)
        report.check(annotations->clearedInTime(),
                     "the verdict's annotations are cleared while its window exists");
    return report.finish();
}

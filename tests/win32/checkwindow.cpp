// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// Drives Zerkovan.exe from another process, as Windows' assistive tools
// and other programs reach it (docs/windows.md lists the rows). The program
// is started beside it (check-window.sh): under qemu-i386 no Windows
// program can start a 32-bit one. With windows7 or windows81 it runs
// first, and says when the program may start.
//   usage: checkwindow.exe DPI [contrast|workarea|windows7|windows81]
#include "checks.h"

#include <cstdio>
#include <cwchar>
#include <string>

using namespace zerkovan::checks;

int wmain(int argc, wchar_t *argv[])
{
    if (argc < 2) {
        std::fputs("usage: checkwindow.exe DPI [contrast|workarea|windows7|windows81]\n", stderr);
        return 2;
    }
    // Real pixels, as the program lays out at its own DPI.
    SetProcessDPIAware();
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const UINT dpi = UINT(std::wcstol(argv[1], nullptr, 10));
    const std::wstring mode = argc > 2 ? argv[2] : L"";
    const bool contrast = mode == L"contrast";
    Report report;
    if (mode == L"windows7" || mode == L"windows81") {
        report.require(StartAsOlderWindows(mode == L"windows7" ? L"ZerkovanCheckWindows7"
                                                               : L"ZerkovanCheckWindows81"),
                       "every window's creation is hooked");
        std::puts("ready for the program");
        std::fflush(stdout);
    }
    Program program;
    if (!program.window()) {
        std::puts("FAIL: no window of class Zerkovan appeared");
        return 1;
    }
    const HDC screen = GetDC(nullptr);
    report.require(UINT(GetDeviceCaps(screen, LOGPIXELSY)) == dpi,
                   "the screen is at the DPI under test");
    ReleaseDC(nullptr, screen);
    if (mode == L"workarea") {
        CheckPlace(program, report, true);
    } else if (mode == L"windows7") {
        CheckLayout(program, dpi, report);
        CheckVerdict(program, report, false);
        CheckDpiChange(program, dpi, report);
    } else if (mode == L"windows81") {
        CheckLayout(program, 144, report);
    } else if (contrast) {
        // Under high contrast the window takes the face colour the
        // system has, and the one it is changed to.
        constexpr COLORREF Navy = RGB(0, 0, 128);
        CheckColours(program, report, false);
        report.require(SetHighContrast(program, true), "high contrast turns on");
        CheckColours(program, report, true);
        report.check(ChangeSystemColour(program, COLOR_BTNFACE, Navy),
                     "a change of a system colour reaches every control");
        CheckColours(program, report, true, Navy);
        report.require(SetHighContrast(program, false), "high contrast turns off");
        CheckColours(program, report, false);
    } else {
        CheckLayout(program, dpi, report);
        CheckPlace(program, report, false);
        CheckAccessibleNames(program, report);
        CheckInputRule(program, report);
        CheckReadOnlyBoxes(program, report);
        CheckVerdict(program, report, true);
        CheckKeyboard(program, report);
        if (dpi == 96)
            CheckDpiChange(program, dpi, report);
    }
    report.check(program.close(), "closing the window ends the program");
    if (contrast)
        report.check(Signalled(L"ZerkovanCheckAnnotationsCleared"),
                     "the verdict's annotations are cleared while its window exists");
    return report.finish();
}

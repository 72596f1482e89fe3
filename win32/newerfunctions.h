// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// What Windows added after Windows 7, which the program uses where it is
// there: each function is looked up at run time, so that the one executable
// starts on Windows 7 too, and the constants are declared here because
// MinGW-w64's headers hide them below Windows 8 or lack them.
#pragma once

#include <guiddef.h>
#include <windows.h>

namespace zerkovan::win32 {

// Asked of a window before it moves to a monitor of another DPI (Windows
// 10 1703).
inline constexpr UINT GetDpiScaledSizeMessage = 0x02e4;

// A live region changed (Windows 8): screen readers read it out.
inline constexpr DWORD EventObjectLiveRegionChanged = 0x8019;

// UI Automation's LiveSetting property and its polite value, which
// IAccPropServices also carries for an MSAA object (Windows 8).
inline constexpr GUID LiveSettingPropertyGuid = {
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
inline constexpr LONG LiveSettingPolite = 1;

// MinGW's liboleacc.a resolves IID_IAccessible to an import thunk, not the
// GUID itself.
inline constexpr GUID AccessibleInterfaceGuid = {
    0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

// Dynamic annotation (oleacc, Windows XP and later), by which the window
// marks its verdict as a live region.
inline constexpr GUID AccPropServicesClassGuid = {
    0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
inline constexpr GUID AccPropServicesInterfaceGuid = {
    0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};

// The per-monitor DPI functions of Windows 10 1607 and 1703, or null. They
// are looked up at each use, which is rare: a window's start and its DPI
// changes.
struct DpiFunctions
{
    UINT(WINAPI *getDpiForWindow)(HWND) = nullptr;
    BOOL(WINAPI *adjustWindowRectExForDpi)(RECT *, DWORD, BOOL, DWORD, UINT) = nullptr;
    int(WINAPI *getSystemMetricsForDpi)(int, UINT) = nullptr;
};
DpiFunctions NewerDpiFunctions();

// shcore's GetDpiForMonitor (Windows 8.1), loaded from the system's
// folder alone, or null.
using GetDpiForMonitorFunction = HRESULT(WINAPI *)(HMONITOR, int, UINT *, UINT *);
GetDpiForMonitorFunction NewerGetDpiForMonitor();

// Whether screen readers hear live regions: they came with Windows 8,
// whose user32 also brought the pointer functions, asked for here.
bool HasLiveRegions();

// Common controls 6 has it from Windows Vista on; MinGW-w64's x86 import
// library does not name it. Looked up at each use, as the DPI functions.
using LoadIconWithScaleDownFunction = HRESULT(WINAPI *)(HINSTANCE, PCWSTR, int, int, HICON *);
LoadIconWithScaleDownFunction NewerLoadIconWithScaleDown();

} // namespace zerkovan::win32

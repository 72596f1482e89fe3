// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

#include "newerfunctions.h"

namespace zerkovan::win32 {

namespace {

template <typename Function> void lookUp(HMODULE module, const char *name, Function &function)
{
    // A function pointer of another type: GetProcAddress returns FARPROC.
    // Through void (*)(), the type GCC takes for any function's.
    function =
        reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

} // namespace

DpiFunctions NewerDpiFunctions()
{
    DpiFunctions found;
    // user32 is loaded in every program with a window.
    const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    lookUp(user32, "GetDpiForWindow", found.getDpiForWindow);
    lookUp(user32, "AdjustWindowRectExForDpi", found.adjustWindowRectExForDpi);
    lookUp(user32, "GetSystemMetricsForDpi", found.getSystemMetricsForDpi);
    return found;
}

GetDpiForMonitorFunction NewerGetDpiForMonitor()
{
    // Where LOAD_LIBRARY_SEARCH_SYSTEM32 is unknown (Windows 7 before
    // KB2533623) there is no shcore either: no other folder is searched.
    GetDpiForMonitorFunction found = nullptr;
    lookUp(LoadLibraryExW(L"shcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32), "GetDpiForMonitor",
           found);
    return found;
}

bool HasLiveRegions()
{
    return GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetPointerType") != nullptr;
}

LoadIconWithScaleDownFunction NewerLoadIconWithScaleDown()
{
    LoadIconWithScaleDownFunction found = nullptr;
    lookUp(GetModuleHandleW(L"comctl32.dll"), "LoadIconWithScaleDown", found);
    return found;
}

} // namespace zerkovan::win32

// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// What Wine cannot be asked for, made up inside Zerkovan.exe, whose own
// thread loads this DLL through checkwindow.exe's hooks (a thread started
// here would not survive qemu-i386). It takes the program's imports of
// SystemParametersInfoW (high contrast, while the checker holds the event
// ZerkovanCheckHighContrastOn) and GetProcAddress (the newer functions
// hidden while it holds ZerkovanCheckWindows7 or ZerkovanCheckWindows81);
// it turns the checker's registered messages into a DPI change, a change
// of a system colour and a measure of the icons and the font; and it
// signals what Wine's controls do not show: WM_SYSCOLORCHANGE passed on to
// every control, and the verdict static's alert role and its clearing.
#include "controlids.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <oleacc.h>
#include <set>
#include <utility>
#include <windows.h>

namespace {

using SystemParametersInfoFunction = BOOL(WINAPI *)(UINT, UINT, PVOID, UINT);
using GetProcAddressFunction = FARPROC(WINAPI *)(HMODULE, LPCSTR);
SystemParametersInfoFunction systemFunction = nullptr;
GetProcAddressFunction systemLookUp = nullptr;

bool held(const wchar_t *event)
{
    const HANDLE on = OpenEventW(SYNCHRONIZE, FALSE, event);
    if (!on)
        return false;
    CloseHandle(on);
    return true;
}

bool named(LPCSTR name, std::initializer_list<const char *> names)
{
    return !IS_INTRESOURCE(name) && std::any_of(names.begin(), names.end(), [name](auto one) {
        return std::strcmp(name, one) == 0;
    });
}

HRESULT WINAPI monitorAt144(HMONITOR, int, UINT *x, UINT *y)
{
    *x = *y = 144;
    return S_OK;
}

FARPROC WINAPI lookUpAsOlderWindows(HMODULE module, LPCSTR name)
{
    const bool windows7 = held(L"ZerkovanCheckWindows7");
    const bool windows81 = held(L"ZerkovanCheckWindows81");
    if (((windows7 || windows81) &&
         named(name, {"GetDpiForWindow", "AdjustWindowRectExForDpi", "GetSystemMetricsForDpi"})) ||
        (windows7 &&
         named(name, {"GetPointerType", "LoadIconWithScaleDown", "GetDpiForMonitor"}))) {
        SetLastError(ERROR_PROC_NOT_FOUND);
        return nullptr;
    }
    if (windows81 && named(name, {"GetDpiForMonitor"}))
        return reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(monitorAt144));
    return systemLookUp(module, name);
}

BOOL WINAPI withHighContrast(UINT action, UINT size, PVOID parameter, UINT flags)
{
    if (action == SPI_GETHIGHCONTRAST && parameter && held(L"ZerkovanCheckHighContrastOn")) {
        auto *contrast = static_cast<HIGHCONTRASTW *>(parameter);
        contrast->dwFlags = HCF_HIGHCONTRASTON | HCF_AVAILABLE;
        contrast->lpszDefaultScheme = nullptr;
        return TRUE;
    }
    return systemFunction(action, size, parameter, flags);
}

// Puts `replacement` in the program's import of user32's function, and
// returns what stood there.
void *replaceImport(const char *dll, const char *function, void *replacement)
{
    auto *base = reinterpret_cast<BYTE *>(GetModuleHandleW(nullptr));
    const auto *dos = reinterpret_cast<IMAGE_DOS_HEADER *>(base);
    const auto *nt = reinterpret_cast<IMAGE_NT_HEADERS *>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY &directory =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    auto *descriptor = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR *>(base + directory.VirtualAddress);
    for (; descriptor->Name; ++descriptor) {
        if (lstrcmpiA(reinterpret_cast<const char *>(base + descriptor->Name), dll) != 0)
            continue;
        auto *names = reinterpret_cast<IMAGE_THUNK_DATA *>(base + descriptor->OriginalFirstThunk);
        auto *addresses = reinterpret_cast<IMAGE_THUNK_DATA *>(base + descriptor->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++addresses) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal))
                continue;
            const auto *byName =
                reinterpret_cast<IMAGE_IMPORT_BY_NAME *>(base + names->u1.AddressOfData);
            if (std::strcmp(reinterpret_cast<const char *>(byName->Name), function) != 0)
                continue;
            DWORD protection = 0;
            VirtualProtect(&addresses->u1.Function, sizeof(void *), PAGE_READWRITE, &protection);
            void *previous = reinterpret_cast<void *>(addresses->u1.Function);
            addresses->u1.Function = reinterpret_cast<ULONG_PTR>(replacement);
            VirtualProtect(&addresses->u1.Function, sizeof(void *), protection, &protection);
            return previous;
        }
    }
    return nullptr;
}

void setEvent(const wchar_t *name, bool on)
{
    if (const HANDLE event = OpenEventW(EVENT_MODIFY_STATE, FALSE, name)) {
        on ? SetEvent(event) : ResetEvent(event);
        CloseHandle(event);
    }
}

// The controls that have been sent WM_SYSCOLORCHANGE since their window was.
std::set<HWND> recoloured;

bool everyControlRecoloured(HWND window)
{
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (recoloured.count(child) == 0)
            return false;
    return true;
}

LRESULT CALLBACK watchColours(int code, WPARAM wParam, LPARAM lParam)
{
    const auto *sent = reinterpret_cast<const CWPSTRUCT *>(lParam);
    if (code == HC_ACTION && sent->message == WM_SYSCOLORCHANGE) {
        if (const HWND parent = GetParent(sent->hwnd)) {
            recoloured.insert(sent->hwnd);
            if (everyControlRecoloured(parent))
                setEvent(L"ZerkovanCheckColoursPassedOn", true);
        } else {
            recoloured.clear();
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

bool isVerdict(HWND window)
{
    return IsWindow(window) && GetDlgCtrlID(window) == zerkovan::win32::VerdictStatic;
}

using SetHwndPropFunction = HRESULT(WINAPI *)(IAccPropServices *, HWND, DWORD, DWORD, MSAAPROPID,
                                              VARIANT);
using ClearHwndPropsFunction = HRESULT(WINAPI *)(IAccPropServices *, HWND, DWORD, DWORD,
                                                 const MSAAPROPID *, int);
SetHwndPropFunction systemSet = nullptr;
ClearHwndPropsFunction systemClear = nullptr;

HRESULT WINAPI setWatched(IAccPropServices *self, HWND window, DWORD object, DWORD child,
                          MSAAPROPID mark, VARIANT value)
{
    if (isVerdict(window) && IsEqualGUID(mark, PROPID_ACC_ROLE))
        setEvent(L"ZerkovanCheckAlertRole", value.vt == VT_I4 && value.lVal == ROLE_SYSTEM_ALERT);
    return systemSet(self, window, object, child, mark, value);
}

HRESULT WINAPI clearWatched(IAccPropServices *self, HWND window, DWORD object, DWORD child,
                            const MSAAPROPID *marks, int count)
{
    if (isVerdict(window)) {
        setEvent(L"ZerkovanCheckAnnotationsCleared", true);
        for (int i = 0; i < count; ++i)
            if (IsEqualGUID(marks[i], PROPID_ACC_ROLE))
                setEvent(L"ZerkovanCheckAlertRole", false);
    }
    return systemClear(self, window, object, child, marks, count);
}

template <typename Function> void replaceSlot(void **table, int slot, Function watch, Function &was)
{
    DWORD protection = 0;
    VirtualProtect(static_cast<void *>(&table[slot]), sizeof(void *), PAGE_READWRITE, &protection);
    was = reinterpret_cast<Function>(table[slot]);
    table[slot] = reinterpret_cast<void *>(watch);
    VirtualProtect(static_cast<void *>(&table[slot]), sizeof(void *), protection, &protection);
}

// The class's table of functions is one for every object of it, the
// program's too: an object of our own gives its place. Once; not before
// the program has started COM, which a window may come before.
void watchAnnotations()
{
    static bool watching = false;
    IAccPropServices *services = nullptr;
    if (watching ||
        FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IAccPropServices, reinterpret_cast<void **>(&services))))
        return;
    watching = true;
    // After IUnknown's three: SetHwndProp the fourth of its own,
    // ClearHwndProps the seventh.
    auto *table = *reinterpret_cast<void ***>(services);
    replaceSlot(table, 6, &setWatched, systemSet);
    replaceSlot(table, 9, &clearWatched, systemClear);
    services->Release();
}

// What the checker cannot read of the window from its own process.
void measure(HWND window)
{
    for (auto [kind, name] : {std::pair{ICON_BIG, L"ZerkovanCheck.BigIcon"},
                              std::pair{ICON_SMALL, L"ZerkovanCheck.SmallIcon"}}) {
        ICONINFO icon{};
        BITMAP picture{};
        const auto handle = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, kind, 0));
        if (handle && GetIconInfo(handle, &icon)) {
            GetObjectW(icon.hbmColor ? icon.hbmColor : icon.hbmMask, sizeof picture, &picture);
            DeleteObject(icon.hbmColor);
            DeleteObject(icon.hbmMask);
        }
        SetPropW(window, name, reinterpret_cast<HANDLE>(INT_PTR(picture.bmWidth)));
    }
    LOGFONTW font{};
    const auto handle = reinterpret_cast<HFONT>(
        SendMessageW(GetDlgItem(window, zerkovan::win32::Text2_0), WM_GETFONT, 0, 0));
    GetObjectW(handle, sizeof font, &font);
    SetPropW(window, L"ZerkovanCheck.FontHeight",
             reinterpret_cast<HANDLE>(INT_PTR(-font.lfHeight)));
}

// Once, in the program's thread: keeps this DLL loaded for good and takes
// the imports.
void takeOver()
{
    watchAnnotations();
    if (systemFunction)
        return;
    HMODULE self = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                       reinterpret_cast<LPCWSTR>(&takeOver), &self);
    systemFunction = reinterpret_cast<SystemParametersInfoFunction>(replaceImport(
        "user32.dll", "SystemParametersInfoW", reinterpret_cast<void *>(withHighContrast)));
    systemLookUp = reinterpret_cast<GetProcAddressFunction>(replaceImport(
        "kernel32.dll", "GetProcAddress", reinterpret_cast<void *>(lookUpAsOlderWindows)));
    SetWindowsHookExW(WH_CALLWNDPROC, watchColours, self, GetCurrentThreadId());
}

} // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK StandInHook(int, WPARAM, LPARAM);
extern "C" __declspec(dllexport) LRESULT CALLBACK StandInStartHook(int, WPARAM, LPARAM);

// Called in every thread that creates a window: takes over Zerkovan.exe's
// before its window exists.
LRESULT CALLBACK StandInStartHook(int code, WPARAM wParam, LPARAM lParam)
{
    wchar_t path[MAX_PATH] = L"";
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (code == HCBT_CREATEWND && length >= 12 &&
        lstrcmpiW(path + length - 12, L"Zerkovan.exe") == 0)
        takeOver();
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Called in the program's thread for each message it takes.
LRESULT CALLBACK StandInHook(int code, WPARAM wParam, LPARAM lParam)
{
    static bool hooked = false;
    if (!hooked) {
        hooked = true;
        takeOver();
        setEvent(L"ZerkovanCheckStandInTaken", systemFunction && systemLookUp);
    }
    static const UINT dpiChange = RegisterWindowMessageW(L"ZerkovanCheckDpiChange");
    static const UINT sysColour = RegisterWindowMessageW(L"ZerkovanCheckSysColour");
    static const UINT measuring = RegisterWindowMessageW(L"ZerkovanCheckMeasure");
    auto *message = reinterpret_cast<MSG *>(lParam);
    if (code != HC_ACTION || wParam != PM_REMOVE || !message->hwnd)
        return CallNextHookEx(nullptr, code, wParam, lParam);
    const UINT taken = message->message;
    if (taken == dpiChange || taken == sysColour || taken == measuring)
        message->message = WM_NULL;
    if (taken == dpiChange) {
        // As Windows suggests it: the same place, the size scaled.
        const int dpi = int(message->wParam), from = int(message->lParam);
        RECT suggested;
        GetWindowRect(message->hwnd, &suggested);
        suggested.right = suggested.left + MulDiv(suggested.right - suggested.left, dpi, from);
        suggested.bottom = suggested.top + MulDiv(suggested.bottom - suggested.top, dpi, from);
        SendMessageW(message->hwnd, WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));
    } else if (taken == sysColour) {
        const int index = int(message->wParam);
        const auto colour = COLORREF(message->lParam);
        SetSysColors(1, &index, &colour);
        SendMessageW(message->hwnd, WM_SYSCOLORCHANGE, 0, 0);
    } else if (taken == measuring) {
        measure(message->hwnd);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// What Wine cannot be asked for, made up inside Zerkovan.exe: a
// high-contrast theme, an older Windows, and a change of the window's DPI.
// checkwindow.exe hooks the program's messages with StandInHook, so that
// the program's own thread loads this DLL (no thread is started in it,
// which qemu-i386's emulation would not survive). There it takes the
// program's imports of SystemParametersInfoW and GetProcAddress:
// - SPI_GETHIGHCONTRAST answers as Windows does while the checker holds
//   the event ZerkovanCheckHighContrastOn, as while a user has the theme on;
// - GetProcAddress finds none of what Windows 8 and 10 added while it holds
//   ZerkovanCheckWindows7, as on Windows 7;
// - the message ZerkovanCheckDpiChange, posted with the new DPI and the
//   one before, becomes the WM_DPICHANGED Windows sends when the window
//   moves to a monitor of that DPI.
// Everything else goes to the system. It also watches, for the checker:
// - a WM_SYSCOLORCHANGE sent to the window sets ZerkovanCheckColoursPassedOn
//   once every control has been sent it too;
// - the annotations' ClearHwndProps sets ZerkovanCheckAnnotationsCleared
//   when it is given a window that still exists.
#include <cstring>
#include <initializer_list>
#include <oleacc.h>
#include <set>
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

// What the program looks up and Windows 7 lacks.
bool newerThanWindows7(LPCSTR name)
{
    if (IS_INTRESOURCE(name))
        return false;
    for (const char *newer : {"GetDpiForWindow", "AdjustWindowRectExForDpi",
                              "GetSystemMetricsForDpi", "GetPointerType"})
        if (std::strcmp(name, newer) == 0)
            return true;
    return false;
}

FARPROC WINAPI lookUpAsWindows7(HMODULE module, LPCSTR name)
{
    if (held(L"ZerkovanCheckWindows7") && newerThanWindows7(name)) {
        SetLastError(ERROR_PROC_NOT_FOUND);
        return nullptr;
    }
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

// The window's rectangle at `dpi` from its rectangle at `from`, as Windows
// suggests it: the same place, the size scaled.
RECT suggestedAt(HWND window, UINT dpi, UINT from)
{
    RECT now;
    GetWindowRect(window, &now);
    return {now.left, now.top, now.left + MulDiv(now.right - now.left, int(dpi), int(from)),
            now.top + MulDiv(now.bottom - now.top, int(dpi), int(from))};
}

void signal(const wchar_t *event)
{
    if (const HANDLE watched = OpenEventW(EVENT_MODIFY_STATE, FALSE, event)) {
        SetEvent(watched);
        CloseHandle(watched);
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
                signal(L"ZerkovanCheckColoursPassedOn");
        } else {
            recoloured.clear();
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

using ClearHwndPropsFunction = HRESULT(WINAPI *)(IAccPropServices *, HWND, DWORD, DWORD,
                                                 const MSAAPROPID *, int);
ClearHwndPropsFunction systemClear = nullptr;

HRESULT WINAPI clearWatched(IAccPropServices *self, HWND window, DWORD object, DWORD child,
                            const MSAAPROPID *marks, int count)
{
    if (IsWindow(window))
        signal(L"ZerkovanCheckAnnotationsCleared");
    return systemClear(self, window, object, child, marks, count);
}

// The class's table of functions is one for every object of it, the
// program's too: an object of our own gives its place.
void watchAnnotations()
{
    IAccPropServices *services = nullptr;
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IAccPropServices, reinterpret_cast<void **>(&services))))
        return;
    // ClearHwndProps is the tenth: IUnknown's three, then six of its own.
    constexpr int clearSlot = 9;
    auto *table = *reinterpret_cast<void ***>(services);
    DWORD protection = 0;
    VirtualProtect(static_cast<void *>(&table[clearSlot]), sizeof(void *), PAGE_READWRITE,
                   &protection);
    systemClear = reinterpret_cast<ClearHwndPropsFunction>(table[clearSlot]);
    table[clearSlot] = reinterpret_cast<void *>(clearWatched);
    VirtualProtect(static_cast<void *>(&table[clearSlot]), sizeof(void *), protection, &protection);
    services->Release();
}

} // namespace

// Called in the program's thread for each message it takes: the first
// keeps this DLL loaded for good and takes the imports.
extern "C" __declspec(dllexport) LRESULT CALLBACK StandInHook(int, WPARAM, LPARAM);

LRESULT CALLBACK StandInHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (!systemFunction) {
        HMODULE self = nullptr;
        GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                           reinterpret_cast<LPCWSTR>(&StandInHook), &self);
        systemFunction = reinterpret_cast<SystemParametersInfoFunction>(replaceImport(
            "user32.dll", "SystemParametersInfoW", reinterpret_cast<void *>(withHighContrast)));
        systemLookUp = reinterpret_cast<GetProcAddressFunction>(replaceImport(
            "kernel32.dll", "GetProcAddress", reinterpret_cast<void *>(lookUpAsWindows7)));
        SetWindowsHookExW(WH_CALLWNDPROC, watchColours, self, GetCurrentThreadId());
        watchAnnotations();
        const HANDLE taken = OpenEventW(EVENT_MODIFY_STATE, FALSE, L"ZerkovanCheckStandInTaken");
        if (taken && systemFunction && systemLookUp)
            SetEvent(taken);
        if (taken)
            CloseHandle(taken);
    }
    static const UINT dpiChange = RegisterWindowMessageW(L"ZerkovanCheckDpiChange");
    auto *message = reinterpret_cast<MSG *>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && message->message == dpiChange &&
        message->hwnd) {
        const auto dpi = UINT(message->wParam);
        RECT suggested = suggestedAt(message->hwnd, dpi, UINT(message->lParam));
        message->message = WM_NULL;
        SendMessageW(message->hwnd, WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

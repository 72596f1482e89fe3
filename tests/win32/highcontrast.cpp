// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// Wine has no high-contrast theme: SystemParametersInfo answers that it is
// off, whatever was set. checkwindow.exe hooks Zerkovan.exe's messages with
// HighContrastHook, so that the program's own thread loads this DLL (no
// thread is started in it, which qemu-i386's emulation would not survive).
// There it takes the program's import of SystemParametersInfoW and answers
// SPI_GETHIGHCONTRAST as Windows does: on while the checker holds the event
// named below, as while a user has the theme on; everything else goes to
// the system.
#include <cstring>
#include <windows.h>

namespace {

using SystemParametersInfoFunction = BOOL(WINAPI *)(UINT, UINT, PVOID, UINT);
SystemParametersInfoFunction systemFunction = nullptr;

bool themeOn()
{
    const HANDLE on = OpenEventW(SYNCHRONIZE, FALSE, L"ZerkovanCheckHighContrastOn");
    if (!on)
        return false;
    CloseHandle(on);
    return true;
}

BOOL WINAPI withHighContrast(UINT action, UINT size, PVOID parameter, UINT flags)
{
    if (action == SPI_GETHIGHCONTRAST && parameter && themeOn()) {
        auto *contrast = static_cast<HIGHCONTRASTW *>(parameter);
        contrast->dwFlags = HCF_HIGHCONTRASTON | HCF_AVAILABLE;
        contrast->lpszDefaultScheme = nullptr;
        return TRUE;
    }
    return systemFunction(action, size, parameter, flags);
}

// Puts `replacement` in the program's import of user32's function, and
// returns what stood there.
void *replaceImport(const char *function, void *replacement)
{
    auto *base = reinterpret_cast<BYTE *>(GetModuleHandleW(nullptr));
    const auto *dos = reinterpret_cast<IMAGE_DOS_HEADER *>(base);
    const auto *nt = reinterpret_cast<IMAGE_NT_HEADERS *>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY &directory =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    auto *descriptor = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR *>(base + directory.VirtualAddress);
    for (; descriptor->Name; ++descriptor) {
        if (lstrcmpiA(reinterpret_cast<const char *>(base + descriptor->Name), "user32.dll") != 0)
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

} // namespace

// Called in the program's thread for each message it takes: the first
// keeps this DLL loaded for good and takes the import.
extern "C" __declspec(dllexport) LRESULT CALLBACK
    HighContrastHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (!systemFunction) {
        HMODULE self = nullptr;
        GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                           reinterpret_cast<LPCWSTR>(&HighContrastHook), &self);
        systemFunction = reinterpret_cast<SystemParametersInfoFunction>(
            replaceImport("SystemParametersInfoW", reinterpret_cast<void *>(withHighContrast)));
        const HANDLE taken =
            OpenEventW(EVENT_MODIFY_STATE, FALSE, L"ZerkovanCheckHighContrastTaken");
        if (taken && systemFunction)
            SetEvent(taken);
        if (taken)
            CloseHandle(taken);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// Wine has no high-contrast theme: SystemParametersInfo answers that it is
// off, whatever was set. checkwindow.exe loads this DLL into Zerkovan.exe,
// where it takes the program's import of SystemParametersInfoW and answers
// SPI_GETHIGHCONTRAST with the theme on, as Windows does once a user turns
// it on; everything else goes to the system. Unloaded, it gives the import
// back.
#include <cstring>
#include <windows.h>

namespace {

using SystemParametersInfoFunction = BOOL(WINAPI *)(UINT, UINT, PVOID, UINT);
SystemParametersInfoFunction systemFunction = nullptr;

BOOL WINAPI withHighContrast(UINT action, UINT size, PVOID parameter, UINT flags)
{
    if (action == SPI_GETHIGHCONTRAST && parameter) {
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

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        systemFunction = reinterpret_cast<SystemParametersInfoFunction>(
            replaceImport("SystemParametersInfoW", reinterpret_cast<void *>(withHighContrast)));
    } else if (reason == DLL_PROCESS_DETACH && systemFunction) {
        replaceImport("SystemParametersInfoW", reinterpret_cast<void *>(systemFunction));
    }
    return TRUE;
}

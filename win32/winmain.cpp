// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// The program's start on Windows: opens the window and runs its messages
// until it is closed. The dialog manager gives the keyboard its usual ways:
// Tab and Shift+Tab through the controls, Enter and Space on a button.
#include "zerkovanwindow.h"

#include <commctrl.h>
#include <objbase.h>
#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    // The live region's annotation is a COM object.
    const bool com = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));

    auto *window = zerkovan::win32::ZerkovanWindow::Create(instance);
    if (!window)
        return 1;
    // The window object ends with its window: keep only the handle.
    const HWND handle = window->window();
    ShowWindow(handle, show);
    UpdateWindow(handle);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (IsDialogMessageW(handle, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    if (com)
        CoUninitialize();
    return int(message.wParam);
}

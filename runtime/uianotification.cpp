// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

#include "uianotification.h"

#include <QString>
#include <QWidget>

namespace zerkovan::uia {

namespace {

template <typename Function> Function lookUp(HMODULE library, const char *name)
{
    if (library == nullptr)
        return nullptr;
    // GetProcAddress gives a FARPROC, to be cast to the function's own type.
    return reinterpret_cast<Function>(reinterpret_cast<void *>(GetProcAddress(library, name)));
}

// A string made for the notification, given back whichever way it leaves.
struct Text
{
    Text(const Functions &functions, const QString &text)
        : functions(functions),
          value(functions.allocString(reinterpret_cast<const OLECHAR *>(text.utf16()),
                                      UINT(text.size())))
    {
    }
    ~Text()
    {
        if (value != nullptr)
            functions.freeString(value);
    }
    Text(const Text &) = delete;
    Text &operator=(const Text &) = delete;

    const Functions &functions;
    const BSTR value;
};

} // namespace

Functions &FunctionsInUse()
{
    static Functions functions = [] {
        // Only from the system's folder: never a DLL planted beside the program.
        HMODULE core =
            LoadLibraryExW(L"UIAutomationCore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        Functions found;
        found.hostProviderFromHwnd =
            lookUp<decltype(found.hostProviderFromHwnd)>(core, "UiaHostProviderFromHwnd");
        found.raiseNotificationEvent =
            lookUp<decltype(found.raiseNotificationEvent)>(core, "UiaRaiseNotificationEvent");
        found.allocString = &SysAllocStringLen;
        found.freeString = &SysFreeString;
        return found;
    }();
    return functions;
}

bool RaiseNotification(QWidget *window, const QString &text)
{
    const Functions &functions = FunctionsInUse();
    if (functions.hostProviderFromHwnd == nullptr || functions.raiseNotificationEvent == nullptr)
        return false;
    QWidget *topLevel = window->window();
    if (!topLevel->isVisible())
        return false;
    IUnknown *provider = nullptr;
    const HWND handle = reinterpret_cast<HWND>(topLevel->winId());
    if (FAILED(functions.hostProviderFromHwnd(handle, &provider)) || provider == nullptr)
        return false;
    const Text display(functions, text);
    const Text activity(functions, QStringLiteral("Zerkovan.Verdict"));
    const bool raised = display.value != nullptr && activity.value != nullptr &&
                        SUCCEEDED(functions.raiseNotificationEvent(
                            provider, ActionCompleted, MostRecent, display.value, activity.value));
    provider->Release();
    return raised;
}

} // namespace zerkovan::uia

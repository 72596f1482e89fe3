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

// Releases what a notification took, whichever way it leaves.
class Taken
{
public:
    explicit Taken(const Functions &functions)
        : m_functions(functions)
    {
    }
    ~Taken()
    {
        for (BSTR text : m_texts) {
            if (text != nullptr)
                m_functions.freeString(text);
        }
        if (provider != nullptr)
            provider->Release();
    }
    Taken(const Taken &) = delete;
    Taken &operator=(const Taken &) = delete;

    BSTR text(const QString &value)
    {
        BSTR made = m_functions.allocString(reinterpret_cast<const OLECHAR *>(value.utf16()),
                                            UINT(value.size()));
        m_texts[m_count++] = made;
        return made;
    }

    IUnknown *provider = nullptr;

private:
    const Functions &m_functions;
    BSTR m_texts[2] = {nullptr, nullptr};
    int m_count = 0;
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
    Taken taken(functions);
    const HWND handle = reinterpret_cast<HWND>(topLevel->winId());
    if (FAILED(functions.hostProviderFromHwnd(handle, &taken.provider)) ||
        taken.provider == nullptr)
        return false;
    BSTR display = taken.text(text);
    BSTR activity = taken.text(QStringLiteral("Zerkovan.Verdict"));
    if (display == nullptr || activity == nullptr)
        return false;
    return SUCCEEDED(functions.raiseNotificationEvent(taken.provider, ActionCompleted, MostRecent,
                                                      display, activity));
}

} // namespace zerkovan::uia

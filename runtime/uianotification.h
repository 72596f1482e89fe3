// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// Windows' way of saying the verdict: a UI Automation notification, which
// NVDA and Narrator speak for the application that has the focus, raised
// for the window's own host provider. Windows 10 1709 and later have it in
// UIAutomationCore.dll; MinGW-w64 declares neither function and has no
// import library for them, so both are looked up at run time. Where either
// is missing (older Windows, Wine), nothing is raised and nothing fails.
#pragma once

#include <windows.h>

class QString;
class QWidget;

namespace zerkovan::uia {

// The kind and processing the verdict is raised with: an action completed,
// and only the most recent of several is read.
constexpr int ActionCompleted = 2; // NotificationKind_ActionCompleted
constexpr int MostRecent = 3;      // NotificationProcessing_MostRecent

// The functions a notification takes. The provider is an
// IRawElementProviderSimple, of which only IUnknown's Release is called.
struct Functions
{
    HRESULT(WINAPI *hostProviderFromHwnd)(HWND, IUnknown **) = nullptr;
    HRESULT(WINAPI *raiseNotificationEvent)
    (IUnknown *, int kind, int processing, BSTR text, BSTR activity) = nullptr;
    BSTR(WINAPI *allocString)(const OLECHAR *, UINT) = nullptr;
    void(WINAPI *freeString)(BSTR) = nullptr;
};

// The functions a notification is raised with: the system's, looked up at
// the first call (the UI Automation ones null where missing), unless a
// check has put its own in their place.
Functions &FunctionsInUse();

// Raises the notification for window's top-level window with text. Returns
// false where the system has no notifications or refused this one.
bool RaiseNotification(QWidget *window, const QString &text);

} // namespace zerkovan::uia

// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// What a screen reader says after a display without moving the focus: the
// verdict, in a static that takes no room, marked as a polite live region.
// Each say() raises the live-region event, so that the same verdict twice
// is told twice; Narrator and NVDA read the static's text then. Windows 7
// knows no live regions: there the static is marked an alert and raises the
// alert event, which its screen readers read out.
#pragma once

#include <string_view>
#include <windows.h>

struct IAccPropServices;

namespace zerkovan::win32 {

class VerdictStatus
{
public:
    VerdictStatus() = default;
    VerdictStatus(const VerdictStatus &) = delete;
    VerdictStatus &operator=(const VerdictStatus &) = delete;
    ~VerdictStatus();

    // Makes the static, a child of window, and marks it.
    void create(HWND window, int id);

    void say(std::wstring_view verdict);
    void clear();
    // Takes the mark off while the static still exists: call it when the
    // window is destroyed, before its children are.
    void release();

private:
    HWND m_static = nullptr;
    IAccPropServices *m_annotations = nullptr;
};

} // namespace zerkovan::win32

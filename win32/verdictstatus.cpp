// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

#include "verdictstatus.h"

#include "newerfunctions.h"

#include <oleacc.h>
#include <string>

namespace zerkovan::win32 {

VerdictStatus::~VerdictStatus()
{
    release();
}

void VerdictStatus::release()
{
    if (m_annotations) {
        const MSAAPROPID marks[] = {LiveSettingPropertyGuid, PROPID_ACC_ROLE};
        m_annotations->ClearHwndProps(m_static, OBJID_CLIENT, CHILDID_SELF, marks, 2);
        m_annotations->Release();
        m_annotations = nullptr;
    }
}

void VerdictStatus::create(HWND window, int id)
{
    m_static = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0,
                               0, 0, 0, window, reinterpret_cast<HMENU>(INT_PTR(id)),
                               GetModuleHandleW(nullptr), nullptr);
    if (FAILED(CoCreateInstance(AccPropServicesClassGuid, nullptr, CLSCTX_INPROC_SERVER,
                                AccPropServicesInterfaceGuid,
                                reinterpret_cast<void **>(&m_annotations)))) {
        m_annotations = nullptr;
        return;
    }
    VARIANT polite{};
    polite.vt = VT_I4;
    polite.lVal = LiveSettingPolite;
    // Windows before 8, and Wine, may refuse it: the verdict is then not
    // marked, and the program goes on.
    m_annotations->SetHwndProp(m_static, OBJID_CLIENT, CHILDID_SELF, LiveSettingPropertyGuid,
                               polite);
}

void VerdictStatus::say(std::wstring_view verdict)
{
    SetWindowTextW(m_static, std::wstring(verdict).c_str());
    if (HasLiveRegions()) {
        NotifyWinEvent(EventObjectLiveRegionChanged, m_static, OBJID_CLIENT, CHILDID_SELF);
        return;
    }
    // Windows 7's screen readers read an alert out when it is raised: the
    // static is one, and says the verdict as its name.
    if (m_annotations) {
        VARIANT alert{};
        alert.vt = VT_I4;
        alert.lVal = ROLE_SYSTEM_ALERT;
        m_annotations->SetHwndProp(m_static, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_ROLE, alert);
    }
    NotifyWinEvent(EVENT_SYSTEM_ALERT, m_static, OBJID_CLIENT, CHILDID_SELF);
}

// Without a verdict the static is no alert: a screen reader's tree holds
// no empty one.
void VerdictStatus::clear()
{
    SetWindowTextW(m_static, L"");
    if (m_annotations && !HasLiveRegions()) {
        const MSAAPROPID role = PROPID_ACC_ROLE;
        m_annotations->ClearHwndProps(m_static, OBJID_CLIENT, CHILDID_SELF, &role, 1);
    }
}

} // namespace zerkovan::win32

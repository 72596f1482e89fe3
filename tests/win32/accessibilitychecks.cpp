// SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
// SPDX-License-Identifier: LicenseRef-Zerkovan

// What a Windows screen reader finds: each control's name, role and state
// through MSAA, and the verdict said through a live region. A standard
// control is read as Windows' own proxies read it, from its messages
// (CreateStdAccessibleObject): across processes Wine's
// AccessibleObjectFromWindow answers E_NOINTERFACE.
#include "checks.h"
#include "controlids.h"
#include "newerfunctions.h"
#include "statictexts.h"
#include "text.h"

#include <algorithm>
#include <oleacc.h>
#include <vector>

namespace zerkovan::checks {

namespace {

using namespace zerkovan::win32;

struct Accessible
{
    std::wstring name;
    long role = 0, state = 0;
    bool read = false;
};

Accessible accessibleOf(HWND control)
{
    Accessible found;
    IAccessible *object = nullptr;
    if (FAILED(CreateStdAccessibleObject(control, OBJID_CLIENT, AccessibleInterfaceGuid,
                                         reinterpret_cast<void **>(&object))))
        return found;
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR text = nullptr;
    if (SUCCEEDED(object->get_accName(self, &text)) && text)
        found.name = text;
    SysFreeString(text);
    VARIANT role{};
    if (SUCCEEDED(object->get_accRole(self, &role)) && role.vt == VT_I4)
        found.role = role.lVal;
    VARIANT state{};
    if (SUCCEEDED(object->get_accState(self, &state)) && state.vt == VT_I4)
        found.state = state.lVal;
    object->Release();
    found.read = true;
    return found;
}

// Events of the program's process, as a screen reader's out-of-context
// hook receives them, in the order the program raised them.
struct Event
{
    DWORD event;
    HWND window;
};
std::vector<Event> events;

void CALLBACK onEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG, LONG, DWORD, DWORD)
{
    events.push_back({event, window});
}

// Takes in every event the program raised while it handled what it was
// sent: an out-of-context event is queued to this thread as it is raised,
// so a message posted to this thread afterwards comes through behind it.
void takeEverythingRaised()
{
    PostThreadMessageW(GetCurrentThreadId(), WM_APP, 0, 0);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!message.hwnd && message.message == WM_APP)
            return;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// Events of the kind `event` on `window`, or on any window.
std::size_t eventsOn(DWORD event, HWND window = nullptr)
{
    return std::size_t(std::count_if(events.begin(), events.end(), [&](const Event &seen) {
        return seen.event == event && (!window || seen.window == window);
    }));
}

} // namespace

void CheckAccessibleNames(const Program &program, Report &report)
{
    const struct
    {
        int id;
        const char *name;
        bool edit, readOnly;
    } rows[] = {
        {Label1_0, TitleLabelCaption, false, true},
        {Text2_0, RowLabelCaption, true, false},
        {Text2_1, OutputBoxName, true, true},
        {Text1_0, TaskStatementBoxName, true, true},
        {Command1_0, DisplayButtonCaption, false, false},
        {Command1_1, ClearButtonCaption, false, false},
    };
    for (const auto &row : rows) {
        const Accessible found = accessibleOf(program.control(row.id));
        const std::string control = ControlName(row.id);
        report.check(found.read && found.name == Utf16(row.name),
                     control + " is named «" + row.name + "»", "«" + Utf8(found.name) + "»");
        // Wine's proxies give statics and buttons no role of their own.
        if (row.edit) {
            report.check(found.role == ROLE_SYSTEM_TEXT, control + " is editable text",
                         std::to_string(found.role));
            report.check(((found.state & STATE_SYSTEM_READONLY) != 0) == row.readOnly,
                         control + (row.readOnly ? " is" : " is not") + " read-only");
        }
    }
}

void CheckVerdict(const Program &program, Report &report, bool liveRegions)
{
    const HWINEVENTHOOK hook =
        SetWinEventHook(EVENT_SYSTEM_ALERT, EventObjectLiveRegionChanged, nullptr, onEvent,
                        program.processId(), 0, WINEVENT_OUTOFCONTEXT);
    report.require(hook != nullptr, "a WinEvent hook on the program is set");
    const HWND status = program.control(VerdictStatic);
    const DWORD said = liveRegions ? EventObjectLiveRegionChanged : EVENT_SYSTEM_ALERT;
    const DWORD other = liveRegions ? EVENT_SYSTEM_ALERT : EventObjectLiveRegionChanged;
    const std::string kind = liveRegions ? "live-region event" : "alert";
    const auto click = [&](int button) {
        takeEverythingRaised();
        events.clear();
        SendMessageW(program.control(Text2_0), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"9"));
        SendMessageW(program.control(button), BM_CLICK, 0, 0);
        takeEverythingRaised();
        return std::to_string(eventsOn(said, status)) + " on the verdict's static, " +
               std::to_string(eventsOn(said)) + " in all, " + std::to_string(eventsOn(other)) +
               " of the other kind";
    };
    // The same verdict twice is said twice.
    const std::string raised = " raises one " + kind + ", on the verdict's static";
    for (const std::string &row : {"«Изведи»" + raised, "«Изведи» again" + raised}) {
        const std::string seen = click(Command1_0);
        report.check(eventsOn(said, status) == 1 && eventsOn(said) == 1 && eventsOn(other) == 0,
                     row, seen);
    }
    report.check(accessibleOf(status).name == Utf16("Числото 9 се среща в ред 5"),
                 "the " + kind + " says the verdict alone",
                 "«" + Utf8(accessibleOf(status).name) + "»");
    RECT place;
    GetWindowRect(status, &place);
    report.check(IsRectEmpty(&place) != 0, "the verdict's static takes no room");
    if (!liveRegions)
        report.check(Signalled(L"ZerkovanCheckAlertRole"),
                     "the verdict's static is marked an alert");
    const std::string seen = click(Command1_1);
    report.check(
        eventsOn(said) == 0 && eventsOn(other) == 0 && !Signalled(L"ZerkovanCheckAlertRole") &&
            TextOf(status).empty() && TextOf(program.control(Text2_0)).empty() &&
            TextOf(program.control(Text2_1)).empty(),
        "«Изчисти» says nothing, marks no alert, and empties the verdict and both boxes", seen);
    if (hook)
        UnhookWinEvent(hook);
}

} // namespace zerkovan::checks
